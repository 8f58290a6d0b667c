// Tests of the string table, ResString, FormatText and the month names.
#include "res/StringTable.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vak {
namespace {

// Whether `text` is well-formed UTF-8 (no stray continuation bytes, no overlong or cut sequences).
bool IsValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        unsigned int minimum = 0;
        unsigned int code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if ((lead & 0xE0) == 0xC0) {
            length = 2;
            minimum = 0x80;
            code = lead & 0x1Fu;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            minimum = 0x800;
            code = lead & 0x0Fu;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            minimum = 0x10000;
            code = lead & 0x07u;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3Fu);
        }
        if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

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

TEST(StringTable, TipsTextsAreExactAndJoinInOrder)
{
    const std::vector<std::pair<int, std::string>> tips = {
        {1059, "Tipy pro používání VAK\n\nOd vašeho tajemníka jste přijali soubor SkupinaX.t09 pro "
               "zadání a vytvoření měsíční zprávy.  "},
        {1060, "Kliknutím na ikonu VAK spusťte program a tlačítkem \"Načíst nový list od "
               "tajemníka\" otevřete soubor.\n\n"},
        {1061, "Uvidíte, že zadávání zpráv je jednoduché - pouze pomocí klávesnice. Napište první "
               "dvě nebo tři písmena příjmení. Nebo použijte šipky nahoru / dolů, vyberte jméno a "
               "stiskněte Enter.\n\n"},
        {1062, "Klávesou Enter přeskočíte na zadání dalšího políčka zprávy. Stiskněte klávesu "
               "Enter po zadání posledního políčka pro návrat do výběrového seznamu.\n\n"},
        {1063, "Chcete-li zadat poznámku, použijte klávesy Alt-R nebo klepněte na tlačítko "
               "Poznámky.  Ukončete klávesou Enter.\n\nChcete-li provést změnu měsíce pro zadání "
               "zprávy, použijte Alt+M nebo klepněte na tlačítko Změnit měsíc.\n\n"},
        {1064, "Zvěstovateli, který odevzdá nulovou zprávu, napiště do Poznámky nulu. Vyloučíte ho "
               "tak ze seznamu těch, kteří zprávu ještě neodevzdali.\n\n"},
        {1065, "Jakmile VAK zavřete, program automaticky uloží veškeré změny.Pokud máte modem, "
               "můžete použít tlačítko Vytočit. Použijte '>>>' pro zobrazení dalších telefonních "
               "čísel.\n\n"},
        {1066, "Pokud máte správně nakonfigurovaný e-mailový klient MAPI, můžete e-mailem "
               "zpracovaný list se zprávou zaslat tajemníkovi přímo z programu.\nV opačném případě "
               "připojte vytvořený soubor do e-mailu ručně nebo předejte tajemníkovi na přenosném "
               "médiu.\n\n"},
    };
    std::string joined;
    for (const auto& [id, text] : tips) {
        EXPECT_EQ(ResString(id), text) << "id " << id;
        joined += ResString(id);
    }
    EXPECT_TRUE(joined.find("zprávy.  Kliknutím") != std::string::npos);
    EXPECT_EQ(tips.front().first, IDS_TIPS_FIRST);
    EXPECT_EQ(tips.back().first, IDS_TIPS_LAST);
}

TEST(StringTable, MailAndSendTextsKeepTheirBlanksAndLineBreaks)
{
    EXPECT_EQ(ResString(IDS_REPORT_SAVED), "Vaše aktualizované zprávy byly uloženy do souboru %1");
    EXPECT_EQ(ResString(IDS_SEND_QUESTION), "\n\nKlikněte na Ano pro odeslání souboru .t19 na e-mail ");
    EXPECT_EQ(ResString(IDS_SEND_OR), ",\n\n       nebo\n\n");
    EXPECT_EQ(ResString(IDS_SEND_LATER), "Klikněte na Ne pro pozdější odeslání souboru tajemníkovi.");
    EXPECT_EQ(ResString(IDS_MAIL_SUBJECT), "Sestavené soubory");
    EXPECT_EQ(ResString(IDS_MAIL_BODY), ".t19 soubor pro");
}

TEST(StringTable, LabelsOfTheEntryDialogAndTheSheet)
{
    const std::vector<std::pair<int, std::string>> labels = {
        {IDS_ABOUTBOX, "&O programu Vak..."},
        {IDS_CHANGE_MONTH, "Změna &měs. (opožděné zpr.)"},
        {IDS_OPEN_TITLE, "Výběr souboru od tajemníka"},
        {IDS_OPEN_FILTER, "List se seznamem od tajemníka (.t09)"},
        {IDS_HOURS_UNIT, "Hod"},
        {IDS_NOTES_CAPTION, "Poznámky"},
        {IDS_AUX_PIONEER_MARK, "PoP"},
        {IDS_APPOINTMENT_BASE + 1, "Služební pomocník"},
        {IDS_APPOINTMENT_BASE + 2, "Starší"},
        {IDS_APPOINTMENT_BASE + 3, "Pokřtěný bratr"},
        {IDS_STATUS_AUXILIARY, "Pomocný průkopník"},
        {IDS_STATUS_REGULAR, "Pravidelný průkopník"},
        {IDS_STATUS_SPECIAL, "Zvláštní průkopník"},
        {IDS_CHANGES_EXCLUDED, "Změny NEBUDOU ZAHRNUTY do %1 zprávy pro pobočku."},
        {IDS_CHANGES_INCLUDED, "Případné změny BUDOU ZAHRNUTY do %1 zprávy pro pobočku."},
        {IDS_SPECIAL_EXCLUDED, "Zvláštní průkopníci NEJSOU ZAHRNUTI ve zprávě pro pobočku"},
        {IDS_TOTAL_PUBLISHERS, "Celkem zvěstovatelů"},
        {IDS_NAME_CAPTION, "Jméno"},
        {IDS_PHONE_CAPTION, "Telefon"},
        {IDS_LANGUAGE, "cz"},
        {IDS_SHEET_HEADING, "Kontakty pro výběr zpráv"},
        {IDS_QUARTER_BASE + 1, ".25"},
        {IDS_QUARTER_BASE + 2, ".5"},
        {IDS_QUARTER_BASE + 3, ".75"},
        {IDS_QUARTER_BASE + 4, "1"},
        {IDS_COLUMN_FIRST + 0, "Publ"},
        {IDS_COLUMN_FIRST + 1, "Videa"},
        {IDS_COLUMN_FIRST + 2, "Hod"},
        {IDS_COLUMN_FIRST + 3, "ON"},
        {IDS_COLUMN_FIRST + 4, "BS"},
        {IDS_UNDER_ONE_HOUR_TIP, "Méne než 1 hodina"},
        {IDS_PARTICIPATION_TIP, "Účast na nějakém druhu služby"},
        {IDS_YES, "Ano"},
        {IDS_SAVE_FAILED_QUIT, "Zprávy nebyly uloženy. Ukončit program přesto?"},
        {IDS_FILE_CHANGED, "Soubor %1 byl od načtení změněn. Přepsat ho zadanými zprávami?"},
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

TEST(StringTable, EveryTextIsWellFormedUtf8)
{
    int count = 0;
    for (int id = 0; id < 2000; ++id) {
        if (!HasResString(id))
            continue;
        ++count;
        const std::string text = ResString(id);
        EXPECT_FALSE(text.empty()) << "id " << id;
        EXPECT_TRUE(IsValidUtf8(text)) << "id " << id;
    }
    // The 69 texts the program uses: months, tips, labels and messages.
    EXPECT_GE(count, 69);
}

} // namespace
} // namespace vak
