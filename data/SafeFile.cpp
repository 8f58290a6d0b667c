// What the file layer does the same on every system: the error for what is not a regular file,
// reading a file's start with its stamp, and the content digest.
#include "data/SafeFile.h"
#include "data/SafeFileParts.h"

#include "data/FileFaults.h"
#include "data/FilePath.h"

#include <algorithm>
#include <cstring>

namespace vak {

namespace fs = std::filesystem;

namespace {

// "not a regular file": a FIFO, device or socket where a group file was expected.
class FileErrorCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "vak-file"; }
    std::string message(int) const override { return "Not a regular file"; }
};

const FileErrorCategory& FileErrors()
{
    static const FileErrorCategory category;
    return category;
}

} // namespace

std::error_code NotRegularFileError()
{
    return {1, FileErrors()};
}

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

TemporaryNames::TemporaryNames() : m_random(std::random_device{}()) {}

fs::path TemporaryNames::Next(const fs::path& folder)
{
    static constexpr char LETTERS[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string name = ".vak";
    for (int i = 0; i < 6; ++i)
        name += LETTERS[m_random() % (sizeof LETTERS - 1)];
    return folder / name;
}

fs::path FolderOf(const fs::path& target)
{
    return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

namespace {
std::optional<std::errc> g_planted[3];  // by FileStep
} // namespace

FileFault::FileFault(FileStep step, std::errc error) : m_step(step)
{
    g_planted[static_cast<int>(step)] = error;
}

FileFault::~FileFault()
{
    g_planted[static_cast<int>(m_step)].reset();
}

std::optional<std::errc> PlantedFault(FileStep step)
{
    return g_planted[static_cast<int>(step)];
}

bool WriteFileSafely(const std::string& path, std::span<const std::uint8_t> bytes, std::error_code* reasonOut,
                     LinkAtName links)
{
    std::error_code ignored;
    std::error_code& reason = reasonOut ? *reasonOut : ignored;
    reason.clear();
    const fs::path named = PathFromUtf8(path);
    return WriteOver(links == LinkAtName::Follow ? ResolveTarget(named) : named, bytes, reason);
}

bool ReadFileStart(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes, FileStamp& stamp,
                   std::error_code& reason)
{
    bytes.clear();
    stamp = {};
    std::FILE* file = OpenRegularFile(path, reason);
    if (file == nullptr)
        return false;
    constexpr std::size_t CHUNK = 64 * 1024;
    bool ok = SizeAndTimeOf(file, stamp, reason);
    while (ok && bytes.size() < limit) {
        const std::size_t start = bytes.size();
        bytes.resize(start + std::min(CHUNK, limit - start));
        const std::size_t got = std::fread(bytes.data() + start, 1, bytes.size() - start, file);
        bytes.resize(start + got);
        if (got == 0)
            break;
    }
    if (ok && std::ferror(file)) {
        reason = std::make_error_code(std::errc::io_error);
        ok = false;
    }
    std::fclose(file);
    if (!ok) {
        stamp = {};
        return false;
    }
    stamp.exists = true;
    stamp.digest = ContentDigest(bytes);
    return true;
}

FileStamp StampOf(const std::string& path, std::size_t limit)
{
    std::vector<std::uint8_t> bytes;
    FileStamp stamp;
    std::error_code reason;
    ReadFileStart(path, limit, bytes, stamp, reason);
    return stamp;
}

bool IsSameFile(const std::string& a, const std::string& b)
{
    const fs::path first = PathFromUtf8(a), second = PathFromUtf8(b);
    std::error_code error;
    if (fs::exists(first, error) && fs::exists(second, error))
        return fs::equivalent(first, second, error) && !error;
    const fs::path firstFull = fs::weakly_canonical(first, error);
    const fs::path secondFull = error ? fs::path() : fs::weakly_canonical(second, error);
    return !error && firstFull == secondFull;
}

// Four lanes of multiply-rotate rounds over 8-byte words (the shape of xxHash64), the rest
// byte by byte, and a final mix; fast enough to be taken at every load and save.
std::uint64_t ContentDigest(std::span<const std::uint8_t> bytes)
{
    constexpr std::uint64_t P1 = 0x9E3779B185EBCA87u, P2 = 0xC2B2AE3D27D4EB4Fu, P3 = 0x165667B19E3779F9u;
    const auto rotl = [](std::uint64_t x, int r) { return (x << r) | (x >> (64 - r)); };
    const auto round = [&](std::uint64_t lane, std::uint64_t word) { return rotl(lane + word * P2, 31) * P1; };
    std::uint64_t lanes[4] = {P1 + P2, P2, 0, 0 - P1};
    std::size_t i = 0;
    for (; i + 32 <= bytes.size(); i += 32) {
        for (int lane = 0; lane < 4; ++lane) {
            std::uint64_t word = 0;
            std::memcpy(&word, bytes.data() + i + 8 * lane, sizeof word);
            lanes[lane] = round(lanes[lane], word);
        }
    }
    std::uint64_t digest = rotl(lanes[0], 1) + rotl(lanes[1], 7) + rotl(lanes[2], 12) + rotl(lanes[3], 18) + bytes.size();
    for (; i < bytes.size(); ++i)
        digest = rotl((digest ^ bytes[i]) * P1, 11);
    digest ^= digest >> 33;
    digest *= P2;
    digest ^= digest >> 29;
    digest *= P3;
    return digest ^ (digest >> 32);
}

} // namespace vak
