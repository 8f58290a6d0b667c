// The report sheet of one month: the printed pages (32 rows a page, headings, telephone column,
// ruled grid) and the preview page (18 publishers), drawn on a canvas from the group data.
#pragma once

#include "print/Canvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vak {

class CGroupData;

// Geometry of the printed page in device pixels, filled by MeasurePage, adjusted by PrintSheet.
struct PageLayout {
    std::uint16_t nTop = 0;         // top margin
    std::uint16_t nLeft = 0;        // left margin
    std::uint16_t nLineHeight = 0;  // header line height while headings are drawn, then row height
    std::uint16_t nPhoneX = 0;      // x of the telephone column
    std::int32_t nLine = 0;         // line counter on the current page
    std::int32_t nDpiY = 0;
    std::int32_t nDpiX = 0;
    std::string strHeading1;        // "Kontakty pro výběr zpráv - <month>", set by the caller
    std::string strHeading2;        // "Skupina #<group>  ", set by PrintSheet
};

// What DrawSheetGrid draws; the last column position is also the grid's right edge.
struct GridSpec {
    int nGridTop = 0;
    int nGridLeft = 0;
    int nRowHeight = 0;
    int nRows = 0;
    int nColumns = 0;
    std::vector<int> columnX;
};

inline constexpr int SHEET_FIRST_LINE = 4;     // rows start on line 4 of a page
inline constexpr int SHEET_LAST_LINE = 35;     // ... and end on line 35: 32 rows a page
inline constexpr int PREVIEW_ROWS = 18;        // publishers on a preview page
inline constexpr const char* SHEET_FONT_FACE = "Arial";

// The sheet's first heading line, also the print job's name: "Kontakty pro výběr zpráv - Leden".
std::string SheetHeading(int month);

class CReportSheet {
public:
    // The sheet of report month `month` (0..11) of `group`, whose language code is `language`.
    // Drawing only reads the group.
    CReportSheet(CGroupData& group, std::string language, int month);

    // Fills `layout` from the printer canvas: resolutions, margins, header line height.
    static void MeasurePage(Canvas& dc, PageLayout& layout);
    // Draws every page; the print job is started, `layout` measured with strHeading1 set.
    void PrintSheet(Canvas& dc, PageLayout& layout);
    // Heading lines and the name and telephone captions of one printed page.
    void DrawPageHeader(Canvas& dc, const PageLayout& layout) const;
    static void DrawSheetGrid(Canvas& dc, const GridSpec& grid);
    // Gives a sheet font the character set of the program's language, and bold if asked.
    static void ApplyFontLanguage(FontSpec& font, bool bold);
    // The preview page of publishers first + 1 .. last into the rectangle at (x, y).
    void PaintPreviewPage(int x, int y, int width, int height, Canvas& dc, int first, int last);

    std::string m_strNameCaption;   // "Jméno", loaded by PrintSheet
    std::string m_strPhoneCaption;  // "Telefon", loaded by PrintSheet

private:
    struct Columns;
    Columns ColumnsOf(const PageLayout& layout) const;
    void DrawColumnCaptions(Canvas& dc, const PageLayout& layout, const Columns& columns) const;
    void DrawRow(Canvas& dc, const PageLayout& layout, const Columns& columns, int p);
    void DrawPhones(Canvas& dc, const PageLayout& layout, const Columns& columns, int p, int y) const;
    void DrawValues(Canvas& dc, const Columns& columns, int p, int y) const;
    void DrawNote(Canvas& dc, const Columns& columns, int p, int y);
    void DrawPreviewCaptions(Canvas& dc, int x, int y, int width) const;
    void DrawPreviewRow(Canvas& dc, int x, int y, int width, int rowHeight, int row, int p);
    std::string NoteText(int p);
    std::string PublisherName(int p) const;
    bool ShowsParticipation(int p) const;

    CGroupData& m_group;
    std::string m_strLang;
    int m_nMonth;
    FontSpec m_font10;
    FontSpec m_font8;
};

} // namespace vak
