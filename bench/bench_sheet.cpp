// `vak-cli sheet` of a 127-publisher group to PDF and `vak-cli summary` of it as whole processes,
// beside `vak-cli dump` of the same file as the floor (the same start, load and output without
// drawing or counting). Prints the median wall times, whether the sheet keeps its budget of
// 100 ms and the summary's ratio to the dump (budget 1.5).
//
//   bench_sheet [RUNS]        (default 15 runs of each)
#include "CliTiming.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int PUBLISHERS = vak::bench::FULL_GROUP_PUBLISHERS;
constexpr double BUDGET_MS = 100.0;

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 15;
    const vak::bench::ScratchFolder dir("vak-bench-sheet");
    const std::string groupFile = dir.File("Skupina127.t09");
    const std::string pdfFile = dir.File("Skupina127.pdf");
    if (!vak::bench::FullGroup().WriteTo(groupFile)) {
        std::fprintf(stderr, "bench_sheet: cannot write %s\n", groupFile.c_str());
        return 1;
    }

    const std::vector<double> medians = vak::bench::MedianTimes(
        {{"dump", groupFile},
         {"sheet", groupFile, "--pdf", pdfFile, "--date", "2026-04-10"},
         {"summary", groupFile, "--json", "--date", "2026-04-10"}},
        runs);
    if (medians.empty()) {
        std::fprintf(stderr, "bench_sheet: vak-cli failed\n");
        return 1;
    }
    const double dumpMedian = medians[0];
    const double sheetMedian = medians[1];
    const double summaryMedian = medians[2];
    std::printf("%d runs each, %d publishers, PDF of %ju bytes\n", runs, PUBLISHERS,
                static_cast<std::uintmax_t>(std::filesystem::file_size(pdfFile)));
    std::printf("vak-cli dump (floor): median %.1f ms\n", dumpMedian);
    std::printf("vak-cli sheet to PDF: median %.1f ms (budget %.0f ms: %s), %.1f ms above the floor\n", sheetMedian,
                BUDGET_MS, sheetMedian < BUDGET_MS ? "kept" : "EXCEEDED", sheetMedian - dumpMedian);
    std::printf("vak-cli summary --json: median %.1f ms, ratio to dump %.2f (budget 1.5)\n", summaryMedian,
                summaryMedian / dumpMedian);
    return 0;
}
