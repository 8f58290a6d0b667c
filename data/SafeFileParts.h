// What the file layer's platform parts share; not for use outside data/SafeFile*.cpp.
#pragma once

#include "data/SafeFile.h"

#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

namespace vak {

// "Not a regular file": a FIFO, device or socket where a file was expected.
std::error_code NotRegularFileError();

// The file a path finally names, following symbolic links; the path itself when it does not
// exist yet; where a dangling link points.
std::filesystem::path ResolveTarget(const std::filesystem::path& path);

// The folder a file is in ("." for a bare name).
std::filesystem::path FolderOf(const std::filesystem::path& target);

// Names for the new file written beside a target: ".vak" and six random letters or digits,
// short enough beside any file name the system accepts. Each Next is a fresh candidate.
class TemporaryNames {
public:
    static constexpr int ATTEMPTS = 20;  // candidates tried before giving up
    TemporaryNames();
    std::filesystem::path Next(const std::filesystem::path& folder);

private:
    std::mt19937 m_random;
};

// Replaces the file at `target` (a link there is replaced itself) with `bytes`, keeping the old
// file until the new one is complete and on the disk (per platform).
bool WriteOver(const std::filesystem::path& target, std::span<const std::uint8_t> bytes, std::error_code& reason);

// Size and modification time of an open file into `stamp` (per platform).
bool SizeAndTimeOf(std::FILE* file, FileStamp& stamp, std::error_code& reason);

} // namespace vak
