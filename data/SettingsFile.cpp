// Reading and writing the INI settings file with a few lines of our own: values are taken
// verbatim (a name such as "Dvořáková, Marie" stays one value, backslashes stay as typed).
#include "data/SettingsFile.h"

#include "data/FilePath.h"
#include "data/SafeFile.h"
#include "data/UserFolders.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace vak {

namespace fs = std::filesystem;

namespace {

std::string Trim(const std::string& text)
{
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isSpace(text[begin]))
        ++begin;
    while (end > begin && isSpace(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

bool SameName(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

// The file's lines without their line ends; none when it is missing or not a regular file
// (a FIFO in its place must not stop the program).
std::vector<std::string> ReadLines(const std::string& path)
{
    std::vector<std::string> lines;
    std::error_code reason;
    std::FILE* file = OpenRegularFile(path, reason);
    if (file == nullptr)
        return lines;
    std::string text;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, got);
    std::fclose(file);
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The section name of a "[Name]" line, or nothing.
bool SectionOf(const std::string& line, std::string& name)
{
    const std::string trimmed = Trim(line);
    if (trimmed.size() < 2 || trimmed.front() != '[' || trimmed.back() != ']')
        return false;
    name = Trim(trimmed.substr(1, trimmed.size() - 2));
    return true;
}

// Splits a "Key=Value" line; false for lines without "=".
bool KeyValueOf(const std::string& line, std::string& key, std::string& value)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos)
        return false;
    key = Trim(line.substr(0, equals));
    value = Trim(line.substr(equals + 1));
    return true;
}

} // namespace

std::string SettingsPathBesideExecutable(const std::string& executablePath)
{
    // Cut from the text itself, so that the path keeps the separators it was given.
    const std::string extension = Utf8FromPath(PathFromUtf8(executablePath).extension());
    return executablePath.substr(0, executablePath.size() - extension.size()) + ".ini";
}

std::string UserSettingsPath(const std::string& name)
{
    return Utf8FromPath(PathFromUtf8(UserConfigFolder()) / PathFromUtf8(name) / PathFromUtf8(name + ".ini"));
}

bool CanWriteFile(const std::string& path)
{
    std::error_code error;
    const fs::path file = PathFromUtf8(path);
    if (fs::exists(file, error)) {
        if (!fs::is_regular_file(file, error))
            return false;
        std::ofstream probe(file, std::ios::binary | std::ios::app);
        return probe.is_open();
    }
    {
        std::ofstream probe(file, std::ios::binary);
        if (!probe.is_open())
            return false;
    }
    fs::remove(file, error);
    return true;
}

CSettingsFile CSettingsFile::ForExecutable(const std::string& executablePath, const std::string& name)
{
    const std::string beside = SettingsPathBesideExecutable(executablePath);
    if (CanWriteFile(beside))
        return CSettingsFile(beside);
    return CSettingsFile(UserSettingsPath(name));
}

std::string CSettingsFile::GetProfileString(const std::string& section, const std::string& key,
                                            const std::string& fallback) const
{
    bool inSection = false;
    for (const std::string& line : ReadLines(m_path)) {
        std::string name;
        if (SectionOf(line, name)) {
            inSection = SameName(name, section);
            continue;
        }
        std::string lineKey;
        std::string value;
        if (inSection && KeyValueOf(line, lineKey, value) && SameName(lineKey, key))
            return value;
    }
    return fallback;
}

bool CSettingsFile::WriteProfileStrings(const std::string& section,
                                        const std::vector<std::pair<std::string, std::string>>& values) const
{
    std::vector<std::string> lines = ReadLines(m_path);
    std::vector<bool> written(values.size(), false);

    // Replace the keys where they stand, and remember where the section ends.
    bool inSection = false;
    std::size_t sectionEnd = lines.size();
    bool sectionFound = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string name;
        if (SectionOf(lines[i], name)) {
            if (inSection)
                sectionEnd = i;
            inSection = SameName(name, section);
            sectionFound = sectionFound || inSection;
            continue;
        }
        std::string key;
        std::string value;
        if (!inSection || !KeyValueOf(lines[i], key, value))
            continue;
        for (std::size_t v = 0; v < values.size(); ++v) {
            if (!written[v] && SameName(key, values[v].first)) {
                lines[i] = values[v].first + "=" + values[v].second;
                written[v] = true;
            }
        }
    }

    // Missing keys go at the end of their section, a missing section at the end of the file.
    std::vector<std::string> missing;
    for (std::size_t v = 0; v < values.size(); ++v)
        if (!written[v])
            missing.push_back(values[v].first + "=" + values[v].second);
    if (!sectionFound) {
        lines.push_back("[" + section + "]");
        sectionEnd = lines.size();
    } else {
        // Keep blank lines that separate the section from the next one after the new keys.
        while (sectionEnd > 0 && Trim(lines[sectionEnd - 1]).empty())
            --sectionEnd;
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(sectionEnd), missing.begin(), missing.end());

    std::ostringstream text;
    for (const std::string& line : lines)
        text << line << '\n';
    const std::string bytes = text.str();

    std::error_code error;
    const fs::path folder = PathFromUtf8(m_path).parent_path();
    if (!folder.empty())
        fs::create_directories(folder, error);
    return WriteFileSafely(m_path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

} // namespace vak
