// The report month's figures of the group: how many reported and how many are missing, the
// sums by pioneer status, and the late reports entered for other months. Computed from the
// accessors the list and the sheet read, so that all of them agree.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace vak {

class CGroupData;

// The figures of the publishers of one pioneer status. A figure the form does not use stays 0:
// `participated` in the old form; publications, videos and return visits in the new form.
struct StatusTotals {
    int count = 0;
    int reported = 0;        // not missing: a zero report (a note) counts
    int participated = 0;    // the tick "Účast na službě"
    long publications = 0;
    long videos = 0;
    long hoursQuarters = 0;  // hours in quarter hours
    long returnVisits = 0;
    long studies = 0;
    long credit = 0;         // credit hours of regular pioneers
};

// Publishers with a late mark for an earlier month and a report in that month.
struct LateReports {
    int month = 0;   // 0..11
    int year = 0;    // calendar year
    int reports = 0;
};

struct MonthTotals {
    int month = 0;   // report month 0..11
    int year = 0;    // its calendar year
    int group = 0;
    bool newForm = false;
    int publishers = 0;
    int reported = 0;
    int missing = 0;
    std::array<StatusTotals, 4> byStatus{};  // by the report month's pioneer status 0..3
    std::vector<LateReports> late;           // months with late reports, oldest first
};

MonthTotals ComputeMonthTotals(const CGroupData& group);

// Hours from quarter hours: 51 gives "12.75", 48 gives "12".
std::string HoursText(long quarters);

// "Listopad 2026 - Skupina 7 - souhrn měsíce": the dialog's caption and the printed heading.
std::string MonthTotalsHeading(const MonthTotals& totals);

// The figures as the dialog lists them, copies and prints them, one line a figure group.
std::vector<std::string> MonthTotalsLines(const MonthTotals& totals);

} // namespace vak
