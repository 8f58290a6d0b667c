// Counting a month's reported time.
#include "data/ReportedTime.h"

#include "data/GroupData.h"

namespace vak {

int QuarterCode(std::uint16_t field4Word)
{
    return field4Word >> QUARTERS_SHIFT;
}

long ReportedQuarters(std::uint16_t hours, int quarterCode)
{
    const int quarters = quarterCode <= QUARTER_WHOLE_HOUR ? quarterCode : 0;
    return long{hours} * QUARTERS_PER_HOUR + quarters;
}

long ReportedQuarters(const CGroupData& group, int p, int m, int s)
{
    return ReportedQuarters(group.GetMonthValue(p, m, s, FIELD_HOURS), QuarterCode(group.GetField4Word(p, m, s)));
}

} // namespace vak
