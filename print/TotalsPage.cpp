// Drawing the month's totals page.
#include "print/TotalsPage.h"

#include "print/ReportSheet.h"

namespace vak {

namespace {
constexpr int HEADING_POINTS = 14;
constexpr int TEXT_POINTS = 10;
} // namespace

void PrintTotalsPage(Canvas& dc, const std::string& heading, const std::vector<std::string>& lines)
{
    const int left = dc.DpiX() / 2;
    const int top = dc.DpiY() / 2;
    const int lineHeight = dc.DpiY() / 4;
    FontSpec headingFont = FontSpec::Face(SHEET_FONT_FACE, HEADING_POINTS);
    CReportSheet::ApplyFontLanguage(headingFont, true);
    FontSpec textFont = FontSpec::Face(SHEET_FONT_FACE, TEXT_POINTS);
    CReportSheet::ApplyFontLanguage(textFont, false);

    dc.StartPage();
    const FontSpec before = dc.SelectFont(headingFont);
    dc.SetTextAlign(TextAlign::Left);
    dc.TextOut(left, top, heading);
    dc.SelectFont(textFont);
    int y = top + 2 * lineHeight;
    for (const std::string& line : lines) {
        dc.TextOut(left, y, line);
        y += lineHeight;
    }
    dc.SelectFont(before);
    dc.EndPage();
}

} // namespace vak
