// Writing a whole file without ever destroying the previous one, and noticing changes on disk.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace vak {

// Writes `bytes` to `path`: into a new file beside the target (a symbolic link is followed to
// its target, whose permissions the new file gets), checked and flushed, which then replaces
// the target. Where no file can be made beside it (a read-only folder holding a writable
// file), the target is written in place, checking every write. Returns false on any failure;
// the old file is then left intact whenever a file beside it could be made.
bool WriteFileSafely(const std::string& path, std::span<const std::uint8_t> bytes);

// Size and modification time of a file, to tell whether another program changed it.
struct FileStamp {
    bool exists = false;
    std::uintmax_t size = 0;
    std::int64_t modified = 0;  // file-clock ticks
    bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const std::string& path);

} // namespace vak
