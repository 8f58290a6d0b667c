// `vak-cli sheet` of a 127-publisher group to PDF and `vak-cli summary` of it as whole processes,
// beside `vak-cli dump` of the same file as the floor (the same start, load and output without
// drawing or counting). Prints the median wall times, whether the sheet keeps its budget of
// 100 ms and the summary's ratio to the dump (budget 1.5).
//
//   bench_sheet [RUNS]        (default 15 runs of each)
#include "CliTiming.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using vak::bench::FullGroup;
using vak::bench::Median;
using vak::bench::TimeCli;

constexpr int PUBLISHERS = vak::bench::FULL_GROUP_PUBLISHERS;
constexpr double BUDGET_MS = 100.0;

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
