// Whole-file writes that keep the previous file until the new one is complete.
#include "data/SafeFile.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

namespace vak {

namespace fs = std::filesystem;

namespace {

// The file a path finally names, following symbolic links; the path itself when it does not
// exist yet.
fs::path ResolveTarget(const fs::path& path)
{
    std::error_code error;
    fs::path resolved = fs::canonical(path, error);
    if (!error)
        return resolved;
    // A dangling link: write where it points, so that the link stays a link.
    if (fs::is_symlink(fs::symlink_status(path, error))) {
        const fs::path pointee = fs::read_symlink(path, error);
        if (!error)
            return pointee.is_absolute() ? pointee : path.parent_path() / pointee;
    }
    return path;
}

bool WriteAll(std::FILE* file, std::span<const std::uint8_t> bytes)
{
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
        return false;
    return std::fflush(file) == 0 && !std::ferror(file);
}

// Writes and closes `file`; false if anything failed.
bool WriteAndClose(std::FILE* file, std::span<const std::uint8_t> bytes)
{
    const bool written = WriteAll(file, bytes);
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}

// Creates a new file beside `target` that no other file has the name of.
std::FILE* CreateSibling(const fs::path& target, fs::path& created)
{
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 20; ++attempt) {
        fs::path candidate = target;
        candidate += ".tmp" + std::to_string(random() % 1000000);
        // "x": fail when the name exists, so no other file is ever overwritten.
        if (std::FILE* file = std::fopen(candidate.c_str(), "wbx")) {
            created = candidate;
            return file;
        }
        if (errno != EEXIST)
            return nullptr;
    }
    return nullptr;
}

bool WriteInPlace(const fs::path& target, std::span<const std::uint8_t> bytes)
{
    std::FILE* file = std::fopen(target.c_str(), "wb");
    return file != nullptr && WriteAndClose(file, bytes);
}

} // namespace

bool WriteFileSafely(const std::string& path, std::span<const std::uint8_t> bytes)
{
    const fs::path target = ResolveTarget(fs::path(path));
    fs::path temporary;
    std::FILE* file = CreateSibling(target, temporary);
    if (file == nullptr)
        return WriteInPlace(target, bytes);

    std::error_code error;
    bool ok = WriteAndClose(file, bytes);
    const auto existing = fs::status(target, error);
    if (ok && !error && fs::exists(existing)) {
        fs::permissions(temporary, existing.permissions(), fs::perm_options::replace, error);
        ok = !error;
    }
    if (ok) {
        fs::rename(temporary, target, error);
        ok = !error;
    }
    if (!ok)
        fs::remove(temporary, error);
    return ok;
}

FileStamp StampOf(const std::string& path)
{
    FileStamp stamp;
    std::error_code error;
    const auto size = fs::file_size(path, error);
    if (error)
        return stamp;
    const auto modified = fs::last_write_time(path, error);
    if (error)
        return stamp;
    stamp.exists = true;
    stamp.size = size;
    stamp.modified = modified.time_since_epoch().count();
    return stamp;
}

} // namespace vak
