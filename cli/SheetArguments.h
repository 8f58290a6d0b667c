// The arguments of `vak-cli sheet FILE --pdf OUT [--month M] [--date YYYY-MM-DD]`, and of the
// commands that pick the report month the same way: `missing`, `summary` and `year FILE
// [--month M] [--date YYYY-MM-DD] [--json]`.
#pragma once

#include "data/ReportMonth.h"

#include <optional>
#include <string>
#include <vector>

namespace vak {

struct SheetOptions {
    std::string groupFile;
    std::string pdfFile;
    std::optional<int> month;  // report month 0..11 instead of the file's
    CivilDate today;           // the day the report year is chosen for
    bool json = false;         // missing, summary, year: JSON instead of text
};

// Reads the arguments that follow "sheet"; `today` is the date unless --date gives one.
// Returns the problem, or "" when they are usable.
std::string ParseSheetArguments(const std::vector<std::string>& args, CivilDate today, SheetOptions& options);

// Reads the arguments that follow "missing", "summary" or "year" (`command`, which the problems
// name).
std::string ParseMonthArguments(const std::string& command, const std::vector<std::string>& args, CivilDate today,
                                SheetOptions& options);

} // namespace vak
