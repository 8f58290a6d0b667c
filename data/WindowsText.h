// Texts for the single-byte ("A") functions of Windows services: UTF-8 turned into the system's
// ANSI code page. Included only by the Windows back-ends.
#pragma once

#include "data/FilePath.h"

#include <windows.h>

#include <string>

namespace vak {

inline std::wstring WideFromUtf8(const std::string& utf8)
{
    return PathFromUtf8(utf8).wstring();
}

namespace detail {
inline std::string ToAnsi(const std::string& utf8, DWORD flags, BOOL* lost)
{
    const std::wstring wide = WideFromUtf8(utf8);
    if (wide.empty())
        return {};
    const int length = static_cast<int>(wide.size());
    const int size = ::WideCharToMultiByte(CP_ACP, flags, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    ::WideCharToMultiByte(CP_ACP, flags, wide.data(), length, ansi.data(), size, nullptr, lost);
    return ansi;
}
} // namespace detail

// A text in the ANSI code page, for reading: a character the code page lacks becomes its best
// fit ("ě" may become "e") or "?".
inline std::string AnsiFromUtf8(const std::string& utf8)
{
    return detail::ToAnsi(utf8, 0, nullptr);
}

// A text that must stay exact (a path, an address) in the ANSI code page; false when the code
// page lacks one of its characters.
inline bool ExactAnsiFromUtf8(const std::string& utf8, std::string& ansi)
{
    BOOL lost = FALSE;
    ansi = detail::ToAnsi(utf8, WC_NO_BEST_FIT_CHARS, &lost);
    return !lost;
}

// A file's path as an ANSI program can open it: the path itself when the code page holds all its
// characters, else its short (8.3) form, which is plain ASCII.
inline std::string AnsiPathOf(const std::string& utf8Path)
{
    std::string ansi;
    if (ExactAnsiFromUtf8(utf8Path, ansi))
        return ansi;
    const std::wstring wide = PathFromUtf8(utf8Path).make_preferred().wstring();
    std::wstring shortPath(MAX_PATH, L'\0');
    DWORD length = ::GetShortPathNameW(wide.c_str(), shortPath.data(), static_cast<DWORD>(shortPath.size()));
    if (length > shortPath.size()) {
        shortPath.resize(length);
        length = ::GetShortPathNameW(wide.c_str(), shortPath.data(), length);
    }
    if (length == 0)
        return ansi;
    shortPath.resize(length);
    return AnsiFromUtf8(Utf8FromPath(std::filesystem::path(shortPath)));
}

} // namespace vak
