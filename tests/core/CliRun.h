// Running vak-cli from the core tests: its exit status, its output and its messages.
#pragma once

#include "TestFiles.h"

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace vak::test {

struct CliRun {
    int status = -1;
    std::string out;
};

// Runs `program` with `args` (already quoted for the shell), stdout captured, stderr to `errFile`,
// after the shell commands of `setup`.
inline CliRun RunProgram(const std::string& program, const std::string& args, const std::string& errFile,
                         const std::string& setup = {})
{
    const std::string command = setup + "'" + program + "' " + args + " 2>'" + errFile + "'";
    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    std::array<char, 4096> buffer{};
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.out.append(buffer.data(), got);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

inline CliRun RunCli(const std::string& args, const std::string& errFile, const std::string& setup = {})
{
    return RunProgram(VAK_CLI_PATH, args, errFile, setup);
}

inline std::string ReadText(const std::string& path)
{
    const auto bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

} // namespace vak::test
