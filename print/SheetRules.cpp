// The cell and note rules of the report sheet.
#include "print/SheetRules.h"

#include "data/Cp1250.h"
#include "data/GroupFormat.h"
#include "print/Canvas.h"
#include "res/StringTable.h"

#include <algorithm>

namespace vak {

namespace {

constexpr std::size_t NOTE_LONGEST = 22;     // longer notes are cut to this and "..." appended
constexpr std::size_t NOTE_SMALL_FROM = 11;  // from this length the 8 pt font
constexpr std::size_t NOTE_SPLIT_FROM = 15;  // from this length two lines
constexpr std::size_t SPLIT_SEARCH_FROM = 5; // the first blank from this index breaks the note
constexpr std::size_t SPLIT_LATEST = 14;     // ... if it lies no further; else the break is here

} // namespace

std::string QuarterSuffix(int code)
{
    return code == 0 ? std::string() : ResString(IDS_QUARTER_BASE + code);
}

std::optional<std::string> PrintedCellText(int column, std::uint16_t value, int quarterCode, bool participating)
{
    if (column == FIELD_HOURS && participating)
        return ResString(IDS_YES);
    if (column == FIELD_HOURS && quarterCode == QUARTER_WHOLE_HOUR)
        return std::to_string(WholeHours(ReportedQuarters(value, quarterCode)));
    if (column == FIELD_HOURS && quarterCode != 0) {
        const std::string suffix = QuarterSuffix(quarterCode);
        if (value != 0 || ResString(IDS_QUARTER_BASE + QUARTER_WHOLE_HOUR) == "1")
            return std::to_string(value) + suffix;
        return suffix;
    }
    if (value == 0)
        return std::nullopt;
    return std::to_string(value);
}

std::optional<std::string> PreviewCellText(int column, std::uint16_t value, int quarterCode, bool participating)
{
    if (column == FIELD_HOURS && participating)
        return ResString(IDS_YES);
    // Whole hours only: code 4 is one more hour, the other codes are cut off.
    const long shown = column == FIELD_HOURS ? WholeHours(ReportedQuarters(value, quarterCode)) : long{value};
    if (shown != 0 || (column == FIELD_HOURS && quarterCode != 0))
        return std::to_string(shown);
    return std::nullopt;
}

std::optional<PrintedNote> LayoutPrintedNote(const std::string& text)
{
    // Lengths and positions count the file's characters, one byte each in Windows-1250.
    std::string bytes = Utf8ToCp1250(text);
    if (bytes.size() <= 1)
        return std::nullopt;
    if (bytes.size() > NOTE_LONGEST)
        bytes = bytes.substr(0, NOTE_LONGEST) + "...";

    PrintedNote note;
    note.small = bytes.size() >= NOTE_SMALL_FROM;
    if (bytes.size() < NOTE_SPLIT_FROM) {
        note.line1 = Cp1250ToUtf8(bytes);
        return note;
    }
    std::size_t split = bytes.find(' ', SPLIT_SEARCH_FROM);
    if (split == std::string::npos || split > SPLIT_LATEST)
        split = SPLIT_LATEST;
    note.line1 = Cp1250ToUtf8(bytes.substr(0, split));
    note.line2 = Cp1250ToUtf8(bytes.substr(split));
    return note;
}

int CharsetForLanguage(std::string_view languageCode)
{
    if (languageCode == "Turkish")
        return CHARSET_TURKISH;
    if (languageCode == "Polish" || languageCode == "cz" || languageCode == "sk")
        return CHARSET_EAST_EUROPE;
    if (languageCode == "estonian")
        return CHARSET_BALTIC;
    return CHARSET_DEFAULT;
}

} // namespace vak
