// `vak-cli sheet`: the demo group exported as a real PDF and read back with pdftotext, the
// report month and year slot it prints, and its exit statuses and one-line reasons.
#include "CliRun.h"
#include "TestFiles.h"
#include "fixtures/GroupBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <sys/stat.h>

namespace vak {
namespace {

using test::ReadBytes;
using test::ReadText;
using test::RunCli;
using test::TempDir;

class SheetCliTest : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifndef VAK_CLI_HAS_SHEET
        GTEST_SKIP() << "vak-cli is built without Qt";
#endif
    }

    // The text of `pdf` as pdftotext lays it out; pages end with a form feed.
    std::string PdfText(const std::string& pdf)
    {
        const auto run = test::RunProgram("pdftotext", "-layout '" + pdf + "' -", m_dir.File("pdftotext.err"));
        EXPECT_EQ(run.status, 0) << "pdftotext (poppler-utils) is needed";
        return run.out;
    }

    std::string Err() const { return ReadText(m_dir.File("err")); }
    int Sheet(const std::string& args) { return RunCli("sheet " + args, m_dir.File("err")).status; }

    TempDir m_dir;
};

// Whether `text` has a line matching `pattern`.
bool HasLine(const std::string& text, const std::string& pattern)
{
    return std::regex_search(text, std::regex("(^|[\n\f])" + pattern + "(\n|$)"));
}

TEST_F(SheetCliTest, DemoGroupBecomesATwoPagePdfWithItsHeadingsNamesAndValues)
{
    const std::string pdf = m_dir.File("Skupina7.pdf");
    ASSERT_EQ(Sheet("'" VAK_SOURCE_DIR "/samples/Skupina7.t09' --pdf '" + pdf + "' --date 2026-12-10"), 0) << Err();
    EXPECT_EQ(Err(), "");
    const std::string text = PdfText(pdf);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 2);  // two pages
    for (const char* heading : {"Kontakty pro výběr zpráv - Listopad", "Skupina #7",
                                "Jméno +Telefon +Publ +Videa +Hod +ON +BS +Poznámky"}) {
        const std::regex line(std::string("(^|[\n\f]) *") + heading + " *\n");
        EXPECT_EQ(std::distance(std::sregex_iterator(text.begin(), text.end(), line), std::sregex_iterator()), 2)
            << heading;
    }
    // Names with Czech letters, telephone numbers, values ending under their captions, notes.
    EXPECT_TRUE(HasLine(text, "Bártová, Adéla +731 204 118 *"));
    EXPECT_TRUE(HasLine(text, "Holá, Blanka +728 300 615 +109 +2 *"));
    EXPECT_TRUE(HasLine(text, "Dvořáková, Marie +603 123 457 +57 +5 \\+Hod *"));
    EXPECT_TRUE(HasLine(text, "Kořínková, Hana +485 300 128 +PoP *"));
    EXPECT_TRUE(HasLine(text, "Ťupová, Věra *"));
    // A publisher who took part has "Ano" under "Hod", as in the preview.
    EXPECT_TRUE(HasLine(text, "Hrůza, Matěj +604 555 010 +Ano *"));
    // The 33rd publisher opens page 2.
    const std::size_t pageBreak = text.find('\f');
    EXPECT_LT(text.find("Šťastná, Lenka"), pageBreak);
    EXPECT_GT(text.find("Šťastný, Tomáš"), pageBreak);
}

TEST_F(SheetCliTest, MonthAndDateChooseTheYearSlotAsLoadingDoes)
{
    // The file stands in October; March has 11 hours in 2026 (slot 0) and 22 in 2025 (slot 1),
    // October 33 in 2025 (slot 1).
    fixtures::GroupBuilder builder;
    builder.Group(5).Month(9);
    builder.AddPublisher({"Eva", "Malá"})
        .Report(2, 0, {.hours = 11})
        .Report(2, 1, {.hours = 22})
        .Report(9, 1, {.hours = 33});
    builder.AddPublisher({"Jan", "Malý"});
    const std::string group = m_dir.File("Skupina5.t09");
    ASSERT_TRUE(builder.WriteTo(group));
    const std::string pdf = m_dir.File("out.pdf");
    struct Case {
        const char* options;
        const char* heading;
        const char* hours;
    };
    const Case cases[] = {
        {"--date 2026-04-10", "Říjen", "33"},              // October of 2025
        {"--month 3 --date 2026-04-10", "Březen", "11"},   // March of 2026
        {"--month 3 --date 2026-02-10", "Březen", "22"},   // March is still ahead: 2025
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options);
        ASSERT_EQ(Sheet("'" + group + "' --pdf '" + pdf + "' " + c.options), 0) << Err();
        const std::string text = PdfText(pdf);
        EXPECT_TRUE(HasLine(text, std::string("Kontakty pro výběr zpráv - ") + c.heading + " *"));
        EXPECT_TRUE(HasLine(text, std::string("Malá, Eva +") + c.hours + " *")) << text;
    }
}

TEST_F(SheetCliTest, NeedsNoDisplayWhateverPlatformIsNamed)
{
    const std::string pdf = m_dir.File("sheet.pdf");
    const auto run = RunCli("sheet '" VAK_SOURCE_DIR "/samples/Skupina7.t09' --pdf '" + pdf + "'", m_dir.File("err"),
                            "unset DISPLAY WAYLAND_DISPLAY; QT_QPA_PLATFORM=xcb; export QT_QPA_PLATFORM; ");
    EXPECT_EQ(run.status, 0) << Err();
    const auto bytes = ReadBytes(pdf);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + std::min<std::size_t>(bytes.size(), 5)), "%PDF-");
}

TEST_F(SheetCliTest, RefusesWhatItCannotReadOrWriteWithOneLineReasons)
{
    const std::string group = m_dir.File("Skupina5.t09");
    fixtures::GroupBuilder builder;
    builder.AddPublisher({"Eva", "Malá"});
    builder.AddPublisher({"Jan", "Malý"});
    ASSERT_TRUE(builder.WriteTo(group));
    const auto groupBytes = ReadBytes(group);
    const std::string fifo = m_dir.File("pipe.pdf");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    struct Case {
        std::string args;
        int status;
        const char* reason;
    };
    const std::string empty = m_dir.File("empty.t09");
    std::ofstream{empty};
    const Case cases[] = {
        {"'" + m_dir.File("none.t09") + "' --pdf '" + m_dir.File("a.pdf") + "'", 2, "cannot read"},
        {"'" + empty + "' --pdf '" + m_dir.File("a.pdf") + "'", 2, "holds no publishers"},
        {"'" + group + "' --pdf '" + m_dir.Path().string() + "'", 3, "Is a directory"},
        {"'" + group + "' --pdf '" + m_dir.File("no/such/folder.pdf") + "'", 3, "No such file or directory"},
        {"'" + group + "' --pdf '" + group + "'", 3, "it is the group file itself"},
        {"'" + group + "' --pdf '" + fifo + "'", 3, "Not a regular file"},
        {"'" + group + "' --pdf '" + m_dir.File("a.pdf") + "' --month 13", 1, "--month takes"},
        {"'" + group + "' --pdf '" + m_dir.File("a.pdf") + "' --date 2026-02-30", 1, "--date takes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        EXPECT_EQ(Sheet(c.args), c.status);
        const std::string err = Err();
        EXPECT_NE(err.find(c.reason), std::string::npos) << err;
        if (c.status != 1) {  // wrong usage also shows the usage text
            EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        }
    }
    EXPECT_EQ(ReadBytes(group), groupBytes);
    EXPECT_FALSE(std::filesystem::exists(m_dir.File("a.pdf")));
}

} // namespace
} // namespace vak
