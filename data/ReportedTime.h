// A month's reported time: the whole hours of field 2 and the quarter-hours code of the field-4
// word, counted in quarter hours so that sums stay exact. The sheet, the month's totals and the
// year overview all count it here.
#pragma once

#include <cstdint>

namespace vak {

class CGroupData;

inline constexpr int QUARTERS_PER_HOUR = 4;
// Quarter-hours code 4 stands for a whole hour (its suffix text is "1").
inline constexpr int QUARTER_WHOLE_HOUR = 4;

// The quarter-hours code (bits 12-15) of a field-4 word.
int QuarterCode(std::uint16_t field4Word);

// Reported time in quarter hours: codes 1..3 add that many quarters, code 4 a whole hour; the
// codes above add nothing (the sheet shows no suffix for them).
long ReportedQuarters(std::uint16_t hours, int quarterCode);

// The reported time of publisher p in month m of year slot s, in quarter hours.
long ReportedQuarters(const CGroupData& group, int p, int m, int s);

// Whole hours of a time in quarter hours: 51 quarters are 12 hours.
inline long WholeHours(long quarters)
{
    return quarters / QUARTERS_PER_HOUR;
}

} // namespace vak
