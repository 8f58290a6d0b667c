// The report sheet on a recording canvas: the coordinates of the printed page and the preview
// page at known resolutions (expected values worked out by hand from the sheet's formulas),
// paging after 32 rows, and the cell and note rules.
#include "TestFiles.h"
#include "data/GroupData.h"
#include "fixtures/GroupBuilder.h"
#include "fixtures/RecordingCanvas.h"
#include "print/ReportSheet.h"
#include "print/SheetRules.h"

#include <gtest/gtest.h>

#include <utility>

namespace vak {
namespace {

using fixtures::DrawnText;
using fixtures::GroupBuilder;
using fixtures::RecordingCanvas;
using XY = std::pair<int, int>;

constexpr int MARCH = 2;
constexpr int SLOT = 0;  // March 2026, for a clock in April 2026

XY At(const DrawnText& text)
{
    return {text.x, text.y};
}

// x1, y1, x2, y2 of every line drawn on `page`.
std::vector<std::array<int, 4>> Lines(const RecordingCanvas& canvas, int page)
{
    std::vector<std::array<int, 4>> lines;
    for (const auto& line : canvas.lines)
        if (line.page == page)
            lines.push_back({line.x1, line.y1, line.x2, line.y2});
    return lines;
}

class ReportSheetTest : public ::testing::Test {
protected:
    // Loads `builder` as the program does on 10 April 2026, with the old form in force.
    void Load(const GroupBuilder& builder)
    {
        ASSERT_TRUE(builder.WriteTo(m_dir.File("Skupina3.t09")));
        m_group.InitReportMonth({2026, 4, 10});
        ASSERT_TRUE(m_group.LoadGroupFile(m_dir.File("Skupina3.t09")));
        m_group.m_bNewForm = false;
    }

    // Prints the whole sheet of March on `canvas`, as a print job does.
    void Print(RecordingCanvas& canvas)
    {
        PageLayout layout;
        CReportSheet::MeasurePage(canvas, layout);
        layout.strHeading1 = SheetHeading(MARCH);
        CReportSheet(m_group, "cz", MARCH).PrintSheet(canvas, layout);
    }

    void Preview(RecordingCanvas& canvas, int x, int y, int first, int last, const std::string& language = "cz")
    {
        CReportSheet(m_group, language, MARCH).PaintPreviewPage(x, y, 770, 346, canvas, first, last);
    }

    static GroupBuilder Numbered(int count)
    {
        GroupBuilder builder;
        builder.Group(3).Month(MARCH);
        for (int p = 1; p <= count; ++p)
            builder.AddPublisher({"Jméno" + std::to_string(p), "Příjmení" + std::to_string(p)});
        return builder;
    }

    test::TempDir m_dir;
    RecordingMessageSink m_messages;
    CGroupData m_group{m_messages};
};

struct PrintedGeometry {
    int dpi;
    XY heading1, heading2, phoneCaption;
    std::array<int, 6> captionX;  // "Publ" .. "BS", "Poznámky"
    XY name1;
    std::array<int, 5> valueEnd;  // right ends of the values of row 1
    XY phone2First, phone2Second, noteLine1, noteLine2;
    int gridLeft, gridTop, rowLine, gridBottom;
    std::vector<int> columnX;
};

TEST_F(ReportSheetTest, PrintedPageCoordinatesAt600And300Dpi)
{
    const PrintedGeometry cases[] = {
        {600, {300, 300}, {300, 500}, {1500, 700}, {2250, 2587, 2924, 3261, 3598, 3965}, {300, 918},
         {2460, 2797, 3134, 3471, 3808}, {1500, 1029}, {1620, 1100}, {3935, 1043}, {3935, 1105},
         270, 875, 1025, 1175, {1470, 2220, 2557, 2894, 3231, 3568, 3905, 4442}},
        // 300 / 16 truncates to 18, so the column step is 168, not 168.75.
        {300, {150, 150}, {150, 250}, {750, 350}, {1125, 1293, 1461, 1629, 1797, 1980}, {150, 459},
         {1230, 1398, 1566, 1734, 1902}, {750, 515}, {810, 550}, {1965, 522}, {1965, 552},
         135, 438, 513, 588, {735, 1110, 1278, 1446, 1614, 1782, 1950, 2218}},
    };
    // Row 1: one number and a full report; row 2: two numbers (the short "123" does not count)
    // and a note shortened to 22 characters and "...", split at the blank at index 8.
    GroupBuilder builder;
    builder.Group(200).Month(MARCH);
    builder.AddPublisher({"Adam", "Beneš", "", {"731 204 118", "", ""}})
        .Report(MARCH, SLOT, {.publications = 3, .videos = 1, .hours = 2, .returnVisits = 4, .studies = 6,
                              .quarters = 2});
    builder.AddPublisher({"Bohdana", "Černá", "", {"602 331 870", "123", "485 112 903"}})
        .Note(MARCH, SLOT, "Dovolená u moře do konce měsíce");
    Load(builder);
    for (const PrintedGeometry& c : cases) {
        SCOPED_TRACE(c.dpi);
        RecordingCanvas canvas(c.dpi, c.dpi);
        Print(canvas);
        const DrawnText heading1 = canvas.Text("Kontakty pro výběr zpráv - Březen");
        EXPECT_EQ(At(heading1), c.heading1);
        EXPECT_EQ(heading1.font, (FontSpec{StockFont::None, "Arial", 14, WEIGHT_BOLD, CHARSET_EAST_EUROPE}));
        EXPECT_EQ(At(canvas.Text("Skupina #200  ")), c.heading2);
        EXPECT_EQ(canvas.Text("Skupina #200  ").font.points, 12);
        EXPECT_EQ(At(canvas.Text("Jméno")), XY(c.heading1.first, c.phoneCaption.second));
        EXPECT_EQ(At(canvas.Text("Telefon")), c.phoneCaption);
        const char* captions[] = {"Publ", "Videa", "Hod", "ON", "BS", "Poznámky"};
        for (std::size_t j = 0; j < 6; ++j)
            EXPECT_EQ(At(canvas.Text(captions[j])), XY(c.captionX[j], c.phoneCaption.second)) << captions[j];

        EXPECT_EQ(At(canvas.Text("Beneš, Adam")), c.name1);
        EXPECT_EQ(At(canvas.Text("731 204 118")), XY(c.phoneCaption.first, c.name1.second));
        const char* values[] = {"3", "1", "2.5", "4", "6"};
        for (std::size_t j = 0; j < 5; ++j) {
            EXPECT_EQ(At(canvas.Text(values[j])), XY(c.valueEnd[j], c.name1.second)) << values[j];
            EXPECT_EQ(canvas.Text(values[j]).align, TextAlign::Right);
        }
        EXPECT_EQ(At(canvas.Text("602 331 870")), c.phone2First);
        EXPECT_EQ(At(canvas.Text("485 112 903")), c.phone2Second);
        EXPECT_EQ(canvas.Text("485 112 903").font.points, 8);
        EXPECT_EQ(At(canvas.Text("Dovolená")), c.noteLine1);
        EXPECT_EQ(At(canvas.Text(" u moře do kon...")), c.noteLine2);
        EXPECT_EQ(canvas.Text("Dovolená").font.points, 8);

        // The grid: outline, one row line, eight column lines, all 2 pixels wide.
        const int right = c.columnX.back();
        std::vector<std::array<int, 4>> grid = {{c.gridLeft, c.gridTop, c.gridLeft, c.gridBottom},
                                                {c.gridLeft, c.gridBottom, right, c.gridBottom},
                                                {right, c.gridBottom, right, c.gridTop},
                                                {right, c.gridTop, c.gridLeft, c.gridTop},
                                                {c.gridLeft, c.rowLine, right, c.rowLine}};
        for (int x : c.columnX)
            grid.push_back({x, c.gridTop, x, c.gridBottom});
        EXPECT_EQ(Lines(canvas, 1), grid);
        EXPECT_EQ(canvas.lines.front().pen.width, 2);
    }
}

TEST_F(ReportSheetTest, EachDivisionTruncatesByItself)
{
    // At 203 dpi: S = 203 / 16 + 203 / 2 = 12 + 101 = 113, where (203 * 9) / 16 would be 114;
    // a value ends (4 * 203) / 10 = 81 right of its column, where 4 * (203 / 10) would be 80.
    GroupBuilder builder = Numbered(1);
    builder.Publisher(1).Report(MARCH, SLOT, {.publications = 3});
    Load(builder);
    RecordingCanvas canvas(203, 203);
    Print(canvas);
    std::vector<int> columns;
    for (const auto& line : Lines(canvas, 1))
        if (line[0] == line[2])
            columns.push_back(line[0]);
    EXPECT_EQ(columns, (std::vector<int>{92, 1496, 498, 751, 864, 977, 1090, 1203, 1316, 1496}));
    EXPECT_EQ(At(canvas.Text("3")), XY(751 + 81, 101 + 4 * 50 + 6));
}

TEST_F(ReportSheetTest, ThirtyTwoRowsFitOnAPageAndTheNextRepeatsTheHeadings)
{
    Load(Numbered(32));
    RecordingCanvas onePage(600, 600);
    Print(onePage);
    EXPECT_EQ(onePage.pagesStarted, 1);
    EXPECT_EQ(At(onePage.Text("Příjmení32, Jméno32")), XY(300, 5568));

    Load(Numbered(33));
    RecordingCanvas twoPages(600, 600);
    Print(twoPages);
    EXPECT_EQ(twoPages.pagesStarted, 2);
    EXPECT_EQ(twoPages.pagesEnded, 2);
    EXPECT_EQ(twoPages.Text("Příjmení33, Jméno33").page, 2);
    EXPECT_EQ(At(twoPages.Text("Příjmení33, Jméno33")), XY(300, 918));
    for (const char* repeated : {"Kontakty pro výběr zpráv - Březen", "Skupina #3  ", "Telefon", "Poznámky"}) {
        const auto drawn = twoPages.TextsOf(repeated);
        ASSERT_EQ(drawn.size(), 2u) << repeated;
        EXPECT_EQ(drawn[1].page, 2);
        EXPECT_EQ(At(drawn[0]), At(drawn[1])) << repeated;
    }
    EXPECT_EQ(Lines(twoPages, 1)[0][3], 875 + 32 * 150);  // page 1's grid holds 32 rows
    EXPECT_EQ(Lines(twoPages, 2)[0][3], 875 + 150);       // page 2's one
    // Pages start and end with the device's own font selected.
    EXPECT_EQ(twoPages.fontsAtPageEdges, std::vector<FontSpec>(4, FontSpec::Stock(StockFont::DeviceDefault)));
}

TEST_F(ReportSheetTest, SingleCharacterNotesAreNotPrintedButPreviewedAndPioneersAreMarked)
{
    GroupBuilder builder = Numbered(3);
    builder.Publisher(1).Note(MARCH, SLOT, "0");  // a nil report
    builder.Publisher(2).Status(MARCH, SLOT, STATUS_AUXILIARY);
    builder.Publisher(3).Status(MARCH, SLOT, STATUS_AUXILIARY).Note(MARCH, SLOT, "nemocný");
    Load(builder);
    RecordingCanvas printed(600, 600);
    Print(printed);
    EXPECT_TRUE(printed.TextsOf("0").empty());
    EXPECT_EQ(At(printed.Text("PoP ")), XY(3935, 1068));
    EXPECT_EQ(printed.Text("PoP nemocný").font.points, 8);  // 11 characters

    RecordingCanvas preview(96, 96);
    Preview(preview, 0, 0, 0, 3);
    EXPECT_EQ(At(preview.Text("0")), XY(192 + 354 + 2, 20));
}

std::optional<std::string> Cell(const char* text)
{
    return text ? std::optional<std::string>(text) : std::nullopt;
}

TEST(SheetRulesTest, PrintedAndPreviewCells)
{
    struct Case {
        int column;
        std::uint16_t value;
        int quarters;
        const char* printed;  // nullptr: empty cell
        const char* preview;
    };
    const Case cases[] = {
        {FIELD_HOURS, 0, 2, "0.5", "0"},   {FIELD_HOURS, 3, 0, "3", "3"},   {FIELD_HOURS, 0, 0, nullptr, nullptr},
        {FIELD_HOURS, 5, 3, "5.75", "5"},  {FIELD_HOURS, 3, 4, "4", "4"},   // code 4 is a whole hour, not "31"
        {FIELD_HOURS, 0, 9, "0", "0"},     // codes 5..15 have no suffix
        {FIELD_PUBLICATIONS, 7, 2, "7", "7"}, {FIELD_PUBLICATIONS, 0, 2, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.column << " " << c.value << " " << c.quarters);
        EXPECT_EQ(PrintedCellText(c.column, c.value, c.quarters, false), Cell(c.printed));
        EXPECT_EQ(PreviewCellText(c.column, c.value, c.quarters, false), Cell(c.preview));
    }
    // A publisher who took part: "Ano" in the hours column of both, nowhere else.
    for (const auto cell : {PrintedCellText, PreviewCellText}) {
        EXPECT_EQ(cell(FIELD_HOURS, 0, 0, true), Cell("Ano"));
        EXPECT_EQ(cell(FIELD_HOURS, 6, 2, true), Cell("Ano"));
        EXPECT_EQ(cell(FIELD_STUDIES, 2, 0, true), Cell("2"));
    }
    EXPECT_EQ(QuarterCode(0x8000), 8);  // bits 12-15 of the field-4 word
    EXPECT_EQ(QuarterCode(0xF3FF), 15);
    EXPECT_EQ(QuarterSuffix(4), "1");
    EXPECT_EQ(QuarterSuffix(5), "");
}

TEST(SheetRulesTest, NotesAreShortenedAndSplitByCharacters)
{
    struct Case {
        const char* text;
        const char* line1;  // nullptr: nothing printed
        const char* line2;
        bool small;
    };
    const Case cases[] = {
        {"Ž", nullptr, "", false},                           // one character, two bytes of UTF-8
        {"příští týd", "příští týd", "", false},             // 10 characters
        {"příští týde", "příští týde", "", true},            // 11
        {"abcdefghijklmno", "abcdefghijklmn", "o", true},    // 15, no blank: after 14
        {"abc defghijklmno", "abc defghijklm", "no", true},  // a blank before index 5 does not count
        {"abcdefghijklmn opq", "abcdefghijklmn", " opq", true},      // blank at 14
        {"abcdefghijklmnop qrs", "abcdefghijklmn", "op qrs", true},  // blank at 16 is too late
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto note = LayoutPrintedNote(c.text);
        ASSERT_EQ(note.has_value(), c.line1 != nullptr);
        if (!note)
            continue;
        EXPECT_EQ(std::tie(note->line1, note->line2, note->small), std::tie(c.line1, c.line2, c.small));
    }
}

TEST_F(ReportSheetTest, PreviewPageCoordinates)
{
    // Publishers 19..36 of 40 at (10, 20) in 770 x 346 pixels:
    // r = 346 / 18 = 19, u = 770 / 11 = 70, W / 4 = 192, W / 13 = 59, W / 10 = 77.
    GroupBuilder builder = Numbered(40);
    builder.Publisher(19).Report(MARCH, SLOT, {.publications = 2, .hours = 7, .quarters = 3})
        .Note(MARCH, SLOT, "Dlouhá poznámka, která se nevejde");
    builder.Publisher(36).Report(MARCH, SLOT, {.studies = 4});
    Load(builder);
    RecordingCanvas canvas(96, 96);
    Preview(canvas, 10, 20, 18, 36);

    ASSERT_EQ(canvas.fills.size(), 2u);
    EXPECT_EQ(XY(canvas.fills[0].right, canvas.fills[0].bottom), XY(781, 371));
    EXPECT_EQ(XY(canvas.fills[1].right, canvas.fills[1].bottom), XY(781, 40));
    EXPECT_EQ(canvas.fills[1].color, COLOR_LIGHT_GREY);
    std::vector<std::array<int, 4>> lines;
    for (int x : {202, 272, 342, 412, 482, 552})
        lines.push_back({x, 20, x, 369});
    for (int k = 1; k <= 18; ++k)
        lines.push_back({10, 20 + 19 * k, 780, 20 + 19 * k});
    EXPECT_EQ(Lines(canvas, 0), lines);

    EXPECT_EQ(At(canvas.Text("Jméno")), XY(12, 21));
    const char* captions[] = {"Publ", "Videa", "Hod", "ON", "BS"};
    for (int j = 0; j < 5; ++j)
        EXPECT_EQ(At(canvas.Text(captions[j])), XY(264 + 70 * j, 21)) << captions[j];
    EXPECT_EQ(At(canvas.Text("Poznámky")), XY(703, 21));
    EXPECT_EQ(canvas.Text("Poznámky").font, FontSpec::Stock(StockFont::AnsiVariable));

    EXPECT_EQ(At(canvas.Text("Příjmení19, Jméno19")), XY(12, 40));
    EXPECT_EQ(At(canvas.Text("2")), XY(262, 40));
    EXPECT_EQ(At(canvas.Text("7")), XY(402, 40));  // whole hours only
    const DrawnText note = canvas.Text("Dlouhá poznámka, která se nevejde");
    EXPECT_EQ(At(note), XY(558, 40));
    EXPECT_EQ(note.clip, (fixtures::ClipRect{551, 40, 780, 59}));
    // The eighteenth row lies below the height given.
    EXPECT_EQ(At(canvas.Text("Příjmení36, Jméno36")), XY(12, 363));
    EXPECT_EQ(At(canvas.Text("4")), XY(542, 363));
    EXPECT_TRUE(canvas.TextsOf("Příjmení37, Jméno37").empty());
}

TEST_F(ReportSheetTest, PreviewInTheNewFormAndInGreek)
{
    GroupBuilder builder = Numbered(2);
    builder.Publisher(1).Report(MARCH, SLOT, {.publications = 5, .hours = 6, .participation = true});
    builder.Publisher(2).Status(MARCH, SLOT, STATUS_REGULAR).Report(MARCH, SLOT, {.hours = 50, .participation = true});
    Load(builder);
    m_group.m_bNewForm = true;
    RecordingCanvas canvas(96, 96);
    Preview(canvas, 0, 0, 0, 2, "greek");
    for (const char* hidden : {"Publ", "Videa", "ON", "5"})
        EXPECT_TRUE(canvas.TextsOf(hidden).empty()) << hidden;
    EXPECT_EQ(At(canvas.Text("Ano")), XY(192 + 3 * 70 - 10, 20));  // hours recorded all the same
    EXPECT_EQ(At(canvas.Text("50")), XY(392, 39));                 // a pioneer's hours
    EXPECT_EQ(At(canvas.Text("Poznámky")), XY(770 - 38, 1));
}

TEST_F(ReportSheetTest, PrintedSheetInTheNewFormMarksPublishersWhoTookPart)
{
    GroupBuilder builder = Numbered(3);
    builder.Publisher(1).Report(MARCH, SLOT, {.studies = 2, .participation = true});
    builder.Publisher(2).Status(MARCH, SLOT, STATUS_AUXILIARY).Report(MARCH, SLOT, {.hours = 30, .participation = true});
    builder.Publisher(3).Report(MARCH, SLOT, {.hours = 4});  // hours without the tick: not taking part
    Load(builder);
    m_group.m_bNewForm = true;
    RecordingCanvas canvas(600, 600);
    Print(canvas);
    // At 600 dpi the hours end at X2 + 240 = 2894 + 240, rows 1..3 stand at y 918, 1068, 1218.
    ASSERT_EQ(canvas.TextsOf("Ano").size(), 1u);
    EXPECT_EQ(At(canvas.Text("Ano")), XY(3134, 918));
    EXPECT_EQ(At(canvas.Text("30")), XY(3134, 1068));
    EXPECT_EQ(At(canvas.Text("4")), XY(3134, 1218));

    // In the old form the same bit is the "<1 h" tick: nobody is marked, printed or previewed.
    m_group.m_bNewForm = false;
    RecordingCanvas oldPrinted(600, 600), oldPreview(96, 96);
    Print(oldPrinted);
    Preview(oldPreview, 0, 0, 0, 3);
    EXPECT_TRUE(oldPrinted.TextsOf("Ano").empty());
    EXPECT_TRUE(oldPreview.TextsOf("Ano").empty());
}

} // namespace
} // namespace vak
