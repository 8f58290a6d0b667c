// The names of the group's files and where they are looked for.
#include "data/GroupPaths.h"

#include "data/FilePath.h"
#include "data/SafeFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace vak {

namespace {

bool IsReadableFile(const std::string& path)
{
    std::error_code reason;
    std::FILE* file = OpenRegularFile(path, reason);
    if (file != nullptr)
        std::fclose(file);
    return file != nullptr;
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

std::string ReportFileName(const std::string& groupPath)
{
    if (!HasGroupExtension(groupPath))
        return {};
    return groupPath.substr(0, groupPath.size() - 4) + REPORT_EXTENSION;
}

std::string JoinedCommandLine(const std::vector<std::string>& arguments)
{
    std::string line;
    for (const std::string& argument : arguments)
        line += (line.empty() ? "" : " ") + argument;
    return line;
}

std::string StartupGroupPath(const std::string& commandLine, const std::string& rememberedPath)
{
    // A file's own name may hold a double quote (not on Windows): a path that names a file is
    // taken as given.
    std::error_code error;
    if (HasGroupExtension(commandLine) && std::filesystem::exists(PathFromUtf8(commandLine), error))
        return commandLine;
    std::string path = commandLine;
    path.erase(std::remove(path.begin(), path.end(), '"'), path.end());
    return HasGroupExtension(path) ? path : rememberedPath;
}

std::string AbsolutePath(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path absolute =
        path.empty() ? std::filesystem::path() : std::filesystem::absolute(PathFromUtf8(path), error);
    return error ? path : Utf8FromPath(absolute);
}

std::string InitialFolderFor(const std::string& loadedPath, const std::string& startDir)
{
    if (loadedPath.size() <= 8 || !IsReadableFile(loadedPath))
        return startDir;
    const std::size_t separator = LastSeparator(loadedPath);
    if (separator == std::string::npos || separator <= 1)
        return startDir;
    return loadedPath.substr(0, separator);
}

std::string KeptCopyName(const std::string& fileName, const std::tm& now, int attempt, std::size_t maxBytes)
{
    const std::size_t dot = fileName.rfind('.');
    std::string stem = dot == std::string::npos ? fileName : fileName.substr(0, dot);
    const std::string extension = dot == std::string::npos ? std::string() : fileName.substr(dot);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H-%M", &now);
    const std::string number = attempt > 1 ? " " + std::to_string(attempt) : std::string();
    const std::string suffix = " (Vak " + std::string(stamp) + number + ")" + extension;
    if (stem.size() + suffix.size() > maxBytes) {
        std::size_t cut = maxBytes > suffix.size() ? maxBytes - suffix.size() : 0;
        while (cut > 0 && (static_cast<unsigned char>(stem[cut]) & 0xC0) == 0x80)
            --cut;  // never inside a character
        stem.resize(cut);
    }
    return stem + suffix;
}

} // namespace vak
