// The program's texts, by id (UTF-8), and the helpers that fill "%1"/"%2" into them.
#include "res/StringTable.h"

#include <algorithm>
#include <array>

namespace vak {
namespace {

struct StringEntry {
    int id;
    std::string_view text;
};

// Sorted by id; "\n" is a line break and trailing blanks belong to the text.
constexpr StringEntry STRING_TABLE[] = {
    {101, "&O programu Vak..."},
    {102, "Leden"},
    {103, "Únor"},
    {104, "Březen"},
    {105, "Duben"},
    {106, "Květen"},
    {107, "Červen"},
    {108, "Červenec"},
    {109, "Srpen"},
    {110, "Září"},
    {111, "Říjen"},
    {112, "Listopad"},
    {113, "Prosinec"},
    {114, "Změna &měs. (opožděné zpr.)"},
    {1000, "Zvěst. - %1"},
    {1001, "%1 - neodevzdané zprávy"},
    {1002, "Výběr souboru od tajemníka"},
    {1003, "List se seznamem od tajemníka (.t09)"},
    {1014, "Hod"},
    {1019, "Poznámky"},
    {1020, "PoP"},
    {1023, "Služební pomocník"},
    {1024, "Starší"},
    {1025, "Pokřtěný bratr"},
    {1026, "Pomocný průkopník"},
    {1027, "Pravidelný průkopník"},
    {1029, "Zvláštní průkopník"},
    {1030, "- VÝSTRAHA -   Již jste zaslali %1 zprávu za %2."},
    {1031, "Změny NEBUDOU ZAHRNUTY do %1 zprávy pro pobočku."},
    {1032, "Případné změny BUDOU ZAHRNUTY do %1 zprávy pro pobočku."},
    {1038, "Vaše aktualizované zprávy byly uloženy do souboru %1"},
    {1039, "\n\nKlikněte na Ano pro odeslání souboru .t19 na e-mail "},
    {1040, "Klikněte na Ne pro pozdější odeslání souboru tajemníkovi."},
    {1041, ",\n\n       nebo\n\n"},
    {1042, "Sestavené soubory"},
    {1043, ".t19 soubor pro"},
    {1058, "Skupina"},
    {1059, "Tipy pro používání VAK\n\nOd vašeho tajemníka jste přijali soubor SkupinaX.t09 pro zadání a vytvoření měsíční zprávy.  "},
    {1060, "Kliknutím na ikonu VAK spusťte program a tlačítkem \"Načíst nový list od tajemníka\" otevřete soubor.\n\n"},
    {1061, "Uvidíte, že zadávání zpráv je jednoduché - pouze pomocí klávesnice. Napište první dvě nebo tři písmena příjmení. Nebo použijte šipky nahoru / dolů, vyberte jméno a stiskněte Enter.\n\n"},
    {1062, "Klávesou Enter přeskočíte na zadání dalšího políčka zprávy. Stiskněte klávesu Enter po zadání posledního políčka pro návrat do výběrového seznamu.\n\n"},
    {1063, "Chcete-li zadat poznámku, použijte klávesy Alt+P nebo klepněte na tlačítko Poznámky.  Ukončete klávesou Enter.\n\nChcete-li provést změnu měsíce pro zadání zprávy, použijte Alt+M nebo klepněte na tlačítko Změna měs. (opožděné zpr.).\n\n"},
    {1064, "Zvěstovateli, který odevzdá nulovou zprávu, napište do Poznámky nulu. Vyloučíte ho tak ze seznamu těch, kteří zprávu ještě neodevzdali.\n\n"},
    {1065, "Jakmile VAK zavřete, program automaticky uloží veškeré změny. Pokud máte modem, můžete použít tlačítko Vytočit. Použijte '>>>' pro zobrazení dalších telefonních čísel.\n\n"},
    {1066, "Pokud máte správně nakonfigurovaný e-mailový klient MAPI, můžete e-mailem zpracovaný list se zprávou zaslat tajemníkovi přímo z programu.\nV opačném případě připojte vytvořený soubor do e-mailu ručně nebo předejte tajemníkovi na přenosném médiu.\n\n"},
    {1116, "Celkem zvěstovatelů"},
    {1167, "Jméno"},
    {1168, "Telefon"},
    {1188, "%1 - odevzdané zprávy"},
    {1194, "Zvláštní průkopníci NEJSOU ZAHRNUTI ve zprávě pro pobočku"},
    {1198, "cz"},
    {1231, "Nelze-li vytvořit nový soubor: %1.\nZrušte atribut souboru \"Jen pro čtení\" nebo získejte oprávnění k vytváření souborů v tomto adresáři."},
    {1247, "Kontakty pro výběr zpráv"},
    {1323, ".25"},
    {1324, ".5"},
    {1325, ".75"},
    {1326, "1"},
    {1415, "Publ"},
    {1416, "Videa"},
    {1417, "Hod"},
    {1418, "ON"},
    {1419, "BS"},
    {1422, "Předložte prosím váš přehled za %1. \nDěkuji."},
    {1485, "Méne než 1 hodina"},
    {1495, "Účast na nějakém druhu služby"},
    {1496, "Ano"},
    {1500, "Zprávy nebyly uloženy. Ukončit program přesto?"},
    {1501, "Soubor %1 byl od načtení změněn. Přepsat ho zadanými zprávami?"},
    {1502, "Soubor %1 není platný seznam skupiny a nebude načten."},
    {1503, "Soubor %1 nemohl převzít zadané zprávy a zůstal beze změny. Zprávy jsou uloženy v novém souboru %2."},
    {1504, "Tisk se nezdařil: %1"},
    {1505, "E-mailovou adresu %1 nelze bezpečně předat poštovnímu programu, e-mail proto nebyl odeslán."},
    {1506, "tiskárna %1 úlohu nepřijala"},
    {1507, "Soubor %1 se nepodařilo otevřít: %2"},
    {1508, "Do souboru %1 nelze uložit PDF: je to otevřený seznam skupiny nebo jeho aktualizovaný list."},
    {1509, "PDF se nepodařilo uložit do souboru %1: %2"},
    {1510, "Ne"},
    {1511, "Zrušit"},
    {1512, "Otevřít"},
    {1513, "Tisk"},
    {1514, "Připomenout všem neodevzdaným..."},
    {1515, "Souhrn měsíce"},
    {1516, "%1 - připomenout neodevzdané zprávy"},
    {1517, "Zvěstovatelé &bez zprávy:"},
    {1518, "Mezerník označí, komu připomínka odejde; Enter vytočí telefon."},
    {1519, "bez e-mailu"},
    {1520, "Předmět: %1"},
    {1521, "&Vytočit"},
    {1522, "&Odeslat"},
    {1523, "&Zavřít"},
    {1524, "Předávám připomínku %1 z %2..."},
    {1525, "Poštovnímu programu předány připomínky: %1 z %2."},
    {1526, "Nepředáno:"},
    {1527, "Odesílání bylo přerušeno."},
    {1528, "Zprávu za %1 už odevzdali všichni."},
    {1529, "%1 - %2 - souhrn měsíce"},
    {1530, "Zvěstovatelé"},
    {1531, "Pomocní průkopníci"},
    {1532, "Pravidelní průkopníci"},
    {1533, "Zvláštní průkopníci"},
    {1534, "odevzdali"},
    {1535, "účast"},
    {1536, "kredit"},
    {1537, "Opožděné zprávy za %1"},
    {1538, "&Kopírovat"},
    {1539, "&Tisknout"},
    {1540, "&Nastavení tiskárny"},
    {1541, "Na konci měsíce pošle tlačítko \"Připomenout všem neodevzdaným...\" připomínku e-mailem každému, kdo ještě neodevzdal zprávu (mezerníkem ho lze vynechat), a ukáže telefony těch, kdo e-mail nemají. Tlačítko \"Souhrn měsíce\" ukáže počty a součty skupiny za měsíc; Ctrl+C je zkopíruje, lze je i vytisknout. Ze seznamu se k oběma tlačítkům dostanete klávesami Shift+Tab.\n\n"},
    {1542, "Uložit jako &PDF..."},
    {1543, "Uložit jako PDF"},
    {1544, "Dokumenty PDF"},
    {1545, "E-mail pro %1 poštovní program nakonec nepřevzal: %2"},
    {1546, "%1 - %2 - přehled roku"},
    {1547, "Chybí za 6 měs."},
    {1548, "Služební rok (hod)"},
    {1549, "Odevzdané zprávy"},
    {1550, "Led"},
    {1551, "Úno"},
    {1552, "Bře"},
    {1553, "Dub"},
    {1554, "Kvě"},
    {1555, "Čvn"},
    {1556, "Čvc"},
    {1557, "Srp"},
    {1558, "Zář"},
    {1559, "Říj"},
    {1560, "Lis"},
    {1561, "Pro"},
    {1562, "Přehled &roku..."},
    {1563, "Přehled roku"},
    {1564, "chybí"},
};

constexpr bool IsSortedById()
{
    return std::is_sorted(std::begin(STRING_TABLE), std::end(STRING_TABLE),
                          [](const StringEntry& a, const StringEntry& b) { return a.id < b.id; })
        && std::adjacent_find(std::begin(STRING_TABLE), std::end(STRING_TABLE),
                              [](const StringEntry& a, const StringEntry& b) {
                                  return a.id == b.id;
                              }) == std::end(STRING_TABLE);
}
static_assert(IsSortedById(), "the string table must be sorted by id, each id once");

const StringEntry* FindEntry(int id)
{
    const auto* it = std::lower_bound(std::begin(STRING_TABLE), std::end(STRING_TABLE), id,
                                      [](const StringEntry& e, int key) { return e.id < key; });
    if (it == std::end(STRING_TABLE) || it->id != id)
        return nullptr;
    return it;
}

std::string_view TextOf(int id)
{
    const StringEntry* entry = FindEntry(id);
    return entry ? entry->text : std::string_view{};
}

} // namespace

std::string ResString(int id, int secondId)
{
    const std::string_view text = TextOf(id);
    if (secondId == 0)
        return std::string(text);
    // Only "%1" is filled here; a "%2" of the text stays for a later FormatText.
    return FormatText(text, TextOf(secondId), "%2");
}

std::string FormatText(std::string_view pattern, std::string_view first, std::string_view second)
{
    // One pass over the pattern: text filled in is never searched for markers again.
    std::string result;
    result.reserve(pattern.size() + first.size() + second.size());
    std::size_t pos = 0;
    while (pos < pattern.size()) {
        if (pattern[pos] == '%' && pos + 1 < pattern.size()
            && (pattern[pos + 1] == '1' || pattern[pos + 1] == '2')) {
            result += pattern[pos + 1] == '1' ? first : second;
            pos += 2;
        } else {
            result += pattern[pos];
            ++pos;
        }
    }
    return result;
}

bool HasResString(int id)
{
    return FindEntry(id) != nullptr;
}

std::string MonthName(int month)
{
    if (month < 0 || month >= 12)
        return {};
    return ResString(IDS_MONTH_FIRST + month);
}

} // namespace vak
