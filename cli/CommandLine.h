// The command's arguments as UTF-8 text, and standard streams that carry bytes unchanged, on
// every system (Windows passes arguments in its ANSI code page and writes "\r\n" for "\n").
#pragma once

#include <string>
#include <vector>

// The arguments after the program's name.
std::vector<std::string> CommandArguments(int argc, char** argv);
