// What `vak-cli missing`, `vak-cli summary` and `vak-cli year` print for a loaded group at its report month:
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

// The twelve months up to the report month: a table of every publisher's months (whole hours,
// "Ano", "-" for a missing report) with the missing months among the last six and the service
// year's hours, and the month's count of reports; or one JSON object with "month" (1..12),
// "year", "months", "publishers" (their "cells", "missing_last_6", "service_year") and
// "reported".
std::string YearOutput(const CGroupData& group, bool json);

} // namespace vak
