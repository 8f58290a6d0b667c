// `vak-cli year` of a 127-publisher group with reports in every month of both years, as a whole
// process beside `vak-cli dump` of the same file as the floor (the same start, load and output
// without the overview). Prints the median wall times of the text table and of the JSON and
// their ratios to the dump (budget 1.5).
//
//   bench_year [RUNS]        (default 15 runs of each)
#include "CliTiming.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

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
    const vak::bench::ScratchFolder dir("vak-bench-year");
    const std::string groupFile = dir.File("Skupina127.t09");
    if (!FullYearGroup().WriteTo(groupFile)) {
        std::fprintf(stderr, "bench_year: cannot write %s\n", groupFile.c_str());
        return 1;
    }

    const std::vector<double> medians = vak::bench::MedianTimes(
        {{"dump", groupFile},
         {"year", groupFile, "--date", "2026-04-10"},
         {"year", groupFile, "--json", "--date", "2026-04-10"}},
        runs);
    if (medians.empty()) {
        std::fprintf(stderr, "bench_year: vak-cli failed\n");
        return 1;
    }
    std::printf("%d runs each, %d publishers\n", runs, vak::bench::FULL_GROUP_PUBLISHERS);
    std::printf("vak-cli dump (floor): median %.1f ms\n", medians[0]);
    const char* const names[] = {"year", "year --json"};
    for (std::size_t i = 0; i < 2; ++i) {
        const double ratio = medians[i + 1] / medians[0];
        std::printf("vak-cli %s: median %.1f ms, ratio to dump %.2f (budget %.1f: %s)\n", names[i], medians[i + 1],
                    ratio, BUDGET_RATIO, ratio <= BUDGET_RATIO ? "kept" : "EXCEEDED");
    }
    return 0;
}
