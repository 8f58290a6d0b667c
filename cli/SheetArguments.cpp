// The arguments of `vak-cli sheet`, `missing`, `summary` and `year`.
#include "cli/SheetArguments.h"

#include <algorithm>
#include <charconv>
#include <chrono>

namespace vak {

namespace {

bool ParseNumber(const std::string& text, int& value)
{
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && rest == end && !text.empty();
}

// A real calendar day YYYY-MM-DD in the years the group file's two-digit year can hold.
bool ParseDate(const std::string& text, CivilDate& date)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    int year = 0, month = 0, day = 0;
    if (!ParseNumber(text.substr(0, 4), year) || !ParseNumber(text.substr(5, 2), month) ||
        !ParseNumber(text.substr(8, 2), day))
        return false;
    const std::chrono::year_month_day ymd{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                                          std::chrono::day(static_cast<unsigned>(day))};
    if (!ymd.ok() || year < 2001 || year > 2200)
        return false;
    date = {year, month, day};
    return true;
}

// The arguments of a command that picks a report month as the sheet does: the sheet takes
// --pdf OUT, the other commands --json.
std::string ParseCommand(const std::string& command, bool sheet, const std::vector<std::string>& args, CivilDate today,
                         SheetOptions& options)
{
    options = {};
    options.today = today;
    std::vector<std::string> given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        const bool isOption = (sheet ? arg == "--pdf" : arg == "--json") || arg == "--month" || arg == "--date";
        if (isOption && std::find(given.begin(), given.end(), arg) != given.end())
            return arg + " is given twice.";
        if (isOption)
            given.push_back(arg);
        if (sheet && arg == "--pdf" && hasValue) {
            options.pdfFile = args[++i];
        } else if (!sheet && arg == "--json") {
            options.json = true;
        } else if (arg == "--month" && hasValue) {
            int month = 0;
            if (!ParseNumber(args[++i], month) || month < 1 || month > 12)
                return "--month takes a month number 1 to 12.";
            options.month = month - 1;
        } else if (arg == "--date" && hasValue) {
            if (!ParseDate(args[++i], options.today))
                return "--date takes a day as YYYY-MM-DD between the years 2001 and 2200.";
        } else if (isOption) {
            return arg + " needs a value.";
        } else if (arg.size() > 1 && arg[0] == '-') {
            return command + " does not know the option " + arg + ".";
        } else if (options.groupFile.empty()) {
            options.groupFile = arg;
        } else {
            return command + " takes one group file.";
        }
    }
    if (options.groupFile.empty())
        return command + " needs a group file.";
    return {};
}

} // namespace

std::string ParseSheetArguments(const std::vector<std::string>& args, CivilDate today, SheetOptions& options)
{
    const std::string problem = ParseCommand("sheet", true, args, today, options);
    if (problem.empty() && options.pdfFile.empty())
        return "sheet needs --pdf OUT.";
    return problem;
}

std::string ParseMonthArguments(const std::string& command, const std::vector<std::string>& args, CivilDate today,
                                SheetOptions& options)
{
    return ParseCommand(command, false, args, today, options);
}

} // namespace vak
