// The report sheet on a recording canvas: the coordinates of the printed page and the preview
// page at known resolutions (expected values worked out by hand from the sheet's formulas),
// paging after 32 rows, and the cell and note rules.
#include "data/GroupData.h"
#include "fixtures/GroupBuilder.h"
#include "fixtures/RecordingCanvas.h"
#include "print/ReportSheet.h"
#include "print/SheetRules.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <utility>

namespace vak {
namespace {

using fixtures::DrawnLine;
using fixtures::DrawnText;
using fixtures::GroupBuilder;
using fixtures::MonthReport;
using fixtures::RecordingCanvas;

constexpr int MARCH = 2;
constexpr int SLOT = 0;  // March 2026, for a clock in April 2026
constexpr CivilDate TODAY{2026, 4, 10};

std::pair<int, int> At(const DrawnText& text)
{
    return {text.x, text.y};
}

struct Segment {
    int x1, y1, x2, y2;
    bool operator==(const Segment&) const = default;
};

std::vector<Segment> Segments(const std::vector<DrawnLine>& lines)
{
    std::vector<Segment> segments;
    for (const DrawnLine& line : lines)
        segments.push_back({line.x1, line.y1, line.x2, line.y2});
    return segments;
}

class ReportSheetTest : public ::testing::Test {
protected:
    // Loads `builder` as the program would on 10 April 2026 (report month March 2026).
    CGroupData& Load(const GroupBuilder& builder)
    {
        const std::string path = m_dir.File("Skupina3.t09");
        EXPECT_TRUE(builder.WriteTo(path));
        m_group.InitReportMonth(TODAY);
        EXPECT_TRUE(m_group.LoadGroupFile(path));
        return m_group;
    }

    // Prints the whole sheet of March on `canvas`, as a print job does.
    void Print(RecordingCanvas& canvas, const std::string& language = "cz")
    {
        CReportSheet sheet(m_group, language, MARCH);
        PageLayout layout;
        CReportSheet::MeasurePage(canvas, layout);
        layout.strHeading1 = SheetHeading(MARCH);
        sheet.PrintSheet(canvas, layout);
    }

    static GroupBuilder Numbered(int count)
    {
        GroupBuilder builder;
        builder.Group(3).Month(MARCH);
        for (int p = 1; p <= count; ++p)
            builder.AddPublisher({"Jméno" + std::to_string(p), "Příjmení" + std::to_string(p)});
        return builder;
    }

    // Adam Beneš with one number and a full report; Bohdana Černá with two numbers, half an
    // hour and a long note that is split.
    static GroupBuilder TwoPublishers()
    {
        GroupBuilder builder;
        builder.Group(3).Month(MARCH);
        builder.AddPublisher({"Adam", "Beneš", "", {"731 204 118", "", ""}})
            .Report(MARCH, SLOT, {.publications = 3, .videos = 1, .hours = 2, .returnVisits = 4, .studies = 1,
                                  .quarters = 2});
        builder.AddPublisher({"Bohdana", "Černá", "", {"602 331 870", "123", "485 112 903"}})
            .Report(MARCH, SLOT, {.quarters = 2})
            .Note(MARCH, SLOT, "Dovolená u moře do konce měsíce");
        return builder;
    }

    test::TempDir m_dir;
    RecordingMessageSink m_messages;
    CGroupData m_group{m_messages};
};

struct PrintedGeometry {
    int dpi;
    std::pair<int, int> heading1, heading2, nameCaption, phoneCaption;
    int captionsY;
    std::array<int, 6> captionX;  // "Publ" .. "BS", "Poznámky"
    std::pair<int, int> name1, phone1;
    std::array<int, 5> valueEnd;  // right ends of the values of row 1
    std::pair<int, int> phone2First, phone2Second;
    std::pair<int, int> noteLine1, noteLine2;
    int gridTop, gridLeft, gridBottom, rowLine;
    std::vector<int> columnX;
};

TEST_F(ReportSheetTest, PrintedPageCoordinatesAt600And300Dpi)
{
    const PrintedGeometry cases[] = {
        {600, {300, 300}, {300, 500}, {300, 700}, {1500, 700}, 700,
         {2250, 2587, 2924, 3261, 3598, 3965}, {300, 918}, {1500, 918},
         {2460, 2797, 3134, 3471, 3808}, {1500, 1029}, {1620, 1100}, {3935, 1043}, {3935, 1105},
         875, 270, 1175, 1025, {1470, 2220, 2557, 2894, 3231, 3568, 3905, 4442}},
        // 300 / 16 truncates to 18, so the column step is 168, not 168.75.
        {300, {150, 150}, {150, 250}, {150, 350}, {750, 350}, 350,
         {1125, 1293, 1461, 1629, 1797, 1980}, {150, 459}, {750, 459},
         {1230, 1398, 1566, 1734, 1902}, {750, 515}, {810, 550}, {1965, 522}, {1965, 552},
         438, 135, 588, 513, {735, 1110, 1278, 1446, 1614, 1782, 1950, 2218}},
    };
    Load(TwoPublishers());
    for (const PrintedGeometry& c : cases) {
        SCOPED_TRACE(c.dpi);
        RecordingCanvas canvas(c.dpi, c.dpi);
        Print(canvas);

        EXPECT_EQ(At(canvas.Text("Kontakty pro výběr zpráv - Březen")), c.heading1);
        EXPECT_EQ(At(canvas.Text("Skupina #3  ")), c.heading2);
        EXPECT_EQ(At(canvas.Text("Jméno")), c.nameCaption);
        EXPECT_EQ(At(canvas.Text("Telefon")), c.phoneCaption);
        const char* captions[] = {"Publ", "Videa", "Hod", "ON", "BS", "Poznámky"};
        for (std::size_t j = 0; j < 6; ++j)
            EXPECT_EQ(At(canvas.Text(captions[j])), std::make_pair(c.captionX[j], c.captionsY)) << captions[j];

        EXPECT_EQ(At(canvas.Text("Beneš, Adam")), c.name1);
        EXPECT_EQ(At(canvas.Text("731 204 118")), c.phone1);
        const char* values[] = {"3", "1", "2.5", "4", "1"};
        const auto row1Y = c.name1.second;
        for (std::size_t j = 0; j < 5; ++j) {
            const auto drawn = canvas.TextsOf(values[j]);
            const bool found = std::any_of(drawn.begin(), drawn.end(), [&](const DrawnText& t) {
                return t.x == c.valueEnd[j] && t.y == row1Y && t.align == TextAlign::Right;
            });
            EXPECT_TRUE(found) << "value column " << j;
        }

        // Two numbers: smaller, the second lower and indented; the short "123" does not count.
        const DrawnText first = canvas.Text("602 331 870");
        const DrawnText second = canvas.Text("485 112 903");
        EXPECT_EQ(At(first), c.phone2First);
        EXPECT_EQ(At(second), c.phone2Second);
        EXPECT_EQ(first.font.points, 8);
        EXPECT_EQ(canvas.Text("731 204 118").font.points, 10);

        // 22 characters and "...", split at the blank at index 8 (the accents count once).
        const DrawnText line1 = canvas.Text("Dovolená");
        const DrawnText line2 = canvas.Text(" u moře do kon...");
        EXPECT_EQ(At(line1), c.noteLine1);
        EXPECT_EQ(At(line2), c.noteLine2);
        EXPECT_EQ(line1.font.points, 8);

        // The grid: outline, one row line, eight column lines, 2 pixels wide.
        const std::vector<DrawnLine> lines = canvas.LinesOnPage(1);
        const int right = c.columnX.back();
        std::vector<Segment> expected = {{c.gridLeft, c.gridTop, c.gridLeft, c.gridBottom},
                                         {c.gridLeft, c.gridBottom, right, c.gridBottom},
                                         {right, c.gridBottom, right, c.gridTop},
                                         {right, c.gridTop, c.gridLeft, c.gridTop},
                                         {c.gridLeft, c.rowLine, right, c.rowLine}};
        for (int x : c.columnX)
            expected.push_back({x, c.gridTop, x, c.gridBottom});
        EXPECT_EQ(Segments(lines), expected);
        for (const DrawnLine& line : lines)
            EXPECT_EQ(line.pen.width, 2);
    }
}

TEST_F(ReportSheetTest, FontsAreArialBySizeWithTheLanguageCharacterSet)
{
    Load(TwoPublishers());
    RecordingCanvas canvas(600, 600);
    Print(canvas);
    const FontSpec heading1 = canvas.Text("Kontakty pro výběr zpráv - Březen").font;
    const FontSpec heading2 = canvas.Text("Skupina #3  ").font;
    const FontSpec name = canvas.Text("Beneš, Adam").font;
    EXPECT_EQ(heading1, (FontSpec{StockFont::None, "Arial", 14, WEIGHT_BOLD, CHARSET_EAST_EUROPE}));
    EXPECT_EQ(heading2, (FontSpec{StockFont::None, "Arial", 12, WEIGHT_BOLD, CHARSET_EAST_EUROPE}));
    EXPECT_EQ(name, (FontSpec{StockFont::None, "Arial", 10, WEIGHT_REGULAR, CHARSET_EAST_EUROPE}));
    // Pages start and end with the device's own font, and the job ends with it selected again.
    ASSERT_EQ(canvas.fontsAtPageEdges.size(), 2u);
    EXPECT_EQ(canvas.fontsAtPageEdges[0], FontSpec::Stock(StockFont::DeviceDefault));
    EXPECT_EQ(canvas.fontsAtPageEdges[1], FontSpec::Stock(StockFont::DeviceDefault));

    EXPECT_EQ(CharsetForLanguage("Turkish"), CHARSET_TURKISH);
    EXPECT_EQ(CharsetForLanguage("sk"), CHARSET_EAST_EUROPE);
    EXPECT_EQ(CharsetForLanguage("estonian"), CHARSET_BALTIC);
    EXPECT_EQ(CharsetForLanguage("greek"), CHARSET_DEFAULT);
}

TEST_F(ReportSheetTest, HeaderLineHeightIsASixthInchOrTheFontHeight)
{
    for (const auto& [fontHeight, expected] : {std::pair{40, 100}, std::pair{-130, 130}}) {
        RecordingCanvas canvas(600, 600, fontHeight);
        PageLayout layout;
        CReportSheet::MeasurePage(canvas, layout);
        EXPECT_EQ(layout.nLineHeight, expected);
        EXPECT_EQ(layout.nTop, 300);
        EXPECT_EQ(layout.nLeft, 600);
    }
}

TEST_F(ReportSheetTest, ThirtyTwoRowsFitOnAPageAndTheNextRepeatsTheHeadings)
{
    Load(Numbered(32));
    RecordingCanvas onePage(600, 600);
    Print(onePage);
    EXPECT_EQ(onePage.pagesStarted, 1);
    EXPECT_EQ(onePage.pagesEnded, 1);
    EXPECT_EQ(At(onePage.Text("Příjmení32, Jméno32")), std::make_pair(300, 5568));

    Load(Numbered(33));
    RecordingCanvas twoPages(600, 600);
    Print(twoPages);
    EXPECT_EQ(twoPages.pagesStarted, 2);
    EXPECT_EQ(twoPages.pagesEnded, 2);
    const DrawnText last = twoPages.Text("Příjmení33, Jméno33");
    EXPECT_EQ(last.page, 2);
    EXPECT_EQ(At(last), std::make_pair(300, 918));
    for (const char* repeated : {"Kontakty pro výběr zpráv - Březen", "Skupina #3  ", "Jméno", "Telefon", "Publ",
                                 "Poznámky"}) {
        const auto drawn = twoPages.TextsOf(repeated);
        ASSERT_EQ(drawn.size(), 2u) << repeated;
        EXPECT_EQ(drawn[1].page, 2);
        EXPECT_EQ(At(drawn[0]), At(drawn[1])) << repeated;
    }
    // Page 1's grid holds 32 rows, page 2's one.
    EXPECT_EQ(twoPages.LinesOnPage(1)[0].y2, 875 + 32 * 150);
    EXPECT_EQ(twoPages.LinesOnPage(2)[0].y2, 875 + 150);
    EXPECT_EQ(twoPages.fontsAtPageEdges.size(), 4u);
    for (const FontSpec& font : twoPages.fontsAtPageEdges)
        EXPECT_EQ(font.stock, StockFont::DeviceDefault);
}

TEST_F(ReportSheetTest, AnEmptyGroupPrintsOnePageOfHeadingsWithoutGrid)
{
    Load(Numbered(0));
    RecordingCanvas canvas(600, 600);
    Print(canvas);
    EXPECT_EQ(canvas.pagesStarted, 1);
    EXPECT_TRUE(canvas.lines.empty());
    EXPECT_EQ(canvas.texts.size(), 10u);  // two headings, two captions, six column captions
}

TEST_F(ReportSheetTest, NotesPioneerMarkAndSingleCharacters)
{
    GroupBuilder builder = Numbered(4);
    builder.Publisher(1).Note(MARCH, SLOT, "0");                          // a nil report: not printed
    builder.Publisher(2).Status(MARCH, SLOT, STATUS_AUXILIARY);            // "PoP " alone
    builder.Publisher(3).Status(MARCH, SLOT, STATUS_AUXILIARY).Note(MARCH, SLOT, "nemocný");
    builder.Publisher(4).Status(MARCH, SLOT, STATUS_REGULAR).Note(MARCH, SLOT, "ok");
    Load(builder);
    RecordingCanvas canvas(600, 600);
    Print(canvas);
    EXPECT_TRUE(canvas.TextsOf("0").empty());
    EXPECT_EQ(At(canvas.Text("PoP ")), std::make_pair(3935, 1068));
    EXPECT_EQ(canvas.Text("PoP nemocný").font.points, 8);  // 11 characters
    EXPECT_EQ(canvas.Text("ok").font.points, 10);

    // The preview shows what the sheet drops: the single "0".
    RecordingCanvas preview(96, 96);
    CReportSheet(m_group, "cz", MARCH).PaintPreviewPage(0, 0, 770, 346, preview, 0, 4);
    EXPECT_EQ(preview.Text("0").x, 192 + 354 + 2);
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
        {FIELD_HOURS, 0, 2, "0.5", "0"},
        {FIELD_HOURS, 3, 0, "3", "3"},
        {FIELD_HOURS, 0, 0, nullptr, nullptr},
        {FIELD_HOURS, 0, 1, "0.25", "0"},
        {FIELD_HOURS, 5, 3, "5.75", "5"},
        {FIELD_HOURS, 3, 4, "4", "4"},        // code 4 is a whole hour, not "31"
        {FIELD_HOURS, 0, 4, "1", "1"},
        {FIELD_HOURS, 2, 9, "2", "2"},        // codes 5..15 have no suffix
        {FIELD_HOURS, 0, 9, "0", "0"},
        {FIELD_HOURS, 65535, 0, "65535", "65535"},
        {FIELD_PUBLICATIONS, 7, 2, "7", "7"}, // quarters belong to the hours only
        {FIELD_PUBLICATIONS, 0, 2, nullptr, nullptr},
        {FIELD_STUDIES, 12, 0, "12", "12"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.column << " " << c.value << " " << c.quarters);
        EXPECT_EQ(PrintedCellText(c.column, c.value, c.quarters), Cell(c.printed));
        EXPECT_EQ(PreviewCellText(c.column, c.value, c.quarters, false), Cell(c.preview));
    }
    EXPECT_EQ(PreviewCellText(FIELD_HOURS, 12, 0, true), "Ano");
    EXPECT_EQ(QuarterSuffix(0), "");
    EXPECT_EQ(QuarterSuffix(3), ".75");
    EXPECT_EQ(QuarterSuffix(4), "1");
    EXPECT_EQ(QuarterSuffix(15), "");
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
        {"", nullptr, "", false},
        {"0", nullptr, "", false},
        {"Ž", nullptr, "", false},                          // one character, two bytes of UTF-8
        {"PoP ", "PoP ", "", false},
        {"příští týd", "příští týd", "", false},            // 10 characters
        {"příští týde", "příští týde", "", true},           // 11
        {"abcdefghijklmn", "abcdefghijklmn", "", true},     // 14
        {"abcdefghijklmno", "abcdefghijklmn", "o", true},   // 15, no blank: after 14
        {"abc defghijklmno", "abc defghijklm", "no", true}, // a blank before index 5 does not count
        {"abcde fghijklmno", "abcde", " fghijklmno", true}, // blank at index 5
        {"abcdefghijklmn opq", "abcdefghijklmn", " opq", true},  // blank at 14
        {"abcdefghijklmnop qrs", "abcdefghijklmn", "op qrs", true}, // blank at 16 is too late
        {"Šťastný Řehoř z Ďáblic, dávno", "Šťastný", " Řehoř z Ďáblic...", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto note = LayoutPrintedNote(c.text);
        ASSERT_EQ(note.has_value(), c.line1 != nullptr);
        if (!note)
            continue;
        EXPECT_EQ(note->line1, c.line1);
        EXPECT_EQ(note->line2, c.line2);
        EXPECT_EQ(note->small, c.small);
    }
}

TEST_F(ReportSheetTest, PreviewPageCoordinates)
{
    // 40 publishers; the page shows 19..36 at origin (10, 20) in 770 x 346 pixels:
    // r = 346 / 18 = 19, u = 770 / 11 = 70, W / 4 = 192, W / 13 = 59, W / 10 = 77.
    GroupBuilder builder = Numbered(40);
    builder.Publisher(19).Report(MARCH, SLOT, {.publications = 2, .hours = 7, .quarters = 3})
        .Note(MARCH, SLOT, "Dlouhá poznámka, která se nevejde");
    builder.Publisher(36).Report(MARCH, SLOT, {.studies = 4});
    Load(builder);
    m_group.m_bNewForm = false;  // the old form shows every column
    RecordingCanvas canvas(96, 96);
    CReportSheet(m_group, "cz", MARCH).PaintPreviewPage(10, 20, 770, 346, canvas, 18, 36);

    ASSERT_EQ(canvas.fills.size(), 2u);
    EXPECT_EQ((std::array{canvas.fills[0].left, canvas.fills[0].top, canvas.fills[0].right, canvas.fills[0].bottom}),
              (std::array{10, 20, 781, 371}));
    EXPECT_EQ((std::array{canvas.fills[1].left, canvas.fills[1].top, canvas.fills[1].right, canvas.fills[1].bottom}),
              (std::array{10, 20, 781, 40}));
    EXPECT_EQ(canvas.fills[1].color, COLOR_LIGHT_GREY);

    std::vector<Segment> expected;
    for (int x : {202, 272, 342, 412, 482, 552})
        expected.push_back({x, 20, x, 369});
    for (int k = 1; k <= 18; ++k)
        expected.push_back({10, 20 + 19 * k, 780, 20 + 19 * k});
    EXPECT_EQ(Segments(canvas.lines), expected);

    EXPECT_EQ(At(canvas.Text("Jméno")), std::make_pair(12, 21));
    const char* captions[] = {"Publ", "Videa", "Hod", "ON", "BS"};
    for (int j = 0; j < 5; ++j) {
        const DrawnText caption = canvas.Text(captions[j]);
        EXPECT_EQ(At(caption), std::make_pair(264 + 70 * j, 21)) << captions[j];
        EXPECT_EQ(caption.align, TextAlign::Right);
        EXPECT_EQ(caption.font, FontSpec::Stock(StockFont::AnsiVariable));
    }
    EXPECT_EQ(At(canvas.Text("Poznámky")), std::make_pair(703, 21));

    // Rows 19 (the first, top 40) and 36 (the eighteenth, below the pane's height).
    EXPECT_EQ(At(canvas.Text("Příjmení19, Jméno19")), std::make_pair(12, 40));
    EXPECT_EQ(At(canvas.Text("2")), std::make_pair(262, 40));
    EXPECT_EQ(At(canvas.Text("7")), std::make_pair(402, 40));  // whole hours only
    const DrawnText note = canvas.Text("Dlouhá poznámka, která se nevejde");
    EXPECT_EQ(At(note), std::make_pair(558, 40));
    EXPECT_EQ(note.clip, (fixtures::ClipRect{551, 40, 780, 59}));
    EXPECT_EQ(At(canvas.Text("Příjmení36, Jméno36")), std::make_pair(12, 363));
    EXPECT_EQ(At(canvas.Text("4")), std::make_pair(542, 363));
    EXPECT_TRUE(canvas.TextsOf("Příjmení18, Jméno18").empty());
    EXPECT_TRUE(canvas.TextsOf("Příjmení37, Jméno37").empty());
}

TEST_F(ReportSheetTest, PreviewInTheNewFormAndInGreek)
{
    GroupBuilder builder = Numbered(3);
    builder.Publisher(1).Report(MARCH, SLOT, {.publications = 5, .hours = 6, .studies = 2, .participation = true});
    builder.Publisher(2).Status(MARCH, SLOT, STATUS_REGULAR)
        .Report(MARCH, SLOT, {.hours = 50, .participation = true});
    Load(builder);
    m_group.m_bNewForm = true;
    RecordingCanvas canvas(96, 96);
    CReportSheet(m_group, "greek", MARCH).PaintPreviewPage(0, 0, 770, 346, canvas, 0, 3);
    for (const char* hidden : {"Publ", "Videa", "ON", "5"})
        EXPECT_TRUE(canvas.TextsOf(hidden).empty()) << hidden;
    EXPECT_EQ(At(canvas.Text("Hod")), std::make_pair(192 + 3 * 70 - 8, 1));
    EXPECT_EQ(At(canvas.Text("Ano")), std::make_pair(192 + 3 * 70 - 10, 20));  // hours recorded all the same
    EXPECT_EQ(At(canvas.Text("50")), std::make_pair(392, 39));                 // a pioneer's hours
    EXPECT_EQ(At(canvas.Text("Poznámky")), std::make_pair(770 - 38, 1));

    // The printed sheet does not change with the form.
    RecordingCanvas printed(600, 600);
    Print(printed);
    EXPECT_EQ(printed.TextsOf("Ano").size(), 0u);
    EXPECT_EQ(printed.Text("5").x, 2460);
}

} // namespace
} // namespace vak
