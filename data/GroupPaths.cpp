// The names of the group's files.
#include "data/GroupPaths.h"

#include <algorithm>
#include <cctype>

namespace vak {

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

std::string ReportFileName(const std::string& groupPath)
{
    if (!HasGroupExtension(groupPath))
        return {};
    return groupPath.substr(0, groupPath.size() - 4) + REPORT_EXTENSION;
}

} // namespace vak
