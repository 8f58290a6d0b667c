// On Windows the arguments are read as wide characters from the command line (argv holds them
// in the ANSI code page, where "ř" may already be lost), and the standard streams are put in
// binary mode so that JSON and messages are the same bytes as on Linux.
#include "cli/CommandLine.h"

#include "data/FilePath.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>

std::vector<std::string> CommandArguments(int, char**)
{
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide != nullptr && i < count; ++i)
        arguments.push_back(vak::Utf8FromPath(std::filesystem::path(wide[i])));
    ::LocalFree(wide);
    return arguments;
}
