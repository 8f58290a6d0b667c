// The rules of the report entry fields as plain functions: the hours text with its quarter
// hours, the count validation, the credit hours of regular pioneers and the warning text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vak {

// The largest number a report word holds; a longer leading number is taken as this.
inline constexpr unsigned WORD_MAX = 0xFFFF;

// The decimal value of the digits at the start of `text`, 0 when it does not start with a
// digit, at most WORD_MAX.
unsigned LeadingNumber(std::string_view text);

// Whole hours followed by ".25", ".5" or ".75" for quarter codes 1..3 (codes 0 and 4..15 add
// nothing): 12 hours with code 2 read "12.5".
std::string FormatHoursText(unsigned hours, unsigned quarters);

// The hours text as the field shows it once left: a "." and whatever follows become the
// quarter the first digit after it rounds up to (1..3 ".25", 4..6 ".5", 7..9 ".75"; no digit
// or 0 adds none); "7.3" -> "7.25", "7.9" -> "7.75", "7.0" -> "7", ".5" stays. A text without
// "." is kept.
std::string NormalizeHoursText(std::string_view text);

struct HoursValue {
    unsigned hours = 0;
    unsigned quarters = 0;  // 0..3
};
// The hours text, as the field shows it once left, read back into whole hours and the quarter
// code; never fails.
HoursValue ParseHoursText(std::string_view text);

// A count field read at OK.
enum class CountCheck { Ok, NotANumber, OutOfRange };
struct CountValue {
    CountCheck check = CountCheck::Ok;
    unsigned value = 0;
};
// Blanks and tabs around the text are ignored; the rest must be digits forming a number in
// low..high.
CountValue ValidateCount(std::string_view text, unsigned low, unsigned high);
// The message for a failed count: "Please enter a positive integer." or the range message.
std::string CountMessage(CountCheck check, unsigned low, unsigned high);

// The credit hours of a regular pioneer's month, derived from the hours, the stored credit and
// the note (whose leading number is the credit, and whose "*" or "!" lift the cap of 75).
struct CreditValue {
    std::uint8_t credit = 0;
    std::string note;   // the note, given a "C +Hod" text when it was empty and credit remains
    std::string label;  // "( + C Hod )", empty for no credit
};
CreditValue ComputeCredit(unsigned hours, std::uint8_t credit, const std::string& note);

// The warning text of the entry dialog and what it decides for the late mark.
struct WarningInput {
    int shownMonth = 0;
    int reportMonth = 0;
    bool alreadyReported = false; // the shown month holds a report (time or participation)
    bool specialPioneer = false; // special pioneer in the report month or the shown month
    bool monthListOpen = false;
    bool lateMarkSet = false;    // the shown month's late mark
    std::string publisherName{}; // caption form
};
struct Warning {
    std::string text;
    bool otherMonth = false;
    bool excluded = false;       // a report for this month does not go into the current report
};
Warning BuildWarning(const WarningInput& input);

// The text without the blanks and tabs at both ends.
std::string TrimBlanks(std::string_view text);

// The note text without control characters (a pasted tab or line break).
std::string WithoutControlCharacters(const std::string& text);

} // namespace vak
