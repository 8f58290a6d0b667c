// Drawing the report sheet: the printed pages with their headings, rows and grid, and the
// preview page. Every division truncates term by term, as the sheet has always been measured.
#include "print/ReportSheet.h"

#include "data/GroupData.h"
#include "data/PublisherName.h"
#include "print/SheetRules.h"
#include "res/StringTable.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace vak {

namespace {

constexpr int VALUE_COLUMNS = 5;
constexpr int GRID_COLUMNS = 8;
constexpr int GRID_PEN_WIDTH = 2;
constexpr int HEADING1_POINTS = 14;
constexpr int HEADING2_POINTS = 12;
constexpr int TEXT_POINTS = 10;
constexpr int SMALL_POINTS = 8;
// Width and height of a window border on the preview pane.
constexpr int BORDER_CX = 1;
constexpr int BORDER_CY = 1;

std::uint16_t Pixels(int value)
{
    return static_cast<std::uint16_t>(value);
}

bool IsNewFormHiddenColumn(int column)
{
    return column == FIELD_PUBLICATIONS || column == FIELD_VIDEOS || column == FIELD_RETURN_VISITS;
}

FontSpec SheetFont(int points, bool bold)
{
    FontSpec font = FontSpec::Face(SHEET_FONT_FACE, points);
    CReportSheet::ApplyFontLanguage(font, bold);
    return font;
}

// Draws `text` in a font created for this one call.
void TextInFont(Canvas& dc, const FontSpec& font, int x, int y, const std::string& text)
{
    const FontSpec before = dc.SelectFont(font);
    dc.TextOut(x, y, text);
    dc.SelectFont(before);
}

} // namespace

// Positions of the printed page that follow from the resolution and the telephone column: the
// row height, X0..X5 (left edges of the value columns and of the notes column), the grid's
// right edge, how far right of its column a value ends, and where notes start.
struct CReportSheet::Columns {
    int rowHeight = 0;
    std::array<int, VALUE_COLUMNS + 1> x{};
    int right = 0;
    int valueEnd = 0;
    int noteX = 0;
};

std::string SheetHeading(int month)
{
    return ResString(IDS_SHEET_HEADING) + " - " + MonthName(month);
}

CReportSheet::CReportSheet(CGroupData& group, std::string language, int month)
    : m_group(group), m_strLang(std::move(language)), m_nMonth(month)
{
}

void CReportSheet::MeasurePage(Canvas& dc, PageLayout& layout)
{
    const TextMetrics metrics = dc.GetTextMetrics();
    layout.nDpiY = dc.DpiY();
    layout.nDpiX = dc.DpiX();
    layout.nTop = Pixels(layout.nDpiY / 2);
    layout.nLeft = Pixels(layout.nDpiX);
    layout.nLineHeight = Pixels(std::max(layout.nDpiY / 6, std::abs(metrics.height)));
}

void CReportSheet::ApplyFontLanguage(FontSpec& font, bool bold)
{
    const int charset = CharsetForLanguage(ResString(IDS_LANGUAGE));
    if (charset != CHARSET_DEFAULT)
        font.charset = charset;
    if (bold)
        font.weight = WEIGHT_BOLD;
}

CReportSheet::Columns CReportSheet::ColumnsOf(const PageLayout& layout) const
{
    const int dx = layout.nDpiX;
    Columns columns;
    columns.rowHeight = layout.nDpiY / 4;
    const int step = dx / 16 + dx / 2;
    columns.x[0] = (layout.nPhoneX - dx / 20) + dx / 4 + dx;
    for (std::size_t i = 1; i < columns.x.size(); ++i)
        columns.x[i] = columns.x[0] + static_cast<int>(i) * step;
    columns.right = columns.x[0] + 6 * step + dx / 3;
    columns.valueEnd = (4 * dx) / 10;
    columns.noteX = columns.x[VALUE_COLUMNS] + dx / 20;
    return columns;
}

void CReportSheet::PrintSheet(Canvas& dc, PageLayout& layout)
{
    const int publishers = m_group.m_nPublishers;
    const std::uint16_t headerLineHeight = layout.nLineHeight;

    m_font10 = SheetFont(TEXT_POINTS, false);
    m_font8 = SheetFont(SMALL_POINTS, false);
    const FontSpec fontBefore = dc.SelectFont(m_font10);

    const int dx = layout.nDpiX;
    layout.nLeft = Pixels(layout.nLeft - dx / 2);
    layout.nPhoneX = Pixels(layout.nLeft + 2 * dx);
    const Columns columns = ColumnsOf(layout);
    GridSpec grid;
    grid.nGridTop = layout.nTop + 4 * columns.rowHeight - columns.rowHeight / 6;
    grid.nGridLeft = layout.nLeft - dx / 20;
    grid.nRowHeight = columns.rowHeight;
    grid.nColumns = GRID_COLUMNS;
    grid.columnX = {layout.nPhoneX - dx / 20};
    grid.columnX.insert(grid.columnX.end(), columns.x.begin(), columns.x.end());
    grid.columnX.push_back(columns.right);

    layout.strHeading2 = ResString(IDS_GROUP) + " #" + std::to_string(unsigned{m_group.m_nGroup}) + "  ";
    m_strNameCaption = ResString(IDS_NAME_CAPTION);
    m_strPhoneCaption = ResString(IDS_PHONE_CAPTION);

    auto pageHeader = [&] {
        layout.nLineHeight = headerLineHeight;
        DrawPageHeader(dc, layout);
        DrawColumnCaptions(dc, layout, columns);
        layout.nLineHeight = Pixels(columns.rowHeight);
        layout.nLine = SHEET_FIRST_LINE;
    };
    // The grid grows with each row; drawn once when the page is done, it is the same picture.
    auto finishGrid = [&] {
        grid.nRows = layout.nLine - SHEET_FIRST_LINE;
        if (grid.nRows > 0)
            DrawSheetGrid(dc, grid);
    };

    // The device's own font is selected whenever a page starts or ends.
    dc.SelectFont(FontSpec::Stock(StockFont::DeviceDefault));
    dc.StartPage();
    dc.SelectFont(m_font10);
    pageHeader();
    for (int p = 1; p <= publishers; ++p) {
        if (layout.nLine > SHEET_LAST_LINE) {
            finishGrid();
            dc.SelectFont(FontSpec::Stock(StockFont::DeviceDefault));
            dc.EndPage();
            dc.StartPage();
            dc.SelectFont(m_font10);
            pageHeader();
        }
        DrawRow(dc, layout, columns, p);
        ++layout.nLine;
    }
    finishGrid();
    dc.SelectFont(fontBefore);
    dc.EndPage();
}

void CReportSheet::DrawPageHeader(Canvas& dc, const PageLayout& layout) const
{
    TextInFont(dc, SheetFont(HEADING1_POINTS, true), layout.nLeft, layout.nTop, layout.strHeading1);
    TextInFont(dc, SheetFont(HEADING2_POINTS, true), layout.nLeft, layout.nTop + 2 * layout.nLineHeight,
               layout.strHeading2);
    const int captionY = layout.nTop + 4 * layout.nLineHeight;
    dc.TextOut(layout.nLeft, captionY, m_strNameCaption);
    dc.TextOut(layout.nPhoneX, captionY, m_strPhoneCaption);
}

// "Publ" .. "BS" over the value columns and "Poznámky" over the notes, at the header's height.
void CReportSheet::DrawColumnCaptions(Canvas& dc, const PageLayout& layout, const Columns& columns) const
{
    const int dx = layout.nDpiX;
    const int captionY = layout.nTop + 4 * layout.nLineHeight;
    for (int j = 0; j < VALUE_COLUMNS; ++j)
        dc.TextOut(columns.x[static_cast<std::size_t>(j)] + dx / 20, captionY, ResString(IDS_COLUMN_FIRST + j));
    dc.TextOut(columns.x[VALUE_COLUMNS] + dx / 10, captionY, ResString(IDS_NOTES_CAPTION));
}

void CReportSheet::DrawSheetGrid(Canvas& dc, const GridSpec& grid)
{
    if (grid.columnX.empty())
        return;
    const Pen penBefore = dc.SelectPen({GRID_PEN_WIDTH, COLOR_BLACK});
    const int left = grid.nGridLeft;
    const int top = grid.nGridTop;
    const int right = grid.columnX.back();
    const int bottom = top + grid.nRows * grid.nRowHeight;
    dc.Line(left, top, left, bottom);
    dc.Line(left, bottom, right, bottom);
    dc.Line(right, bottom, right, top);
    dc.Line(right, top, left, top);
    for (int i = 1; i < grid.nRows; ++i)
        dc.Line(left, top + i * grid.nRowHeight, right, top + i * grid.nRowHeight);
    for (int i = 0; i < grid.nColumns && i < static_cast<int>(grid.columnX.size()); ++i) {
        const int x = grid.columnX[static_cast<std::size_t>(i)];
        dc.Line(x, top, x, bottom);
    }
    dc.SelectPen(penBefore);
}

void CReportSheet::DrawRow(Canvas& dc, const PageLayout& layout, const Columns& columns, int p)
{
    const int y = layout.nTop + layout.nLine * columns.rowHeight + columns.rowHeight / 8;
    dc.TextOut(layout.nLeft, y, PublisherName(p));
    DrawPhones(dc, layout, columns, p, y);
    DrawValues(dc, columns, p, y);
    DrawNote(dc, columns, p, y);
}

// One number in the row's font; two numbers smaller, the second lower and indented.
void CReportSheet::DrawPhones(Canvas& dc, const PageLayout& layout, const Columns& columns, int p, int y) const
{
    const std::array<std::string, 3> phones = {m_group.GetPhone(p, 0), m_group.GetPhone(p, 1),
                                               m_group.GetPhone(p, 2)};
    const std::string first = ShownOnOneLine(ContactPhone(phones, false));
    const std::string second = ShownOnOneLine(ContactPhone(phones, true));
    if (second.empty()) {
        dc.TextOut(layout.nPhoneX, y, first);
        return;
    }
    const int r = columns.rowHeight;
    const int lineTop = layout.nTop + layout.nLine * r;
    dc.SelectFont(m_font8);
    dc.TextOut(layout.nPhoneX, lineTop - r / 7, first);
    dc.TextOut(layout.nPhoneX + layout.nDpiX / 5, lineTop + r / 3, second);
    dc.SelectFont(m_font10);
}

void CReportSheet::DrawValues(Canvas& dc, const Columns& columns, int p, int y) const
{
    const int s = m_group.m_nYearSlot;
    const int quarters = QuarterCode(m_group.GetField4Word(p, m_nMonth, s));
    const bool participating = ShowsParticipation(p);
    dc.SetTextAlign(TextAlign::Right);
    for (int j = 0; j < VALUE_COLUMNS; ++j) {
        const auto text = PrintedCellText(j, m_group.GetMonthValue(p, m_nMonth, s, j), quarters, participating);
        if (text)
            dc.TextOut(columns.x[static_cast<std::size_t>(j)] + columns.valueEnd, y, *text);
    }
    dc.SetTextAlign(TextAlign::Left);
}

void CReportSheet::DrawNote(Canvas& dc, const Columns& columns, int p, int y)
{
    const auto note = LayoutPrintedNote(NoteText(p));
    if (!note)
        return;
    dc.SelectFont(note->small ? m_font8 : m_font10);
    if (note->line2.empty()) {
        dc.TextOut(columns.noteX, y, note->line1);
    } else {
        dc.TextOut(columns.noteX, y - columns.rowHeight / 6, note->line1);
        dc.TextOut(columns.noteX, y + columns.rowHeight / 4, note->line2);
    }
    dc.SelectFont(m_font10);
}

// "PoP " for an auxiliary pioneer of the month, then the month's note.
std::string CReportSheet::NoteText(int p)
{
    const int s = m_group.m_nYearSlot;
    std::string text;
    if (m_group.GetPioneerStatus(p, m_nMonth, s) == STATUS_AUXILIARY)
        text = ResString(IDS_AUX_PIONEER_MARK) + " ";
    std::string note;
    if (m_group.GetNote(p, m_nMonth, s, note) != 0)
        text += note;
    return text;
}

// In the new form a publisher (not a pioneer, who reports hours) who took part is shown as
// having reported: "Ano" stands in the hours column.
bool CReportSheet::ShowsParticipation(int p) const
{
    const int s = m_group.m_nYearSlot;
    return m_group.m_bNewForm && m_group.GetPioneerStatus(p, m_nMonth, s) == STATUS_PUBLISHER &&
           (m_group.GetField4Word(p, m_nMonth, s) & PARTICIPATION_BIT) != 0;
}

std::string CReportSheet::PublisherName(int p) const
{
    return m_group.ShownName(p, NameForm::Caption, m_strLang);
}

void CReportSheet::PaintPreviewPage(int x, int y, int width, int height, Canvas& dc, int first, int last)
{
    const int r = height / PREVIEW_ROWS;
    const int u = width / 11;
    // The caption band is the first of 19 bands, so the last row lies below `height`, in the
    // strip the background and the column lines also cover.
    dc.FillRect(x, y, x + width + 1, y + height + 5 * BORDER_CY, dc.BackgroundColor());
    dc.FillRect(x, y, x + width + 1, y + r + 1, COLOR_LIGHT_GREY);

    const Pen penBefore = dc.SelectPen({1, COLOR_BLACK});
    for (int k = 0; k <= 5; ++k)
        dc.Line(x + width / 4 + k * u, y, x + width / 4 + k * u, y + height + 3 * BORDER_CY);
    for (int k = 1; k <= PREVIEW_ROWS; ++k)
        dc.Line(x, y + k * r, x + width, y + k * r);

    const FontSpec fontBefore = dc.SelectFont(FontSpec::Stock(StockFont::AnsiVariable));
    DrawPreviewCaptions(dc, x, y, width);
    const int rows = std::min(PREVIEW_ROWS, last - first);
    for (int i = 0; i < rows; ++i)
        DrawPreviewRow(dc, x, y, width, r, i, first + i + 1);
    dc.SelectFont(fontBefore);
    dc.SelectPen(penBefore);
}

void CReportSheet::DrawPreviewCaptions(Canvas& dc, int x, int y, int width) const
{
    const int u = width / 11;
    dc.TextOut(x + 2 * BORDER_CX, y + BORDER_CY, ResString(IDS_NAME_CAPTION));
    dc.SetTextAlign(TextAlign::Right);
    for (int j = 0; j < VALUE_COLUMNS; ++j) {
        // In the new form the hidden columns keep their place.
        if (m_group.m_bNewForm && IsNewFormHiddenColumn(j))
            continue;
        dc.TextOut(x + width / 4 + (j + 1) * u - 8 * BORDER_CX, y + BORDER_CY, ResString(IDS_COLUMN_FIRST + j));
    }
    const int notesEnd = m_strLang == "greek" ? x + width - width / 20 : x + width - width / 10;
    dc.TextOut(notesEnd, y + BORDER_CY, ResString(IDS_NOTES_CAPTION));
    dc.SetTextAlign(TextAlign::Left);
}

void CReportSheet::DrawPreviewRow(Canvas& dc, int x, int y, int width, int rowHeight, int row, int p)
{
    const int s = m_group.m_nYearSlot;
    const int u = width / 11;
    const int top = y + (row + 1) * rowHeight + BORDER_CY;
    dc.TextOut(x + 2 * BORDER_CX, top, PublisherName(p));

    const std::uint16_t field4 = m_group.GetField4Word(p, m_nMonth, s);
    const bool participating = ShowsParticipation(p);
    dc.SetTextAlign(TextAlign::Right);
    for (int j = 0; j < VALUE_COLUMNS; ++j) {
        if (m_group.m_bNewForm && IsNewFormHiddenColumn(j))
            continue;
        const auto text = PreviewCellText(j, m_group.GetMonthValue(p, m_nMonth, s, j), QuarterCode(field4),
                                          participating);
        if (text)
            dc.TextOut(x + width / 4 + (j + 1) * u - 10 * BORDER_CX, top, *text);
    }
    dc.SetTextAlign(TextAlign::Left);

    // The whole note, cut off where its cell ends.
    const std::string note = NoteText(p);
    if (note.empty())
        return;
    dc.SetClipRect(x + 7 * (width / 10) + 2 * BORDER_CX, top, x + width, y + (row + 2) * rowHeight + BORDER_CY);
    dc.TextOut(x + width / 4 + 6 * (width / 13) + 2 * BORDER_CX, top, note);
    dc.ResetClip();
}

} // namespace vak
