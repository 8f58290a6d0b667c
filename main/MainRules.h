// The rules the main window applies, as plain functions: which path is a group file, which
// addresses count, where the file dialog opens.
#pragma once

#include "data/PublisherName.h"

#include <array>
#include <cstdint>
#include <string>

namespace vak {

inline constexpr const char* GROUP_EXTENSION = ".t09";

// Whether the last four characters of `path` are ".t09" in any letter case.
bool HasGroupExtension(const std::string& path);

// The group-file path of the start-up: the command line with every double quote removed when
// it ends in ".t09", otherwise the path remembered in the settings.
std::string StartupGroupPath(const std::string& commandLine, const std::string& rememberedPath);

// Removes white space from both ends of `address` and tells whether it looks like an address:
// an "@" that is not the first character, with a "." somewhere after it.
bool TrimAndCheckEmail(std::string& address);

// The folder the file dialog opens in: the loaded file's folder when the path is longer than 8
// characters, names a readable file and has its last separator past position 1; otherwise
// `startDir`.
std::string InitialFolderFor(const std::string& loadedPath, const std::string& startDir);

} // namespace vak
