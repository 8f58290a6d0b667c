// `vak-cli sheet` of a 127-publisher group to PDF and `vak-cli summary` of it as whole processes,
// beside `vak-cli dump` of the same file as the floor (the same start, load and output without
// drawing or counting). Prints the median wall times, whether the sheet keeps its budget of
// 100 ms and the summary's ratio to the dump (budget 1.5).
//
//   bench_sheet [RUNS]        (default 15 runs of each)
#include "fixtures/GroupBuilder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int PUBLISHERS = 127;
constexpr double BUDGET_MS = 100.0;

// Runs vak-cli with `args`, its output to /dev/null; returns the wall time in ms, or -1.
double TimeCli(const std::vector<std::string>& args)
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

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A full group: every publisher with a number (every third with two), reports, and notes.
vak::fixtures::GroupBuilder FullGroup()
{
    vak::fixtures::GroupBuilder group;
    group.Group(4).Month(2);
    for (int p = 1; p <= PUBLISHERS; ++p) {
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

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 15;
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("vak-bench-sheet-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string groupFile = (dir / "Skupina127.t09").string();
    const std::string pdfFile = (dir / "Skupina127.pdf").string();
    if (!FullGroup().WriteTo(groupFile)) {
        std::fprintf(stderr, "bench_sheet: cannot write %s\n", groupFile.c_str());
        return 1;
    }

    std::vector<double> dumpTimes;
    std::vector<double> sheetTimes;
    std::vector<double> summaryTimes;
    for (int run = 0; run < runs; ++run) {
        const double dump = TimeCli({"dump", groupFile});
        const double sheet = TimeCli({"sheet", groupFile, "--pdf", pdfFile, "--date", "2026-04-10"});
        const double summary = TimeCli({"summary", groupFile, "--json", "--date", "2026-04-10"});
        if (dump < 0 || sheet < 0 || summary < 0) {
            std::fprintf(stderr, "bench_sheet: vak-cli failed\n");
            return 1;
        }
        dumpTimes.push_back(dump);
        sheetTimes.push_back(sheet);
        summaryTimes.push_back(summary);
    }
    const double dumpMedian = Median(dumpTimes);
    const double sheetMedian = Median(sheetTimes);
    const double summaryMedian = Median(summaryTimes);
    std::printf("%d runs each, %d publishers, PDF of %ju bytes\n", runs, PUBLISHERS,
                static_cast<std::uintmax_t>(std::filesystem::file_size(pdfFile)));
    std::printf("vak-cli dump (floor): median %.1f ms\n", dumpMedian);
    std::printf("vak-cli sheet to PDF: median %.1f ms (budget %.0f ms: %s), %.1f ms above the floor\n", sheetMedian,
                BUDGET_MS, sheetMedian < BUDGET_MS ? "kept" : "EXCEEDED", sheetMedian - dumpMedian);
    std::printf("vak-cli summary --json: median %.1f ms, ratio to dump %.2f (budget 1.5)\n", summaryMedian,
                summaryMedian / dumpMedian);
    std::filesystem::remove_all(dir);
    return 0;
}
