// The twelve months up to the report month, per publisher and per month.
#include "data/YearOverview.h"

#include "data/GroupData.h"
#include "data/MonthTotals.h"
#include "data/PublisherName.h"
#include "data/ReportedTime.h"
#include "res/StringTable.h"

namespace vak {

namespace {

// The window's months, oldest first: the months after the report month lie in the year before.
std::array<YearColumn, OVERVIEW_MONTHS> WindowColumns(const CGroupData& group)
{
    std::array<YearColumn, OVERVIEW_MONTHS> columns{};
    for (int i = 0; i < OVERVIEW_MONTHS; ++i) {
        YearColumn& column = columns[static_cast<std::size_t>(i)];
        column.month = (group.m_nMonth + 1 + i) % MONTHS;
        column.year = 2000 + YearOfMonth(column.month, group.m_nMonth, group.m_nYear);
        column.slot = YearSlotOfMonth(column.month, group.m_nMonth, group.m_nYearSlot);
        column.showsYear = i == 0 || column.month == 0;
    }
    return columns;
}

YearCell ReadCell(const CGroupData& group, int p, int m, int s)
{
    YearCell cell;
    cell.reported = group.HasReport(p, m, s);
    cell.missing = group.IsReportMissing(p, m, s);
    cell.serviceTime = group.HasServiceTime(p, m, s);
    cell.participated = (group.GetField4Word(p, m, s) & PARTICIPATION_BIT) != 0;
    cell.hoursQuarters = ReportedQuarters(group, p, m, s);
    cell.studies = group.GetMonthValue(p, m, s, FIELD_STUDIES);
    cell.status = group.GetPioneerStatus(p, m, s);
    return cell;
}

// The publisher's cells and the figures drawn from them: the last six months, and the service
// year, which is the window's last `serviceYearMonths` columns.
YearRow ReadRow(const CGroupData& group, int p, const YearOverview& overview)
{
    YearRow row;
    row.publisher = p;
    row.name = FormatPublisherName(group.GetFirstName(p), group.GetSurname(p), NameForm::List, "");
    for (int i = 0; i < OVERVIEW_MONTHS; ++i) {
        const YearColumn& column = overview.columns[static_cast<std::size_t>(i)];
        const YearCell cell = ReadCell(group, p, column.month, column.slot);
        row.cells[static_cast<std::size_t>(i)] = cell;
        if (i >= OVERVIEW_MONTHS - OVERVIEW_RECENT && cell.missing)
            ++row.missingLast6;
        if (i >= OVERVIEW_MONTHS - overview.serviceYearMonths) {
            row.serviceYearQuarters += cell.hoursQuarters;
            row.serviceYearReported += cell.reported ? 1 : 0;
        }
    }
    return row;
}

} // namespace

YearOverview ComputeYearOverview(const CGroupData& group)
{
    YearOverview overview;
    overview.month = group.m_nMonth;
    overview.year = 2000 + group.m_nYear;
    overview.group = group.m_nGroup;
    // September up to the report month: from January to August that September is last year's.
    overview.serviceYearMonths = (group.m_nMonth - SERVICE_YEAR_START + MONTHS) % MONTHS + 1;
    overview.columns = WindowColumns(group);
    for (int p = 1; p <= group.m_nPublishers; ++p) {
        YearRow row = ReadRow(group, p, overview);
        for (std::size_t i = 0; i < row.cells.size(); ++i)
            overview.columns[i].reported += row.cells[i].reported ? 1 : 0;
        overview.publishers.push_back(std::move(row));
    }
    return overview;
}

std::string YearCellText(const YearCell& cell)
{
    if (cell.serviceTime)
        return std::to_string(WholeHours(cell.hoursQuarters));
    if (cell.participated)
        return ResString(IDS_YES);
    return {};
}

std::string YearOverviewHeading(const YearOverview& overview)
{
    return FormatText(ResString(IDS_YEAR_TITLE), MonthName(overview.month) + " " + std::to_string(overview.year),
                      ResString(IDS_GROUP) + " " + std::to_string(overview.group));
}

std::vector<std::vector<std::string>> YearOverviewTable(const YearOverview& overview)
{
    std::vector<std::vector<std::string>> table;
    std::vector<std::string> headings{""};
    std::vector<std::string> counts{ResString(IDS_YEAR_REPORTED_ROW)};
    for (const YearColumn& column : overview.columns) {
        headings.push_back(ResString(IDS_MONTH_SHORT_FIRST + column.month) +
                           (column.showsYear ? " " + std::to_string(column.year) : ""));
        counts.push_back(std::to_string(column.reported));
    }
    headings.push_back(ResString(IDS_YEAR_MISSING_LAST_6));
    headings.push_back(ResString(IDS_YEAR_SERVICE_YEAR));
    table.push_back(std::move(headings));
    for (const YearRow& row : overview.publishers) {
        std::vector<std::string> line{ShownOnOneLine(row.name)};
        for (const YearCell& cell : row.cells)
            line.push_back(cell.missing ? MISSING_MARK : YearCellText(cell));
        line.push_back(std::to_string(row.missingLast6));
        line.push_back(HoursText(row.serviceYearQuarters));
        table.push_back(std::move(line));
    }
    table.push_back(std::move(counts));
    return table;
}

} // namespace vak
