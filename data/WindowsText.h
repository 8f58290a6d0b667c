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

// The text in the ANSI code page; a character the code page lacks becomes its best fit or "?".
// `lossless`, when given, tells whether every character came through.
inline std::string AnsiFromUtf8(const std::string& utf8, bool* lossless = nullptr)
{
    const std::wstring wide = WideFromUtf8(utf8);
    BOOL lost = FALSE;
    std::string ansi;
    if (!wide.empty()) {
        const int size = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                               nullptr, nullptr);
        ansi.resize(static_cast<std::size_t>(size > 0 ? size : 0));
        ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), size, nullptr,
                              &lost);
    }
    if (lossless != nullptr)
        *lossless = !lost;
    return ansi;
}

// A file's path as an ANSI program can open it: the path itself when the code page holds all its
// characters, else its short (8.3) form, which is plain ASCII.
inline std::string AnsiPathOf(const std::string& utf8Path)
{
    bool lossless = false;
    std::string ansi = AnsiFromUtf8(utf8Path, &lossless);
    if (lossless)
        return ansi;
    const std::wstring wide = WideFromUtf8(utf8Path);
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
