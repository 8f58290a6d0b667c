// On POSIX systems the arguments are the bytes as given (UTF-8 on a UTF-8 system).
#include "cli/CommandLine.h"

std::vector<std::string> CommandArguments(int argc, char** argv)
{
    return {argv + (argc > 0 ? 1 : 0), argv + argc};
}
