// The names of the group's files: which path is a group file, and the report file beside it.
#pragma once

#include <string>

namespace vak {

inline constexpr const char* GROUP_EXTENSION = ".t09";
inline constexpr const char* REPORT_EXTENSION = ".t19";

// Whether the last four characters of `path` are ".t09" in any letter case.
bool HasGroupExtension(const std::string& path);

// The report file beside the group file: the path with its ".t09" extension (any letter case)
// changed to ".t19"; folder names are left as they are. Empty when `groupPath` is no group file.
std::string ReportFileName(const std::string& groupPath);

} // namespace vak
