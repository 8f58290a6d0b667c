// The user's own folders for settings and for data the program keeps, as UTF-8 paths.
#pragma once

#include <string>

namespace vak {

// Settings: $XDG_CONFIG_HOME (~/.config when unset or relative) on Linux, %APPDATA% on Windows.
std::string UserConfigFolder();

// Kept data: $XDG_DATA_HOME (~/.local/share when unset or relative) on Linux, %LOCALAPPDATA%
// on Windows.
std::string UserDataFolder();

} // namespace vak
