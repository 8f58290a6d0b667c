// The user's folders as Windows names them in the environment (read as wide characters, so a
// user name with Czech letters stays intact).
#include "data/UserFolders.h"

#include "data/FilePath.h"

#include <cstdlib>

namespace vak {

namespace {

std::string WindowsUserFolder(const wchar_t* variable)
{
    const wchar_t* value = ::_wgetenv(variable);
    if (value != nullptr && *value != L'\0')
        return Utf8FromPath(std::filesystem::path(value));
    // Without the variable (it is always set in a Windows session): the current folder.
    return ".";
}

} // namespace

std::string UserConfigFolder()
{
    return WindowsUserFolder(L"APPDATA");
}

std::string UserDataFolder()
{
    return WindowsUserFolder(L"LOCALAPPDATA");
}

} // namespace vak
