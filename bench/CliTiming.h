// Timing vak-cli as whole processes on a full 127-publisher group, for the benchmarks that set
// a command beside `vak-cli dump` of the same file (the same start, load and output).
#pragma once

#include "fixtures/GroupBuilder.h"

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace vak::bench {

inline constexpr int FULL_GROUP_PUBLISHERS = 127;

// Runs vak-cli with `args`, its output to /dev/null; returns the wall time in ms, or -1.
inline double TimeCli(const std::vector<std::string>& args)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv{const_cast<char*>(VAK_CLI_PATH)};
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, VAK_CLI_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    ::waitpid(pid, &status, 0);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return std::chrono::duration<double, std::milli>(end - start).count();
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The median wall time of each command over `runs` rounds; the commands take turns within a
// round, so that the machine's drift touches all alike. Empty when a run fails.
inline std::vector<double> MedianTimes(const std::vector<std::vector<std::string>>& commands, int runs)
{
    std::vector<std::vector<double>> times(commands.size());
    for (int run = 0; run < runs; ++run) {
        for (std::size_t i = 0; i < commands.size(); ++i) {
            const double time = TimeCli(commands[i]);
            if (time < 0)
                return {};
            times[i].push_back(time);
        }
    }
    std::vector<double> medians;
    for (const std::vector<double>& each : times)
        medians.push_back(Median(each));
    return medians;
}

// A fresh temporary folder for one benchmark's files, removed with them at its end.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name)
        : m_path(std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(m_path);
    }
    ~ScratchFolder()
    {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

// A full group of report month March: every publisher with a number (every third with two),
// reports, and notes.
inline fixtures::GroupBuilder FullGroup()
{
    fixtures::GroupBuilder group;
    group.Group(4).Month(2);
    for (int p = 1; p <= FULL_GROUP_PUBLISHERS; ++p) {
        const std::string second = p % 3 == 0 ? "485 300 " + std::to_string(100 + p) : "";
        group.AddPublisher({.firstName = "Jméno" + std::to_string(p), .surname = "Příjmení" + std::to_string(p),
                            .phones = {"602 111 " + std::to_string(100 + p), second, ""}});
        group.Publisher(p).Report(2, 0, {.publications = p % 5, .hours = p % 40, .returnVisits = p % 7,
                                         .studies = p % 3, .quarters = p % 4});
        if (p % 2 == 0)
            group.Publisher(p).Note(2, 0, p % 4 == 0 ? "nemocný, volat po patnáctém" : "dovolená");
    }
    return group;
}

} // namespace vak::bench
