// The output of vak-cli's month commands, from the same lists and totals as the dialogs.
#include "cli/MonthCommands.h"

#include "cli/JsonWriter.h"
#include "data/MissingReports.h"
#include "data/MonthTotals.h"
#include "data/PublisherName.h"
#include "data/YearOverview.h"
#include "res/StringTable.h"

#include <algorithm>

namespace vak {

namespace {

constexpr const char* STATUS_KEYS[] = {"publisher", "auxiliary", "regular", "special"};

std::string Lines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

void WriteStatus(JsonWriter& json, const StatusTotals& row)
{
    json.Open('{');
    json.Member("count", long{row.count});
    json.Member("reported", long{row.reported});
    json.Member("participated", long{row.participated});
    json.Member("publications", row.publications);
    json.Member("videos", row.videos);
    json.Key("hours");
    json.Number(HoursText(row.hoursQuarters));
    json.Member("return_visits", row.returnVisits);
    json.Member("studies", row.studies);
    json.Member("credit", row.credit);
    json.Close('}');
}

// ---- year ------------------------------------------------------------------------------------

constexpr std::size_t CELL_WIDTH = 6;  // "65536" and a blank
constexpr const char* GAP = "  ";
constexpr const char* MISSING_CELL = "-";

// Characters of a UTF-8 text, as the columns line up by them: every byte but the continuation
// bytes begins one.
std::size_t Characters(std::string_view text)
{
    const auto begins = [](char ch) { return (static_cast<unsigned char>(ch) & 0xC0) != 0x80; };
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), begins));
}

std::string PadLeft(const std::string& text, std::size_t width)
{
    const std::size_t length = Characters(text);
    return std::string(width > length ? width - length : 0, ' ') + text;
}

std::string PadRight(const std::string& text, std::size_t width)
{
    const std::size_t length = Characters(text);
    return text + std::string(width > length ? width - length : 0, ' ');
}

std::string WithoutTrailingBlanks(std::string line)
{
    line.erase(line.find_last_not_of(' ') + 1);
    return line;
}

// The two heading lines: the year over the first column and over every January, then the
// month numbers and the headings of the publisher's figures.
std::vector<std::string> YearHeadings(const YearOverview& overview, std::size_t nameWidth)
{
    std::string years = PadRight("", nameWidth);
    std::string months = years;
    for (const YearColumn& column : overview.columns) {
        years += PadLeft(column.showsYear ? std::to_string(column.year) : "", CELL_WIDTH);
        months += PadLeft(std::to_string(column.month + 1), CELL_WIDTH);
    }
    months += GAP + ResString(IDS_YEAR_MISSING_LAST_6) + GAP + ResString(IDS_YEAR_SERVICE_YEAR);
    return {WithoutTrailingBlanks(years), months};
}

std::string YearRowLine(const YearRow& row, std::size_t nameWidth)
{
    std::string line = PadRight(ShownOnOneLine(row.name), nameWidth);
    for (const YearCell& cell : row.cells)
        line += PadLeft(cell.missing ? MISSING_CELL : YearCellText(cell), CELL_WIDTH);
    line += GAP + PadLeft(std::to_string(row.missingLast6), Characters(ResString(IDS_YEAR_MISSING_LAST_6)));
    line += GAP + PadLeft(HoursText(row.serviceYearQuarters), Characters(ResString(IDS_YEAR_SERVICE_YEAR)));
    return line;
}

std::string YearTable(const YearOverview& overview)
{
    const std::string reportsLabel = ResString(IDS_YEAR_REPORTED_ROW);
    std::size_t nameWidth = Characters(reportsLabel);
    for (const YearRow& row : overview.publishers)
        nameWidth = std::max(nameWidth, Characters(ShownOnOneLine(row.name)));
    std::vector<std::string> lines = YearHeadings(overview, nameWidth);
    for (const YearRow& row : overview.publishers)
        lines.push_back(YearRowLine(row, nameWidth));
    std::string counts = PadRight(reportsLabel, nameWidth);
    for (const YearColumn& column : overview.columns)
        counts += PadLeft(std::to_string(column.reported), CELL_WIDTH);
    lines.push_back(counts);
    return YearOverviewHeading(overview) + "\n" + Lines(lines);
}

void WriteYearCell(JsonWriter& json, const YearCell& cell)
{
    json.Open('{');
    json.Member("reported", cell.reported);
    json.Member("missing", cell.missing);
    json.Key("hours");
    json.Number(HoursText(cell.hoursQuarters));
    json.Member("participated", cell.participated);
    json.Member("studies", long{cell.studies});
    json.Member("status", std::string_view(STATUS_KEYS[static_cast<std::size_t>(cell.status)]));
    json.Close('}');
}

void WriteYearRow(JsonWriter& json, const YearRow& row)
{
    json.Open('{');
    json.Member("publisher", long{row.publisher});
    json.Member("name", std::string_view(row.name));
    json.Key("cells");
    json.Open('[');
    for (const YearCell& cell : row.cells)
        WriteYearCell(json, cell);
    json.Close(']');
    json.Member("missing_last_6", long{row.missingLast6});
    json.Key("service_year");
    json.Open('{');
    json.Key("hours");
    json.Number(HoursText(row.serviceYearQuarters));
    json.Member("reported", long{row.serviceYearReported});
    json.Close('}');
    json.Close('}');
}

std::string YearJson(const YearOverview& overview)
{
    JsonWriter out;
    out.Open('{');
    out.Member("month", long{overview.month + 1});
    out.Member("year", long{overview.year});
    out.Key("months");
    out.Open('[');
    for (const YearColumn& column : overview.columns) {
        out.Open('{');
        out.Member("month", long{column.month + 1});
        out.Member("year", long{column.year});
        out.Close('}');
    }
    out.Close(']');
    out.Key("publishers");
    out.Open('[');
    for (const YearRow& row : overview.publishers)
        WriteYearRow(out, row);
    out.Close(']');
    out.Key("reported");
    out.Open('[');
    for (const YearColumn& column : overview.columns)
        out.Value(long{column.reported});
    out.Close(']');
    out.Close('}');
    return out.Take() + "\n";
}

} // namespace

std::string MissingOutput(const CGroupData& group, bool json)
{
    const std::vector<MissingPublisher> missing = MissingPublishers(group);
    if (!json) {
        std::vector<std::string> lines;
        for (const MissingPublisher& entry : missing)
            lines.push_back(MissingLine(entry));
        return Lines(lines);
    }
    JsonWriter out;
    out.Open('[');
    for (const MissingPublisher& entry : missing) {
        out.Open('{');
        out.Member("publisher", long{entry.publisher});
        out.Member("name", std::string_view(entry.name));
        out.Key("email");
        if (entry.email.empty())
            out.Null();
        else
            out.Value(std::string_view(entry.email));
        out.Key("phones");
        out.Open('[');
        for (const std::string& phone : entry.phones)
            out.Value(std::string_view(phone));
        out.Close(']');
        out.Close('}');
    }
    out.Close(']');
    return out.Take() + "\n";
}

std::string SummaryOutput(const CGroupData& group, bool json)
{
    const MonthTotals totals = ComputeMonthTotals(group);
    if (!json)
        return MonthTotalsHeading(totals) + "\n" + Lines(MonthTotalsLines(totals));
    JsonWriter out;
    out.Open('{');
    out.Member("month", long{totals.month + 1});
    out.Member("year", long{totals.year});
    out.Member("form", std::string_view(totals.newForm ? "new" : "old"));
    out.Member("publishers", long{totals.publishers});
    out.Member("reported", long{totals.reported});
    out.Member("missing", long{totals.missing});
    out.Key("by_status");
    out.Open('{');
    for (std::size_t status = 0; status < totals.byStatus.size(); ++status) {
        out.Key(STATUS_KEYS[status]);
        WriteStatus(out, totals.byStatus[status]);
    }
    out.Close('}');
    out.Key("late");
    out.Open('[');
    for (const LateReports& late : totals.late) {
        out.Open('{');
        out.Member("month", long{late.month + 1});
        out.Member("reports", long{late.reports});
        out.Close('}');
    }
    out.Close(']');
    out.Close('}');
    return out.Take() + "\n";
}

std::string YearOutput(const CGroupData& group, bool json)
{
    const YearOverview overview = ComputeYearOverview(group);
    return json ? YearJson(overview) : YearTable(overview);
}

} // namespace vak
