// The group's year at a glance: every publisher's last twelve months up to the report month,
// who has stopped reporting, and how each publisher's service year stands. Read from the same
// predicates as the list, the sheet and the month's totals, so that all of them agree.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace vak {

class CGroupData;

inline constexpr int OVERVIEW_MONTHS = 12;    // the window: the report month and the eleven before
inline constexpr int OVERVIEW_RECENT = 6;     // the last months `missingLast6` looks at
inline constexpr int SERVICE_YEAR_START = 8;  // a service year begins in September

// One month of the window, the report month last.
struct YearColumn {
    int month = 0;           // 0 = January .. 11 = December
    int year = 0;            // calendar year
    int slot = 0;            // the year slot its values are read from
    bool showsYear = false;  // the first column and every January: the heading names the year
    int reported = 0;        // publishers who reported in it (hours, quarter hours or participation)
};

// One publisher's month.
struct YearCell {
    bool reported = false;      // hours, quarter hours or participation
    bool missing = false;       // no report and no note (a note alone is a zero report)
    bool serviceTime = false;   // hours or quarter hours were reported
    bool participated = false;  // the tick "Účast na službě" (in the old form "<1 h")
    long hoursQuarters = 0;     // reported time in quarter hours, quarter code 4 a whole hour
    int studies = 0;
    int status = 0;             // pioneer status of the month, 0 publisher .. 3 special
};

struct YearRow {
    int publisher = 0;                              // record number 1..N
    std::string name;                               // list form, "Novák, Jiří"
    std::array<YearCell, OVERVIEW_MONTHS> cells{};  // as the columns, oldest first
    int missingLast6 = 0;                           // missing months among the last six of the window
    long serviceYearQuarters = 0;                   // time reported in the service year, in quarter hours
    int serviceYearReported = 0;                    // months of the service year with a report
};

struct YearOverview {
    int month = 0;   // report month 0..11
    int year = 0;    // its calendar year
    int group = 0;
    int serviceYearMonths = 0;  // the last columns that belong to the service year, 1..12
    std::array<YearColumn, OVERVIEW_MONTHS> columns{};  // oldest first
    std::vector<YearRow> publishers;                    // in publisher order
};

// The overview of the loaded group at its report month and year.
YearOverview ComputeYearOverview(const CGroupData& group);

// What a cell shows: the whole hours when time was reported ("0" for quarters only), "Ano" for
// participation without time, and nothing otherwise (a missing month, a note without a report).
std::string YearCellText(const YearCell& cell);

// "Listopad 2026 - Skupina 7 - přehled roku".
std::string YearOverviewHeading(const YearOverview& overview);

// What a missing month shows where it is written as text (copied, printed).
inline constexpr const char* MISSING_MARK = "-";

// The overview as the dialog shows it and copies and prints it, row by row: the headings (an
// empty corner, each month's short name with its year where the year changes, "Led 2026", and
// the two figures' headings), a row a publisher (the name on one line, the month cells with
// MISSING_MARK for a missing month, the missing months among the last six, the service year's
// hours), and the months' counts of reports.
std::vector<std::vector<std::string>> YearOverviewTable(const YearOverview& overview);

} // namespace vak
