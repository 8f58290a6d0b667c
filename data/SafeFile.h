// Reading and writing whole files without ever destroying the previous one, without blocking on
// anything that is not a regular file, and noticing changes made on disk by another program.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <system_error>

namespace vak {

// Writes `bytes` to `path`: into a new file beside the target (a symbolic link is followed to
// its target, whose permissions, owner and group the new file gets), checked and flushed to the
// disk, which then replaces the target. Where the folder refuses new files but the file itself
// may be written, the file is written in place, with room for the new bytes reserved first so
// that a full disk leaves the old content. A file the user may not write (no write permission,
// mode 0444) and anything that is not a regular file are refused. Returns false on any failure,
// with the system's reason in `reason` when given; the previous file is then intact.
bool WriteFileSafely(const std::string& path, std::span<const std::uint8_t> bytes,
                     std::error_code* reason = nullptr);

// Opens `path` for binary reading when it is a regular file, without blocking on a FIFO or a
// device on the way. Returns nullptr with the reason in `reason` otherwise (a folder gives "Is a
// directory", a FIFO or a device "Not a regular file").
std::FILE* OpenRegularFile(const std::string& path, std::error_code& reason);

// Lets a write past the process's file-size limit fail (EFBIG) instead of killing the process,
// so that the ordinary error path reports it and removes its temporary file.
void IgnoreFileSizeSignal();

// Size and modification time of a file, to tell whether another program changed it.
struct FileStamp {
    bool exists = false;
    std::uintmax_t size = 0;
    std::int64_t modified = 0;  // file-clock ticks
    bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const std::string& path);

} // namespace vak
