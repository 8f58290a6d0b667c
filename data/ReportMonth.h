// The report month: which calendar month and year the overseer is collecting reports for,
// derived from the clock at start-up and from the group file's month on loading.
#pragma once

#include <cstdint>
#include <ctime>

namespace vak {

// A local calendar date; month is 1..12.
struct CivilDate {
    int year = 2000;
    int month = 1;
    int day = 1;
};

// Today's local date from the system clock.
CivilDate LocalToday();
// The local time now (all zero when the clock cannot be read).
std::tm LocalNow();

struct ReportMonthState {
    std::uint8_t month = 0;       // 0 = January .. 11 = December
    std::uint8_t year = 0;        // calendar year - 2000
    std::uint8_t yearSlot = 0;    // parity of the year
    std::uint16_t monthIndex = 0; // 12 * year + month
    bool newForm = false;         // report months after September 2023
};

// The report month for a month and year - 2000, with slot, index and form.
ReportMonthState MakeReportMonth(int month, int year);

// Start-up: the calendar month before `today`.
ReportMonthState ReportMonthFromClock(CivilDate today);

// The report month of a group file whose month byte is `fileMonth`: the latest year in which
// that month is not after today's calendar month. A December file opened in February belongs
// to last year, a January file opened in January to this year.
ReportMonthState ReportMonthForFile(int fileMonth, CivilDate today);

// Another calendar month as seen from report month `reportMonth` in year slot `reportSlot`: a
// month after the report month lies in the year before, whose slot is the other one.
int YearSlotOfMonth(int month, int reportMonth, int reportSlot);
// The same for the year (calendar year - 2000 of the report month in `reportYear`).
int YearOfMonth(int month, int reportMonth, int reportYear);

} // namespace vak
