// Paths are UTF-8 text throughout the program. These turn them into the system's paths and
// back: on Windows a path made from a plain std::string would be read in the ANSI code page,
// and "Skupina Dvořáková.t09" would name another file.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vak {

inline std::filesystem::path PathFromUtf8(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// With "/" between the names on every system, as Qt writes paths (Windows takes both).
inline std::string Utf8FromPath(const std::filesystem::path& path)
{
    const std::u8string utf8 = path.generic_u8string();
    return std::string(utf8.begin(), utf8.end());
}

} // namespace vak
