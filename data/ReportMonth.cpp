// Report-month arithmetic.
#include "data/ReportMonth.h"

#include "data/GroupFormat.h"

#include <ctime>

namespace vak {

std::tm LocalNow()
{
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);  // one thread only: the shared result is copied at once
    return local != nullptr ? *local : std::tm{};
}

CivilDate LocalToday()
{
    const std::tm local = LocalNow();
    if (local.tm_mday == 0)
        return {};
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

ReportMonthState MakeReportMonth(int month, int year)
{
    ReportMonthState state;
    state.month = static_cast<std::uint8_t>(month);
    state.year = static_cast<std::uint8_t>(year);
    state.yearSlot = static_cast<std::uint8_t>(year % 2);
    state.monthIndex = static_cast<std::uint16_t>(12 * year + month);
    state.newForm = state.monthIndex > NEW_FORM_AFTER_INDEX;
    return state;
}

ReportMonthState ReportMonthFromClock(CivilDate today)
{
    const int month = (today.month + 10) % 12;  // the month before, 0-based
    const int year = today.year - 2000 - (month == 11 ? 1 : 0);
    return MakeReportMonth(month, year);
}

ReportMonthState ReportMonthForFile(int fileMonth, CivilDate today)
{
    const int year = today.year - 2000 - (fileMonth > today.month - 1 ? 1 : 0);
    return MakeReportMonth(fileMonth, year);
}

int YearSlotOfMonth(int month, int reportMonth, int reportSlot)
{
    return month > reportMonth ? 1 - reportSlot : reportSlot;
}

int YearOfMonth(int month, int reportMonth, int reportYear)
{
    return month > reportMonth ? reportYear - 1 : reportYear;
}

} // namespace vak
