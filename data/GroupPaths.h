// The names of the group's files: which path is a group file, the report file beside it, the
// file the program starts on, where the file dialog opens and the name of a kept copy.
#pragma once

#include <ctime>
#include <string>
#include <vector>

namespace vak {

inline constexpr const char* GROUP_EXTENSION = ".t09";
inline constexpr const char* REPORT_EXTENSION = ".t19";

// Whether the last four characters of `path` are ".t09" in any letter case.
bool HasGroupExtension(const std::string& path);

// The report file beside the group file: the path with its ".t09" extension (any letter case)
// changed to ".t19"; folder names are left as they are. Empty when `groupPath` is no group file.
std::string ReportFileName(const std::string& groupPath);

// The program's arguments (without its own name) joined by spaces into one text.
std::string JoinedCommandLine(const std::vector<std::string>& arguments);

// The group-file path of the start-up: the command line as given when it names an existing
// ".t09" file, else with every double quote removed when it ends in ".t09", otherwise the path
// remembered in the settings.
std::string StartupGroupPath(const std::string& commandLine, const std::string& rememberedPath);

// `path` made absolute against the current folder; an empty path stays empty.
std::string AbsolutePath(const std::string& path);

// The folder the file dialog opens in: the loaded file's folder when the path is longer than 8
// characters, names a readable file and has its last separator past position 1; otherwise
// `startDir`.
std::string InitialFolderFor(const std::string& loadedPath, const std::string& startDir);

// The name of the new file that keeps entered reports when their group file cannot take them:
// "Skupina3.t09" on 10 March 2026 at 14:05 gives "Skupina3 (Vak 2026-03-10 14-05).t09"; an
// `attempt` above 1 is added to the time ("... 14-05 2)") for a name that is taken already.
// The stem is shortened (by whole UTF-8 characters) so that the name has at most `maxBytes`.
std::string KeptCopyName(const std::string& fileName, const std::tm& now, int attempt, std::size_t maxBytes);

} // namespace vak
