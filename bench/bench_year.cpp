// `vak-cli year` of a 127-publisher group with reports in every month of both years, as a whole
// process beside `vak-cli dump` of the same file as the floor (the same start, load and output
// without the overview). Prints the median wall times of the text table and of the JSON and
// their ratios to the dump (budget 1.5).
//
//   bench_year [RUNS]        (default 15 runs of each)
#include "CliTiming.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using vak::bench::Median;
using vak::bench::TimeCli;

constexpr double BUDGET_RATIO = 1.5;

// The full group with a report in every month of both year slots: pioneers (every tenth) with
// hours, the others taking part, every seventh publisher silent in some months.
vak::fixtures::GroupBuilder FullYearGroup()
{
    vak::fixtures::GroupBuilder group = vak::bench::FullGroup();
    for (int p = 1; p <= vak::bench::FULL_GROUP_PUBLISHERS; ++p) {
        for (int m = 0; m < 12; ++m) {
            for (int s = 0; s < 2; ++s) {
                if (m == 2 && s == 0)
                    continue;  // the report month as FullGroup has it
                if (p % 7 == 0 && (m + s) % 3 == 0)
                    continue;
                const bool pioneer = p % 10 == 0;
                group.Publisher(p).Status(m, s, pioneer ? 2 : 0).Report(
                    m, s, {.hours = pioneer ? 50 + m : 0, .studies = p % 3, .quarters = pioneer ? m % 5 : 0,
                           .participation = true});
            }
        }
    }
    return group;
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 15;
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("vak-bench-year-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string groupFile = (dir / "Skupina127.t09").string();
    if (!FullYearGroup().WriteTo(groupFile)) {
        std::fprintf(stderr, "bench_year: cannot write %s\n", groupFile.c_str());
        return 1;
    }

    std::vector<double> dumpTimes;
    std::vector<double> tableTimes;
    std::vector<double> jsonTimes;
    for (int run = 0; run < runs; ++run) {
        const double dump = TimeCli({"dump", groupFile});
        const double table = TimeCli({"year", groupFile, "--date", "2026-04-10"});
        const double json = TimeCli({"year", groupFile, "--json", "--date", "2026-04-10"});
        if (dump < 0 || table < 0 || json < 0) {
            std::fprintf(stderr, "bench_year: vak-cli failed\n");
            return 1;
        }
        dumpTimes.push_back(dump);
        tableTimes.push_back(table);
        jsonTimes.push_back(json);
    }
    const double dumpMedian = Median(dumpTimes);
    std::printf("%d runs each, %d publishers\n", runs, vak::bench::FULL_GROUP_PUBLISHERS);
    std::printf("vak-cli dump (floor): median %.1f ms\n", dumpMedian);
    for (const auto& [name, times] : {std::pair{"year", &tableTimes}, std::pair{"year --json", &jsonTimes}}) {
        const double median = Median(*times);
        std::printf("vak-cli %s: median %.1f ms, ratio to dump %.2f (budget %.1f: %s)\n", name, median,
                    median / dumpMedian, BUDGET_RATIO, median / dumpMedian <= BUDGET_RATIO ? "kept" : "EXCEEDED");
    }
    std::filesystem::remove_all(dir);
    return 0;
}
