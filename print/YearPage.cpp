// Drawing the year overview's pages.
#include "print/YearPage.h"

#include "data/Cp1250.h"
#include "print/ReportSheet.h"

#include <algorithm>

namespace vak {

namespace {

constexpr int HEADING_POINTS = 12;
constexpr int TEXT_POINTS = 8;
constexpr std::size_t NAME_CHARACTERS = 26;  // what the name column holds at 8 points

// Column edges in hundredths of an inch from the left margin: the name, twelve months and the
// two figures; a column's text is right-aligned at its right edge, the name left at its left.
constexpr int NAME_WIDTH = 170;
constexpr int MONTH_WIDTH = 38;
constexpr int FIGURE_WIDTH = 60;

int ColumnRight(int column)
{
    if (column == 0)
        return NAME_WIDTH;
    const int months = std::min(column, 12);
    return NAME_WIDTH + months * MONTH_WIDTH + std::max(column - 12, 0) * FIGURE_WIDTH;
}

// A name longer than its column, cut by characters with "..." after it.
std::string FittedName(const std::string& name)
{
    if (Cp1250Length(name) <= NAME_CHARACTERS)
        return name;
    return Cp1250ToUtf8(Utf8ToCp1250(name).substr(0, NAME_CHARACTERS - 3)) + "...";
}

class YearPages {
public:
    explicit YearPages(Canvas& dc) : m_dc(dc), m_left(dc.DpiX() / 2), m_line(dc.DpiY() / 6) {}

    void Row(int y, const std::vector<std::string>& cells)
    {
        for (std::size_t column = 0; column < cells.size(); ++column) {
            const bool name = column == 0;
            m_dc.SetTextAlign(name ? TextAlign::Left : TextAlign::Right);
            const int x = m_left + m_dc.DpiX() * (name ? 0 : ColumnRight(static_cast<int>(column))) / 100;
            m_dc.TextOut(x, y, name ? FittedName(cells[column]) : cells[column]);
        }
    }

    // The headings on two lines: the first word, then the rest.
    int Headings(int y, const std::vector<std::string>& headings)
    {
        std::vector<std::string> first, rest;
        for (const std::string& heading : headings) {
            const std::size_t space = heading.find(' ');
            first.push_back(heading.substr(0, space));
            rest.push_back(space == std::string::npos ? std::string() : heading.substr(space + 1));
        }
        Row(y, first);
        Row(y + m_line, rest);
        const int below = y + 2 * m_line + m_line / 4;
        m_dc.Line(m_left, below, m_left + m_dc.DpiX() * ColumnRight(static_cast<int>(headings.size()) - 1) / 100, below);
        return below + m_line / 4;
    }

    int Line() const { return m_line; }
    int Left() const { return m_left; }

private:
    Canvas& m_dc;
    int m_left;
    int m_line;
};

} // namespace

void PrintYearPages(Canvas& dc, const std::string& heading, const std::vector<std::vector<std::string>>& table)
{
    if (table.empty())
        return;
    FontSpec headingFont = FontSpec::Face(SHEET_FONT_FACE, HEADING_POINTS);
    CReportSheet::ApplyFontLanguage(headingFont, true);
    FontSpec textFont = FontSpec::Face(SHEET_FONT_FACE, TEXT_POINTS);
    CReportSheet::ApplyFontLanguage(textFont, false);
    const FontSpec before = dc.SelectFont(textFont);
    YearPages pages(dc);
    const std::size_t rows = table.size() - 1;
    for (std::size_t first = 0; first == 0 || first < rows; first += YEAR_ROWS_PER_PAGE) {
        dc.StartPage();
        dc.SelectFont(headingFont);
        dc.SetTextAlign(TextAlign::Left);
        const int top = dc.DpiY() / 2;
        dc.TextOut(pages.Left(), top, heading);
        dc.SelectFont(textFont);
        int y = pages.Headings(top + 2 * pages.Line(), table.front());
        for (std::size_t row = first; row < std::min(rows, first + YEAR_ROWS_PER_PAGE); ++row, y += pages.Line())
            pages.Row(y, table[row + 1]);
        dc.EndPage();
    }
    dc.SelectFont(before);
}

} // namespace vak
