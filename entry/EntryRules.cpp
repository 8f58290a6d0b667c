// The rules of the report entry fields: hours text, count validation, credit hours, warnings.
#include "entry/EntryRules.h"

#include "data/Cp1250.h"
#include "data/GroupFormat.h"
#include "res/StringTable.h"

#include <algorithm>

namespace vak {

namespace {

constexpr unsigned CREDIT_CAP = 75;       // hours and credit of a month together
constexpr unsigned STAR_CREDIT_MAX = 40;  // credit a "*" in the note grants beyond the cap
constexpr std::size_t CREDIT_DIGITS = 3;  // the note's leading number is read from these
constexpr std::size_t BANG_POSITIONS = 6; // a "!" among these lifts the cap
constexpr std::size_t STAR_FIRST = 1;     // a "*" at positions 1..4 grants the star credit
constexpr std::size_t STAR_LAST = 4;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string QuarterSuffix(unsigned quarters)
{
    return quarters >= 1 && quarters <= 3 ? ResString(IDS_QUARTER_BASE + static_cast<int>(quarters)) : std::string();
}

// The quarter the first digit after the "." rounds up to; none for no digit or a 0 ("7.",
// "7.0" are 7 hours).
unsigned QuarterOfDigit(char digit)
{
    const int d = IsDigit(digit) ? digit - '0' : 0;
    return d == 0 ? 0 : d <= 3 ? 1 : d <= 6 ? 2 : 3;
}

} // namespace

unsigned LeadingNumber(std::string_view text)
{
    unsigned value = 0;
    for (const char c : text) {
        if (!IsDigit(c))
            break;
        value = std::min(value * 10 + static_cast<unsigned>(c - '0'), WORD_MAX);
    }
    return value;
}

std::string FormatHoursText(unsigned hours, unsigned quarters)
{
    return std::to_string(hours) + QuarterSuffix(quarters);
}

std::string NormalizeHoursText(std::string_view text)
{
    const auto dot = text.find('.');
    if (dot == std::string_view::npos)
        return std::string(text);
    const char after = dot + 1 < text.size() ? text[dot + 1] : '\0';
    const unsigned quarter = QuarterOfDigit(after);
    const std::string whole(text.substr(0, dot));
    // ".0" is no time at all, shown as such rather than as an empty field.
    if (quarter == 0 && whole.empty())
        return "0";
    return whole + QuarterSuffix(quarter);
}

HoursValue ParseHoursText(std::string_view typed)
{
    // Read as the field shows it once left, so that what is stored is what was shown.
    const std::string text = NormalizeHoursText(typed);
    const auto dot = text.find('.');
    if (dot == std::string::npos)
        return {LeadingNumber(text), 0};
    const unsigned fraction = LeadingNumber(std::string_view(text).substr(dot + 1, 2));
    const unsigned quarters = fraction == 25 ? 1u : fraction == 5 ? 2u : 3u;
    return {LeadingNumber(std::string_view(text).substr(0, dot)), quarters};
}

CountValue ValidateCount(std::string_view text, unsigned low, unsigned high)
{
    const std::string trimmed = TrimBlanks(text);
    if (trimmed.empty() || !std::all_of(trimmed.begin(), trimmed.end(), IsDigit))
        return {CountCheck::NotANumber, 0};
    // Digits beyond any range are out of range, never wrapped into it.
    unsigned long long value = 0;
    for (const char c : trimmed)
        value = std::min(value * 10 + static_cast<unsigned>(c - '0'), 1ULL << 32);
    if (value < low || value > high)
        return {CountCheck::OutOfRange, 0};
    return {CountCheck::Ok, static_cast<unsigned>(value)};
}

std::string CountMessage(CountCheck check, unsigned low, unsigned high)
{
    if (check == CountCheck::NotANumber)
        return TEXT_ENTER_POSITIVE_INTEGER;
    return FormatText(TEXT_ENTER_INTEGER_BETWEEN, std::to_string(low), std::to_string(high));
}

CreditValue ComputeCredit(unsigned hours, std::uint8_t credit, const std::string& note)
{
    CreditValue result{credit, note, {}};
    unsigned c = credit;
    if (hours >= CREDIT_CAP)
        c = 0;
    else
        c = std::min(c, CREDIT_CAP - hours);
    if (c != 0 && result.note.empty())
        result.note = std::to_string(c) + " +" + ResString(IDS_HOURS_UNIT);

    // Positions count the note's characters as the note table stores them.
    const std::string chars = Utf8ToCp1250(result.note);
    if (!chars.empty() && IsDigit(chars.front()))
        c = LeadingNumber(std::string_view(chars).substr(0, CREDIT_DIGITS)) & 0xFF;
    if (chars.substr(0, BANG_POSITIONS).find('!') == std::string::npos) {
        const auto star = chars.find('*');
        const unsigned starCredit =
            star >= STAR_FIRST && star <= STAR_LAST ? std::min(c, STAR_CREDIT_MAX) : 0;
        c = hours + starCredit >= CREDIT_CAP ? starCredit : std::min(c, CREDIT_CAP - hours);
    }
    result.credit = static_cast<std::uint8_t>(c);
    if (c != 0)
        result.label = "( + " + std::to_string(c) + " " + ResString(IDS_HOURS_UNIT) + " )";
    return result;
}

Warning BuildWarning(const WarningInput& input)
{
    Warning warning;
    warning.otherMonth = input.shownMonth != input.reportMonth;
    if (input.alreadyReported)
        warning.text = FormatText(ResString(IDS_WARNING_ALREADY_SENT), MonthName(input.shownMonth),
                                  input.publisherName);
    if (input.specialPioneer) {
        warning.text += "\n" + ResString(IDS_SPECIAL_EXCLUDED);
        warning.excluded = true;
        return warning;
    }
    const std::string reportMonth = MonthName(input.reportMonth);
    if (!input.monthListOpen && warning.otherMonth) {
        // A report of an earlier month that was already counted cannot be counted again.
        warning.excluded = input.alreadyReported && !input.lateMarkSet;
        const int line = warning.excluded ? IDS_CHANGES_EXCLUDED : IDS_CHANGES_INCLUDED;
        warning.text += "\n" + FormatText(ResString(line), reportMonth);
    }
    if (input.alreadyReported && !warning.otherMonth)
        warning.text += "\n" + FormatText(ResString(IDS_CHANGES_INCLUDED), reportMonth);
    return warning;
}

std::string TrimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

std::string WithoutControlCharacters(const std::string& text)
{
    std::string result;
    result.reserve(text.size());
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F)
            result += c;
    return result;
}

} // namespace vak
