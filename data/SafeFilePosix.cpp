// The file layer on POSIX systems: whole-file writes that keep the previous file until the new
// one is complete and on the disk (fsync, rename), and reads that open regular files only.
#include "data/SafeFile.h"
#include "data/SafeFileParts.h"

#include "data/FileFaults.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vak {

namespace fs = std::filesystem;

namespace {

std::error_code LastError()
{
    return {errno, std::generic_category()};
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return m_fd; }
    bool Valid() const { return m_fd >= 0; }
    int Release() { return std::exchange(m_fd, -1); }
    // Closes now; false when closing reported an error (a write that failed late).
    bool Close()
    {
        if (m_fd < 0)
            return true;
        return ::close(std::exchange(m_fd, -1)) == 0;
    }

private:
    int m_fd;
};

// Whether a test planted a failure for `step`; errno then tells it, as the step's own would.
bool FailsAsPlanted(FileStep step)
{
    const std::optional<std::errc> planted = PlantedFault(step);
    if (planted)
        errno = static_cast<int>(*planted);
    return planted.has_value();
}

bool Flush(int fd)
{
    return !FailsAsPlanted(FileStep::Flush) && ::fsync(fd) == 0;
}

bool Rename(const fs::path& from, const fs::path& to)
{
    return !FailsAsPlanted(FileStep::Rename) && ::rename(from.c_str(), to.c_str()) == 0;
}

// Writes every byte from `offset` on, resuming after interrupted or partial writes.
bool WriteAllAt(int fd, std::span<const std::uint8_t> bytes, off_t offset)
{
    if (FailsAsPlanted(FileStep::Write))
        return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::pwrite(fd, bytes.data() + done, bytes.size() - done,
                                         offset + static_cast<off_t>(done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// A regular file the user may write. A file without any write permission counts as read-only
// even for the administrator, as a file with the read-only attribute does.
bool MayOverwrite(const fs::path& target, const struct stat& info, std::error_code& reason)
{
    if (!S_ISREG(info.st_mode)) {
        reason = S_ISDIR(info.st_mode) ? std::make_error_code(std::errc::is_a_directory) : NotRegularFileError();
        return false;
    }
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(target.c_str(), W_OK) != 0) {
        reason = std::make_error_code(std::errc::permission_denied);
        return false;
    }
    return true;
}

// Creates a new file in `folder` under a temporary name that no other file has.
Descriptor CreateTemporary(const fs::path& folder, fs::path& created)
{
    TemporaryNames names;
    for (int attempt = 0; attempt < TemporaryNames::ATTEMPTS; ++attempt) {
        const fs::path candidate = names.Next(folder);
        // O_EXCL: fail when the name exists, so no other file is ever overwritten.
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            created = candidate;
            return Descriptor(fd);
        }
        if (errno != EEXIST)
            return Descriptor();
    }
    errno = EEXIST;
    return Descriptor();
}

// Makes a rename in `folder` last across a power cut. Some file systems cannot flush a folder;
// the rename has happened all the same, so that is not a failure.
void FlushFolder(const fs::path& folder)
{
    const Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Valid())
        ::fsync(fd.Get());
}

// The new file: written, given the old file's permissions, owner and group, on the disk, then
// renamed over the target.
bool WriteBesideAndReplace(Descriptor& fd, const fs::path& temporary, const fs::path& target,
                           const struct stat* old, std::span<const std::uint8_t> bytes, std::error_code& reason)
{
    bool ok = WriteAllAt(fd.Get(), bytes, 0);
    if (ok && old != nullptr) {
        // Handing the file to its old owner needs privileges we may lack; the group alone may
        // still be kept. Neither is a reason to fail the save.
        const bool ownerKept = ::fchown(fd.Get(), old->st_uid, old->st_gid) == 0 ||
                               ::fchown(fd.Get(), static_cast<uid_t>(-1), old->st_gid) == 0;
        (void)ownerKept;
        ok = ::fchmod(fd.Get(), old->st_mode & 07777) == 0;
    }
    ok = ok && Flush(fd.Get());
    if (!ok)
        reason = LastError();
    if (!fd.Close() && ok) {
        reason = LastError();
        ok = false;
    }
    if (ok && !Rename(temporary, target)) {
        reason = LastError();
        ok = false;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    FlushFolder(FolderOf(target));
    return true;
}

// Writing over the file itself, for a folder that refuses new files. Room for the new bytes is
// reserved before any old byte is overwritten, so a full disk leaves the old content.
bool WriteInPlace(const fs::path& target, const struct stat& old, std::span<const std::uint8_t> bytes,
                  std::error_code& reason)
{
    // O_NOFOLLOW: a link put at the name since it was looked at is not written through.
    Descriptor fd(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW));
    if (!fd.Valid()) {
        reason = LastError();
        return false;
    }
    const auto newSize = static_cast<off_t>(bytes.size());
    if (newSize > old.st_size) {
        const int reserved = ::posix_fallocate(fd.Get(), 0, newSize);
        if (reserved != 0) {
            // A partly made reservation is given back; the old bytes were not touched.
            const bool givenBack = ::ftruncate(fd.Get(), old.st_size) == 0;
            (void)givenBack;
            reason = {reserved, std::generic_category()};
            return false;
        }
    }
    const bool ok = WriteAllAt(fd.Get(), bytes, 0) && ::ftruncate(fd.Get(), newSize) == 0 && Flush(fd.Get());
    if (!ok)
        reason = LastError();
    if (!fd.Close() && ok) {
        reason = LastError();
        return false;
    }
    return ok;
}

// Whether a failure to create a file in the folder means the folder itself refuses new files
// (rather than a full disk, a name too long or a missing folder).
bool FolderRefusesNewFiles(int error)
{
    return error == EACCES || error == EROFS || error == EPERM;
}

} // namespace

bool WriteOver(const fs::path& target, std::span<const std::uint8_t> bytes, std::error_code& reason)
{
    struct stat old {};
    // A link still at the name counts as no file: the new file takes the link's place.
    const bool exists = ::lstat(target.c_str(), &old) == 0 && !S_ISLNK(old.st_mode);
    if (exists && !MayOverwrite(target, old, reason))
        return false;

    fs::path temporary;
    Descriptor fd = CreateTemporary(FolderOf(target), temporary);
    if (fd.Valid())
        return WriteBesideAndReplace(fd, temporary, target, exists ? &old : nullptr, bytes, reason);
    reason = LastError();
    if (exists && FolderRefusesNewFiles(errno))
        return WriteInPlace(target, old, bytes, reason);
    return false;
}

std::FILE* OpenRegularFile(const std::string& path, std::error_code& reason)
{
    reason.clear();
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer forever.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.Valid()) {
        reason = LastError();
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) {
        reason = LastError();
        return nullptr;
    }
    if (!S_ISREG(info.st_mode)) {
        reason = S_ISDIR(info.st_mode) ? std::make_error_code(std::errc::is_a_directory) : NotRegularFileError();
        return nullptr;
    }
    ::fcntl(fd.Get(), F_SETFL, ::fcntl(fd.Get(), F_GETFL) & ~O_NONBLOCK);
    std::FILE* file = ::fdopen(fd.Get(), "rb");
    if (file == nullptr) {
        reason = LastError();
        return nullptr;
    }
    fd.Release();
    return file;
}

void IgnoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

bool SizeAndTimeOf(std::FILE* file, FileStamp& stamp, std::error_code& reason)
{
    struct stat info {};
    if (::fstat(::fileno(file), &info) != 0) {
        reason = LastError();
        return false;
    }
    stamp.size = static_cast<std::uintmax_t>(info.st_size);
    stamp.modified = std::int64_t{info.st_mtim.tv_sec} * 1'000'000'000 + info.st_mtim.tv_nsec;
    stamp.identity = {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
    return true;
}

std::size_t FileNameLimit(const std::string& folder)
{
    constexpr std::size_t USUAL_LIMIT = 255;
    const long limit = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? static_cast<std::size_t>(limit) : USUAL_LIMIT;
}

} // namespace vak
