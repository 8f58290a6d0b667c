// The user's folders as the XDG base-directory rules name them.
#include "data/UserFolders.h"

#include "data/FilePath.h"

#include <cstdlib>

namespace vak {

namespace {

// The folder named by `variable`, or ~/`fallbackUnderHome` when the variable is unset or relative.
std::string XdgUserFolder(const char* variable, const char* fallbackUnderHome)
{
    const char* xdg = std::getenv(variable);
    if (xdg && *xdg && PathFromUtf8(xdg).is_absolute())
        return xdg;
    const char* home = std::getenv("HOME");
    return Utf8FromPath(PathFromUtf8(home ? home : "") / fallbackUnderHome);
}

} // namespace

std::string UserConfigFolder()
{
    return XdgUserFolder("XDG_CONFIG_HOME", ".config");
}

std::string UserDataFolder()
{
    return XdgUserFolder("XDG_DATA_HOME", ".local/share");
}

} // namespace vak
