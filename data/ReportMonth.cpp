// Report-month arithmetic.
#include "data/ReportMonth.h"

#include "data/GroupFormat.h"

#include <chrono>

namespace vak {

CivilDate LocalToday()
{
    const auto now = std::chrono::system_clock::now();
    const std::chrono::zoned_time local{std::chrono::current_zone(), now};
    const std::chrono::year_month_day ymd{std::chrono::floor<std::chrono::days>(local.get_local_time())};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
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

} // namespace vak
