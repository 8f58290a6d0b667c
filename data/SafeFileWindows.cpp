// The file layer on Windows: UTF-8 paths turned into wide-character paths; whole-file writes
// into a new file beside the target, flushed to the disk and put in the target's place with
// ReplaceFileW (which keeps the old file's attributes and security) or MoveFileExW, both
// write-through; reads that open regular disk files only.
#include "data/SafeFile.h"
#include "data/SafeFileParts.h"

#include "data/FileFaults.h"

#include "data/FilePath.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <utility>

namespace vak {

namespace fs = std::filesystem;

namespace {

// The system's reason as the portable error it stands for (so the messages read as on Linux),
// else as the Windows error code.
std::error_code FromWindowsError(DWORD error)
{
    switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return std::make_error_code(std::errc::permission_denied);
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH: return std::make_error_code(std::errc::no_such_file_or_directory);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return std::make_error_code(std::errc::no_space_on_device);
    case ERROR_WRITE_PROTECT: return std::make_error_code(std::errc::read_only_file_system);
    case ERROR_FILENAME_EXCED_RANGE: return std::make_error_code(std::errc::filename_too_long);
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return std::make_error_code(std::errc::file_exists);
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME: return std::make_error_code(std::errc::invalid_argument);
    default: return {static_cast<int>(error), std::system_category()};
    }
}

std::error_code LastError()
{
    return FromWindowsError(::GetLastError());
}

// Closes a handle when it goes out of scope.
class Handle {
public:
    explicit Handle(HANDLE handle = INVALID_HANDLE_VALUE) : m_handle(handle) {}
    Handle(Handle&& other) noexcept : m_handle(other.Release()) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    Handle& operator=(Handle&&) = delete;
    HANDLE Get() const { return m_handle; }
    bool Valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE Release() { return std::exchange(m_handle, INVALID_HANDLE_VALUE); }
    bool Close()
    {
        if (!Valid())
            return true;
        return ::CloseHandle(Release()) != 0;
    }

private:
    HANDLE m_handle;
};

// The regular file at the target, if there is one, with its attributes.
struct Existing {
    bool exists = false;
    DWORD attributes = 0;
};

// Opens `path` for reading. Folders open too (FILE_FLAG_BACKUP_SEMANTICS), so that they can be
// told apart from files.
Handle OpenForReading(const fs::path& path)
{
    return Handle(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

// A regular file on a disk: no folder, device (NUL, CON, COM1), pipe or console.
bool IsRegularDiskFile(HANDLE handle, std::error_code& reason)
{
    if (::GetFileType(handle) != FILE_TYPE_DISK) {
        reason = NotRegularFileError();
        return false;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(handle, &info)) {
        reason = LastError();
        return false;
    }
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        reason = std::make_error_code(std::errc::is_a_directory);
        return false;
    }
    return true;
}

// What is at `target` now; false with the reason when it is there but may not be overwritten:
// not a regular file, or carrying the read-only attribute.
bool ExistingTarget(const fs::path& target, Existing& existing, std::error_code& reason)
{
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return true;  // nothing there (or nothing we can see): a new file is made
    // A link still at the name counts as no file: the new file takes the link's place.
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return true;
    const Handle handle = OpenForReading(target);
    if (!handle.Valid()) {
        reason = LastError();
        return false;
    }
    if (!IsRegularDiskFile(handle.Get(), reason))
        return false;
    if (attributes & FILE_ATTRIBUTE_READONLY) {
        reason = std::make_error_code(std::errc::permission_denied);
        return false;
    }
    existing = {true, attributes};
    return true;
}

// Whether a test planted a failure for `step`; GetLastError then tells it, as the step's own
// would.
bool FailsAsPlanted(FileStep step)
{
    const std::optional<std::errc> planted = PlantedFault(step);
    if (!planted)
        return false;
    switch (*planted) {
    case std::errc::no_space_on_device: ::SetLastError(ERROR_DISK_FULL); break;
    case std::errc::permission_denied: ::SetLastError(ERROR_ACCESS_DENIED); break;
    case std::errc::read_only_file_system: ::SetLastError(ERROR_WRITE_PROTECT); break;
    default: ::SetLastError(ERROR_GEN_FAILURE); break;
    }
    return true;
}

bool Flush(HANDLE handle)
{
    return !FailsAsPlanted(FileStep::Flush) && ::FlushFileBuffers(handle);
}

bool WriteAll(HANDLE handle, std::span<const std::uint8_t> bytes)
{
    if (FailsAsPlanted(FileStep::Write))
        return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(handle, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

// Creates a new file in `folder` under a temporary name that no other file has.
Handle CreateTemporary(const fs::path& folder, fs::path& created)
{
    TemporaryNames names;
    for (int attempt = 0; attempt < TemporaryNames::ATTEMPTS; ++attempt) {
        const fs::path candidate = names.Next(folder);
        // CREATE_NEW: fail when the name exists, so no other file is ever overwritten.
        HANDLE handle = ::CreateFileW(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            created = candidate;
            return Handle(handle);
        }
        if (::GetLastError() != ERROR_FILE_EXISTS)
            return Handle();
    }
    ::SetLastError(ERROR_FILE_EXISTS);
    return Handle();
}

// Puts the finished file `temporary` in the place of `target`. ReplaceFileW keeps the old
// file's attributes, owner and security; where it is not available (another file system, a
// target that vanished meanwhile) the new file is moved over it, write-through.
bool PutInPlace(const fs::path& temporary, const fs::path& target, const Existing& old)
{
    if (FailsAsPlanted(FileStep::Rename))
        return false;
    if (old.exists) {
        // The attributes the user gave the old file (hidden, archive) stay with the new one, also
        // where ReplaceFileW does not carry them over.
        ::SetFileAttributesW(temporary.c_str(), old.attributes & ~FILE_ATTRIBUTE_READONLY);
        if (::ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                           nullptr))
            return true;
    }
    return ::MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool WriteBesideAndReplace(Handle& handle, const fs::path& temporary, const fs::path& target, const Existing& old,
                           std::span<const std::uint8_t> bytes, std::error_code& reason)
{
    bool ok = WriteAll(handle.Get(), bytes) && Flush(handle.Get());
    if (!ok)
        reason = LastError();
    if (!handle.Close() && ok) {
        reason = LastError();
        ok = false;
    }
    if (ok && !PutInPlace(temporary, target, old)) {
        reason = LastError();
        ok = false;
    }
    if (!ok)
        ::DeleteFileW(temporary.c_str());
    return ok;
}

// Writing over the file itself, for a folder that refuses new files. Room for the new bytes is
// reserved before any old byte is overwritten, so a full disk leaves the old content.
bool WriteInPlace(const fs::path& target, std::span<const std::uint8_t> bytes, std::error_code& reason)
{
    Handle handle(::CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH | FILE_FLAG_OPEN_REPARSE_POINT,
                                nullptr));
    if (!handle.Valid()) {
        reason = LastError();
        return false;
    }
    LARGE_INTEGER oldSize{};
    LARGE_INTEGER newSize{};
    newSize.QuadPart = static_cast<LONGLONG>(bytes.size());
    const LARGE_INTEGER start{};
    if (!::GetFileSizeEx(handle.Get(), &oldSize)) {
        reason = LastError();
        return false;
    }
    if (newSize.QuadPart > oldSize.QuadPart &&
        !(::SetFilePointerEx(handle.Get(), newSize, nullptr, FILE_BEGIN) && ::SetEndOfFile(handle.Get()))) {
        reason = LastError();
        // A partly made reservation is given back; the old bytes were not touched.
        ::SetFilePointerEx(handle.Get(), oldSize, nullptr, FILE_BEGIN) && ::SetEndOfFile(handle.Get());
        return false;
    }
    const bool ok = ::SetFilePointerEx(handle.Get(), start, nullptr, FILE_BEGIN) && WriteAll(handle.Get(), bytes) &&
                    ::SetFilePointerEx(handle.Get(), newSize, nullptr, FILE_BEGIN) && ::SetEndOfFile(handle.Get()) &&
                    Flush(handle.Get());
    if (!ok)
        reason = LastError();
    if (!handle.Close() && ok) {
        reason = LastError();
        return false;
    }
    return ok;
}

} // namespace

bool WriteOver(const fs::path& target, std::span<const std::uint8_t> bytes, std::error_code& reason)
{
    Existing old;
    if (!ExistingTarget(target, old, reason))
        return false;

    fs::path temporary;
    Handle handle = CreateTemporary(FolderOf(target), temporary);
    if (handle.Valid())
        return WriteBesideAndReplace(handle, temporary, target, old, bytes, reason);
    const DWORD error = ::GetLastError();
    reason = FromWindowsError(error);
    if (old.exists && error == ERROR_ACCESS_DENIED)
        return WriteInPlace(target, bytes, reason);
    return false;
}

std::FILE* OpenRegularFile(const std::string& path, std::error_code& reason)
{
    reason.clear();
    Handle handle = OpenForReading(PathFromUtf8(path));
    if (!handle.Valid()) {
        reason = LastError();
        return nullptr;
    }
    if (!IsRegularDiskFile(handle.Get(), reason))
        return nullptr;
    const int fd = ::_open_osfhandle(reinterpret_cast<std::intptr_t>(handle.Get()), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        reason = std::make_error_code(std::errc::too_many_files_open);
        return nullptr;
    }
    handle.Release();  // the descriptor owns the handle now
    std::FILE* file = ::_fdopen(fd, "rb");
    if (file == nullptr) {
        reason = std::make_error_code(std::errc::not_enough_memory);
        ::_close(fd);
    }
    return file;
}

void IgnoreFileSizeSignal()
{
    // Windows has no file-size signal: a write past a limit simply fails.
}

bool SizeAndTimeOf(std::FILE* file, FileStamp& stamp, std::error_code& reason)
{
    BY_HANDLE_FILE_INFORMATION info{};
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(file)));
    if (!::GetFileInformationByHandle(handle, &info)) {
        reason = LastError();
        return false;
    }
    stamp.size = (std::uintmax_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
    // FILETIME counts 100-nanosecond steps.
    const std::uint64_t ticks = (std::uint64_t{info.ftLastWriteTime.dwHighDateTime} << 32) |
                                info.ftLastWriteTime.dwLowDateTime;
    stamp.modified = static_cast<std::int64_t>(ticks) * 100;
    stamp.identity = {info.dwVolumeSerialNumber, (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
    return true;
}

std::size_t FileNameLimit(const std::string& folder)
{
    constexpr std::size_t USUAL_LIMIT = 255;
    wchar_t root[MAX_PATH + 1] = {};
    const fs::path path = PathFromUtf8(folder.empty() ? "." : folder);
    DWORD longestComponent = 0;
    if (!::GetVolumePathNameW(path.c_str(), root, MAX_PATH) ||
        !::GetVolumeInformationW(root, nullptr, 0, nullptr, &longestComponent, nullptr, nullptr, 0) ||
        longestComponent == 0)
        return USUAL_LIMIT;
    // The limit counts UTF-16 units; a name cut to as many UTF-8 bytes never has more units.
    return longestComponent;
}

} // namespace vak
