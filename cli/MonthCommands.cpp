// The output of vak-cli's month commands, from the same lists and totals as the dialogs.
#include "cli/MonthCommands.h"

#include "cli/JsonWriter.h"
#include "main/MissingReports.h"
#include "main/MonthTotals.h"

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

} // namespace vak
