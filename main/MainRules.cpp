// The main window's rules on paths, telephone numbers and addresses.
#include "main/MainRules.h"

#include <algorithm>
#include <cctype>
#include <fstream>

namespace vak {

namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::size_t LastSeparator(const std::string& path)
{
#ifdef _WIN32
    return path.find_last_of("\\/");
#else
    return path.find_last_of('/');
#endif
}

} // namespace

bool HasGroupExtension(const std::string& path)
{
    const std::string extension = GROUP_EXTENSION;
    if (path.size() < extension.size())
        return false;
    return std::equal(extension.begin(), extension.end(), path.end() - static_cast<std::ptrdiff_t>(extension.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

std::string StartupGroupPath(const std::string& commandLine, const std::string& rememberedPath)
{
    std::string path = commandLine;
    path.erase(std::remove(path.begin(), path.end(), '"'), path.end());
    return HasGroupExtension(path) ? path : rememberedPath;
}

bool TrimAndCheckEmail(std::string& address)
{
    const auto first = std::find_if_not(address.begin(), address.end(), IsSpace);
    const auto last = std::find_if_not(address.rbegin(), address.rend(), IsSpace).base();
    address = first < last ? std::string(first, last) : std::string();

    const std::size_t at = address.find('@');
    if (at == std::string::npos || at == 0)
        return false;
    return address.find('.', at + 1) != std::string::npos;
}

std::string InitialFolderFor(const std::string& loadedPath, const std::string& startDir)
{
    if (loadedPath.size() <= 8 || !std::ifstream(loadedPath, std::ios::binary).is_open())
        return startDir;
    const std::size_t separator = LastSeparator(loadedPath);
    if (separator == std::string::npos || separator <= 1)
        return startDir;
    return loadedPath.substr(0, separator);
}

} // namespace vak

