// Reading and writing whole files without ever destroying the previous one, without blocking on
// anything that is not a regular file, and noticing changes made on disk by another program.
#pragma once

#include <cstdint>
#include <cstdio>
#include <limits>
#include <span>
#include <string>
#include <system_error>
#include <vector>

namespace vak {

// What a symbolic link at the name being written means: the file the user keeps elsewhere (the
// group file), or a name someone may have planted to have another file replaced (every file
// Vak makes: the report file, kept copies, printed sheets), whose link is then replaced itself.
enum class LinkAtName { Follow, Replace };

// Writes `bytes` to `path`: into a new file beside the target (with `Follow` a symbolic link is
// followed to its target, whose permissions, owner and group the new file gets; with `Replace`
// the link itself is replaced), checked and flushed to the disk, which then replaces the target. Where the folder refuses new files but the file itself
// may be written, the file is written in place, with room for the new bytes reserved first so
// that a full disk leaves the old content. A file the user may not write (no write permission,
// mode 0444) and anything that is not a regular file are refused. Returns false on any failure,
// with the system's reason in `reason` when given; the previous file is then intact.
bool WriteFileSafely(const std::string& path, std::span<const std::uint8_t> bytes,
                     std::error_code* reason = nullptr, LinkAtName links = LinkAtName::Follow);

// Opens `path` for binary reading when it is a regular file, without blocking on a FIFO or a
// device on the way. Returns nullptr with the reason in `reason` otherwise (a folder gives "Is a
// directory", a FIFO or a device "Not a regular file").
std::FILE* OpenRegularFile(const std::string& path, std::error_code& reason);

// Lets a write past the process's file-size limit fail (EFBIG) instead of killing the process,
// so that the ordinary error path reports it and removes its temporary file.
void IgnoreFileSizeSignal();

// Which file a path leads to: the device and inode on Linux, the volume and file index on
// Windows. Another file moved to the name, or a link planted there, has another identity.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t index = 0;
    bool operator==(const FileIdentity&) const = default;
};

// Size, modification time and a digest of the content of a file, to tell whether another
// program changed it (also a same-size copy whose time was restored), and which file it is.
struct FileStamp {
    bool exists = false;
    std::uintmax_t size = 0;
    std::int64_t modified = 0;  // nanoseconds of the file's modification time
    std::uint64_t digest = 0;   // ContentDigest of the bytes read
    FileIdentity identity;
    bool operator==(const FileStamp&) const = default;
};

inline constexpr std::size_t WHOLE_FILE = std::numeric_limits<std::size_t>::max();

// Reads the first `limit` bytes (all of a shorter file) of the regular file `path` into
// `bytes`, and its stamp: size and time of the whole file, digest of the bytes read. False with
// the reason otherwise (as OpenRegularFile, or a failed read).
bool ReadFileStart(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes, FileStamp& stamp,
                   std::error_code& reason);

// The stamp ReadFileStart gives for the file now; `exists` is false when it cannot be read.
FileStamp StampOf(const std::string& path, std::size_t limit = WHOLE_FILE);

// Whether `a` and `b` lead to the same file (following symbolic links); where either does not
// exist, whether they are the same absolute path.
bool IsSameFile(const std::string& a, const std::string& b);

// A 64-bit digest of `bytes` that any changed byte changes (not meant to withstand forgery).
std::uint64_t ContentDigest(std::span<const std::uint8_t> bytes);

// The longest file name, in bytes, the folder takes (255 where the system does not say).
std::size_t FileNameLimit(const std::string& folder);

} // namespace vak
