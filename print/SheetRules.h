// What the report sheet writes into its cells: the hours with their quarter-hours suffix, the
// values of the preview, the note shortened and split for the printed sheet, and the character
// set a language asks its fonts for.
#pragma once

#include "data/ReportedTime.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vak {

// ".25", ".5", ".75" and "1" for codes 1..4; empty for code 0 and for codes 5..15.
std::string QuarterSuffix(int code);

// The text of printed value column 0..4, or nothing when the cell stays empty: a value of 0
// leaves it empty, except in the hours column when quarter hours were reported. Hours carry
// their quarter-hours suffix ("2.5", "0.25"); code 4 adds a whole hour. A `participating`
// publisher (new form, status publisher, took part) has "Ano" in the hours column instead, so
// that the sheet tells who has reported.
std::optional<std::string> PrintedCellText(int column, std::uint16_t value, int quarterCode, bool participating);

// The text of preview value column 0..4: whole hours only ("0" when only quarters were
// reported), or "Ano" when `participating` (new form, a publisher who took part) in the
// hours column; nothing when the cell stays empty.
std::optional<std::string> PreviewCellText(int column, std::uint16_t value, int quarterCode, bool participating);

// A note as the printed sheet shows it: one line in the 10 pt font, one line in the 8 pt font,
// or two lines in the 8 pt font.
struct PrintedNote {
    std::string line1;
    std::string line2;   // empty unless the note is split
    bool small = false;  // the 8 pt font
};

// Notes of 0 or 1 character are not printed; more than 22 characters are cut to 22 and "..."
// appended; 11 to 14 characters are small, 15 or more are split at the first blank from
// index 5 to 14, else after 14 characters. Lengths count characters as the file stores them.
std::optional<PrintedNote> LayoutPrintedNote(const std::string& text);

// The character set of the sheet's fonts for a language code (text 1198).
int CharsetForLanguage(std::string_view languageCode);

} // namespace vak
