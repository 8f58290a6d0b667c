// Counting and summing the report month of the group.
#include "data/MonthTotals.h"

#include "data/GroupData.h"
#include "data/ReportedTime.h"
#include "res/StringTable.h"

namespace vak {

namespace {

void AddPublisher(StatusTotals& totals, const CGroupData& group, int p, bool newForm)
{
    const int m = group.m_nMonth;
    const int s = group.m_nYearSlot;
    const std::uint16_t field4 = group.GetField4Word(p, m, s);
    ++totals.count;
    if (!group.IsReportMissing(p, m, s))
        ++totals.reported;
    totals.hoursQuarters += ReportedQuarters(group, p, m, s);
    totals.studies += group.GetMonthValue(p, m, s, FIELD_STUDIES);
    if (newForm) {
        totals.participated += (field4 & PARTICIPATION_BIT) != 0 ? 1 : 0;
    } else {
        totals.publications += group.GetMonthValue(p, m, s, FIELD_PUBLICATIONS);
        totals.videos += group.GetMonthValue(p, m, s, FIELD_VIDEOS);
        totals.returnVisits += group.GetMonthValue(p, m, s, FIELD_RETURN_VISITS);
    }
    if (group.GetPioneerStatus(p, m, s) == STATUS_REGULAR)
        totals.credit += group.GetCredit(p, m, s);
}

// Late reports of each other month, oldest first: the months after the report month belong to
// the year before.
std::vector<LateReports> CountLateReports(const CGroupData& group)
{
    std::vector<LateReports> late;
    for (int step = 1; step < MONTHS; ++step) {
        const int m = (group.m_nMonth + step) % MONTHS;
        const int s = YearSlotOfMonth(m, group.m_nMonth, group.m_nYearSlot);
        int reports = 0;
        for (int p = 1; p <= group.m_nPublishers; ++p)
            if (group.HasLateMark(p, m) && !group.IsReportMissing(p, m, s))
                ++reports;
        if (reports != 0)
            late.push_back({m, 2000 + YearOfMonth(m, group.m_nMonth, group.m_nYear), reports});
    }
    return late;
}

std::string Figure(const std::string& label, long value)
{
    return ", " + label + " " + std::to_string(value);
}

std::string StatusLine(const MonthTotals& totals, int status)
{
    const StatusTotals& row = totals.byStatus[static_cast<std::size_t>(status)];
    std::string line = ResString(IDS_STATUS_ROW_FIRST + status) + ": " + std::to_string(row.count) +
                       Figure(ResString(IDS_FIGURE_REPORTED), row.reported);
    const std::string hours = ", " + ResString(IDS_COLUMN_FIRST + FIELD_HOURS) + " " + HoursText(row.hoursQuarters);
    const std::string studies = Figure(ResString(IDS_COLUMN_FIRST + FIELD_STUDIES), row.studies);
    if (totals.newForm) {
        line += Figure(ResString(IDS_FIGURE_PARTICIPATED), row.participated) + studies + hours;
    } else {
        line += Figure(ResString(IDS_COLUMN_FIRST + FIELD_PUBLICATIONS), row.publications) +
                Figure(ResString(IDS_COLUMN_FIRST + FIELD_VIDEOS), row.videos) + hours +
                Figure(ResString(IDS_COLUMN_FIRST + FIELD_RETURN_VISITS), row.returnVisits) + studies;
    }
    if (status == STATUS_REGULAR)
        line += Figure(ResString(IDS_FIGURE_CREDIT), row.credit);
    return line;
}

std::string MonthAndYear(int month, int year)
{
    return MonthName(month) + " " + std::to_string(year);
}

} // namespace

MonthTotals ComputeMonthTotals(const CGroupData& group)
{
    MonthTotals totals;
    totals.month = group.m_nMonth;
    totals.year = 2000 + group.m_nYear;
    totals.group = group.m_nGroup;
    totals.newForm = group.m_bNewForm;
    totals.publishers = group.m_nPublishers;
    for (int p = 1; p <= group.m_nPublishers; ++p) {
        const int status = group.GetPioneerStatus(p, group.m_nMonth, group.m_nYearSlot);
        AddPublisher(totals.byStatus[static_cast<std::size_t>(status)], group, p, totals.newForm);
    }
    for (const StatusTotals& row : totals.byStatus)
        totals.reported += row.reported;
    totals.missing = totals.publishers - totals.reported;
    totals.late = CountLateReports(group);
    return totals;
}

std::string HoursText(long quarters)
{
    static const char* const FRACTIONS[] = {"", ".25", ".5", ".75"};
    return std::to_string(quarters / QUARTERS_PER_HOUR) + FRACTIONS[quarters % QUARTERS_PER_HOUR];
}

std::string MonthTotalsHeading(const MonthTotals& totals)
{
    return FormatText(ResString(IDS_SUMMARY_TITLE), MonthAndYear(totals.month, totals.year),
                      ResString(IDS_GROUP) + " " + std::to_string(totals.group));
}

std::vector<std::string> MonthTotalsLines(const MonthTotals& totals)
{
    // The count lines read as the main window's.
    std::vector<std::string> lines = {
        ResString(IDS_TOTAL_PUBLISHERS) + " = " + std::to_string(totals.publishers),
        ResString(IDS_REPORTED_CAPTION, IDS_MONTH_FIRST + totals.month) + " = " + std::to_string(totals.reported),
        ResString(IDS_MISSING_COUNT, IDS_MONTH_FIRST + totals.month) + " = " + std::to_string(totals.missing),
    };
    for (int status = STATUS_PUBLISHER; status <= STATUS_SPECIAL; ++status)
        lines.push_back(StatusLine(totals, status));
    lines.push_back(ResString(IDS_SPECIAL_EXCLUDED));
    for (const LateReports& late : totals.late)
        lines.push_back(FormatText(ResString(IDS_LATE_REPORTS), MonthAndYear(late.month, late.year)) + " = " +
                        std::to_string(late.reports));
    return lines;
}

} // namespace vak
