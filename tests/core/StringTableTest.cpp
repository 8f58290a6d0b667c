// Tests of the string table, ResString, FormatText and the month names.
#include "res/StringTable.h"

#include "data/Cp1250.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace vak {
namespace {

TEST(StringTable, ResStringFillsTheSecondIdsText)
{
    EXPECT_EQ(ResString(IDS_MISSING_COUNT, 113), "Prosinec - neodevzdané zprávy");
    EXPECT_EQ(ResString(IDS_REPORTED_CAPTION, 102), "Leden - odevzdané zprávy");
    EXPECT_EQ(ResString(IDS_OK_CAPTION, IDS_GROUP), "Zvěst. - Skupina");
    EXPECT_EQ(ResString(IDS_REMINDER_TEXT, 104), "Předložte prosím váš přehled za Březen. \nDěkuji.");
    // Without a second id the text comes back with its marker.
    EXPECT_EQ(ResString(IDS_MISSING_COUNT), "%1 - neodevzdané zprávy");
}

TEST(StringTable, ALaterCallLeavesAnEarlierResultAlone)
{
    const std::string& first = ResString(IDS_MISSING_COUNT, 113);
    const std::string second = ResString(IDS_GROUP);
    EXPECT_EQ(second, "Skupina");
    EXPECT_EQ(first, "Prosinec - neodevzdané zprávy");
}

TEST(StringTable, ResStringFillsOnlyTheFirstMarkerAndDoesNotRecurse)
{
    // A "%2" stays for the caller; a "%1" inside the filled-in text is not filled again.
    EXPECT_EQ(ResString(IDS_WARNING_ALREADY_SENT, 102),
              "- VÝSTRAHA -   Již jste zaslali Leden zprávu za %2.");
    EXPECT_EQ(ResString(IDS_OK_CAPTION, IDS_MISSING_COUNT), "Zvěst. - %1 - neodevzdané zprávy");
}

TEST(StringTable, UnknownIdsGiveEmptyTexts)
{
    EXPECT_EQ(ResString(0), "");
    EXPECT_EQ(ResString(1028), "");
    EXPECT_EQ(ResString(99999), "");
    EXPECT_EQ(ResString(-5, 102), "");
    EXPECT_FALSE(HasResString(1028));
    EXPECT_FALSE(HasResString(IDS_QUARTER_BASE));
    EXPECT_FALSE(HasResString(IDS_QUARTER_BASE + 5));
    EXPECT_TRUE(HasResString(IDS_QUARTER_BASE + 4));
    // An unknown second id fills in nothing.
    EXPECT_EQ(ResString(IDS_MISSING_COUNT, 99999), " - neodevzdané zprávy");
}

TEST(StringTable, FormatTextFillsBothMarkersInOnePass)
{
    EXPECT_EQ(FormatText("%1 a %2", "x", "y"), "x a y");
    EXPECT_EQ(FormatText("%2%1%2", "a", "b"), "bab");
    // Text filled in is not searched again, whichever marker it carries.
    EXPECT_EQ(FormatText("%1 / %2", "name %2", "second %1"), "name %2 / second %1");
    // Other percent signs, also at the very end, stay as they are.
    EXPECT_EQ(FormatText("100% %3 %", "x"), "100% %3 %");
    EXPECT_EQ(FormatText("%1%", "5"), "5%");
    EXPECT_EQ(FormatText("", "x", "y"), "");
    EXPECT_EQ(FormatText("%%1", "x"), "%x");
}

TEST(StringTable, FormatTextBuildsTheMessagesOfTheProgram)
{
    EXPECT_EQ(FormatText(ResString(IDS_CREATE_ERROR), "/data/Skupina3.t09"),
              "Nelze-li vytvořit nový soubor: /data/Skupina3.t09.\nZrušte atribut souboru "
              "\"Jen pro čtení\" nebo získejte oprávnění k vytváření souborů v tomto adresáři.");
    EXPECT_EQ(FormatText(ResString(IDS_WARNING_ALREADY_SENT), MonthName(0), "Dvořák, Jiří"),
              "- VÝSTRAHA -   Již jste zaslali Leden zprávu za Dvořák, Jiří.");
    EXPECT_EQ(FormatText(ResString(IDS_FILE_INVALID), "a%1b.t09"),
              "Soubor a%1b.t09 není platný seznam skupiny a nebude načten.");
}

// Texts of the entry dialog and the file dialog; the texts of the main window, the sheet, the
// tips and the mail are checked where the user sees them.
TEST(StringTable, LabelsOfTheEntryAndFileDialogs)
{
    const std::vector<std::pair<int, std::string>> labels = {
        {IDS_CHANGE_MONTH, "Změna &měs. (opožděné zpr.)"},
        {IDS_OPEN_TITLE, "Výběr souboru od tajemníka"},
        {IDS_OPEN_FILTER, "List se seznamem od tajemníka (.t09)"},
        {IDS_HOURS_UNIT, "Hod"},
        {IDS_APPOINTMENT_BASE + 1, "Služební pomocník"},
        {IDS_APPOINTMENT_BASE + 2, "Starší"},
        {IDS_APPOINTMENT_BASE + 3, "Pokřtěný bratr"},
        {IDS_STATUS_AUXILIARY, "Pomocný průkopník"},
        {IDS_STATUS_REGULAR, "Pravidelný průkopník"},
        {IDS_STATUS_SPECIAL, "Zvláštní průkopník"},
        {IDS_CHANGES_EXCLUDED, "Změny NEBUDOU ZAHRNUTY do %1 zprávy pro pobočku."},
        {IDS_CHANGES_INCLUDED, "Případné změny BUDOU ZAHRNUTY do %1 zprávy pro pobočku."},
        {IDS_SPECIAL_EXCLUDED, "Zvláštní průkopníci NEJSOU ZAHRNUTI ve zprávě pro pobočku"},
        {IDS_QUARTER_BASE + 1, ".25"},
        {IDS_UNDER_ONE_HOUR_TIP, "Méne než 1 hodina"},
        {IDS_PARTICIPATION_TIP, "Účast na nějakém druhu služby"},
        {IDS_LANGUAGE, "cz"},
    };
    for (const auto& [id, text] : labels)
        EXPECT_EQ(ResString(id), text) << "id " << id;
}

TEST(StringTable, MonthNamesRunFromLedenToProsinec)
{
    const char* names[12] = {"Leden", "Únor",  "Březen", "Duben",  "Květen",   "Červen",
                             "Červenec", "Srpen", "Září", "Říjen", "Listopad", "Prosinec"};
    for (int month = 0; month < 12; ++month) {
        EXPECT_EQ(MonthName(month), names[month]);
        EXPECT_EQ(ResString(IDS_MONTH_FIRST + month), names[month]);
    }
    EXPECT_EQ(MonthName(-1), "");
    EXPECT_EQ(MonthName(12), "");
}

TEST(StringTable, EveryTextIsWellFormedAndWithinTheCzechCodePage)
{
    // The texts come from a Windows-1250 program: each survives the trip through that code page
    // unchanged, which malformed UTF-8 (stored as "?") or a foreign character does not.
    int count = 0;
    for (int id = 0; id < 2000; ++id) {
        if (!HasResString(id))
            continue;
        ++count;
        const std::string text = ResString(id);
        EXPECT_FALSE(text.empty()) << "id " << id;
        EXPECT_EQ(Cp1250ToUtf8(Utf8ToCp1250(text)), text) << "id " << id;
    }
    // The 69 texts the program uses: months, tips, labels and messages.
    EXPECT_GE(count, 69);
}

} // namespace
} // namespace vak
