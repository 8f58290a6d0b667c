// What `vak-cli missing` and `vak-cli summary` print for a loaded group at its report month:
// the lines the program's dialogs show, or JSON for scripts.
#pragma once

#include <string>

namespace vak {

class CGroupData;

// The publishers whose report is missing, in publisher order: one line each, or a JSON array
// of {"publisher", "name", "email" (null when there is no reminder address), "phones"}.
std::string MissingOutput(const CGroupData& group, bool json);

// The month's totals: the heading and the figure lines, or one JSON object with "month"
// (1..12), "year", "form", the counts, "by_status" and "late".
std::string SummaryOutput(const CGroupData& group, bool json);

} // namespace vak
