// The program's settings file: an INI file beside the executable (or in the user's
// configuration folder when that one cannot be written), read and written line by line.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace vak {

inline constexpr const char* SETTINGS_SECTION = "Last";
inline constexpr const char* KEY_LOAD_PATH = "LoadPath";
inline constexpr const char* KEY_POST = "Post";

// The executable's path with its extension, if it has one, replaced by ".ini":
// /opt/vak/Vak -> /opt/vak/Vak.ini, D:\Prog\VAK.EXE -> D:\Prog\VAK.ini.
std::string SettingsPathBesideExecutable(const std::string& executablePath);

// <name>/<name>.ini in the user's configuration folder (~/.config/Vak/Vak.ini, %APPDATA%\Vak\Vak.ini).
std::string UserSettingsPath(const std::string& name);

// Whether `path` can be written: an existing file opened for appending, or a new file created
// (and removed again) in its folder.
bool CanWriteFile(const std::string& path);

class CSettingsFile {
public:
    explicit CSettingsFile(std::string path) : m_path(std::move(path)) {}

    // The file beside the executable, or the per-user file named after the program when the
    // one beside the executable cannot be written (a system-wide installation).
    static CSettingsFile ForExecutable(const std::string& executablePath, const std::string& name);

    const std::string& Path() const { return m_path; }

    // The value of `key` in `section` (names compared without regard to letter case), with
    // white space around it removed; `fallback` when the file, section or key is missing.
    std::string GetProfileString(const std::string& section, const std::string& key,
                                 const std::string& fallback = {}) const;

    // Sets the keys of `section`, keeping every other line of the file. An empty value is
    // written as "Key=". Returns false when the file could not be written.
    bool WriteProfileStrings(const std::string& section,
                             const std::vector<std::pair<std::string, std::string>>& values) const;

private:
    std::string m_path;
};

} // namespace vak
