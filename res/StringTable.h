// The program's string table (UTF-8) and the helpers that fill "%1"/"%2" into its texts.
#pragma once

#include <string>
#include <string_view>

namespace vak {

// The text of string-table `id` (empty when the table has no such id). When `secondId` is not 0,
// every "%1" in it is replaced by the text of `secondId`. Returned by value, so a later call
// never changes an earlier result.
std::string ResString(int id, int secondId = 0);

// `pattern` with every "%1" replaced by `first` and every "%2" by `second`.
std::string FormatText(std::string_view pattern, std::string_view first, std::string_view second = {});

// Whether the table holds `id`.
bool HasResString(int id);

// Month name, "Leden" .. "Prosinec", of month 0..11.
std::string MonthName(int month);

// Fixed English texts that stand outside the string table.
inline constexpr const char* TEXT_LOW_MEMORY = "Low Memory";
inline constexpr const char* TEXT_NO_PRINTER = "No Printer";
inline constexpr const char* TEXT_NO_HDC = "no hdc";
inline constexpr const char* TEXT_NO_TELEPHONY = "Telephone service not available";
inline constexpr const char* TEXT_BAD_PROCADDRESS = "bad procaddress";
inline constexpr const char* TEXT_MAIL_MISSING = "Unable to load mail system support.";
inline constexpr const char* TEXT_MAIL_INVALID = "Mail system DLL is invalid.";
inline constexpr const char* TEXT_MAIL_FAILED = "Send Mail failed to send message.";
inline constexpr const char* TEXT_ENTER_POSITIVE_INTEGER = "Please enter a positive integer.";
inline constexpr const char* TEXT_ENTER_INTEGER_BETWEEN = "Please enter an integer between %1 and %2.";
// Fixed Czech texts of the core that have no string-table id.
inline constexpr const char* TEXT_NOTES_FULL = "Mimo prostor pro poznámky";
inline constexpr const char* TEXT_GROUP_TOO_SMALL = "Skupina má méně než 3 zvěstovatele";

// String-table ids used by the core and the windows.
enum StringId : int {
    IDS_ABOUTBOX = 101,              // "&O programu Vak..."
    IDS_MONTH_FIRST = 102,           // 102 "Leden" .. 113 "Prosinec"
    IDS_CHANGE_MONTH = 114,          // "Změna &měs. (opožděné zpr.)"
    IDS_OK_CAPTION = 1000,           // "Zvěst. - %1"
    IDS_MISSING_COUNT = 1001,        // "%1 - neodevzdané zprávy"
    IDS_OPEN_TITLE = 1002,
    IDS_OPEN_FILTER = 1003,
    IDS_HOURS_UNIT = 1014,           // "Hod", in the credit note and label
    IDS_NOTES_CAPTION = 1019,        // "Poznámky"
    IDS_AUX_PIONEER_MARK = 1020,     // "PoP"
    IDS_APPOINTMENT_BASE = 1022,     // + appointment 1..3
    IDS_STATUS_AUXILIARY = 1026,     // "Pomocný průkopník"
    IDS_STATUS_REGULAR = 1027,       // "Pravidelný průkopník"
    IDS_STATUS_SPECIAL = 1029,       // "Zvláštní průkopník"
    IDS_WARNING_ALREADY_SENT = 1030, // "- VÝSTRAHA -   Již jste zaslali %1 zprávu za %2."
    IDS_CHANGES_EXCLUDED = 1031,     // "Změny NEBUDOU ZAHRNUTY do %1 zprávy pro pobočku."
    IDS_CHANGES_INCLUDED = 1032,     // "Případné změny BUDOU ZAHRNUTY do %1 zprávy pro pobočku."
    IDS_REPORT_SAVED = 1038,
    IDS_SEND_QUESTION = 1039,
    IDS_SEND_LATER = 1040,
    IDS_SEND_OR = 1041,
    IDS_MAIL_SUBJECT = 1042,
    IDS_MAIL_BODY = 1043,
    IDS_GROUP = 1058,                // "Skupina"
    IDS_TIPS_FIRST = 1059,           // 1059 .. 1066
    IDS_TIPS_LAST = 1066,
    IDS_TOTAL_PUBLISHERS = 1116,     // "Celkem zvěstovatelů"
    IDS_NAME_CAPTION = 1167,         // "Jméno"
    IDS_PHONE_CAPTION = 1168,        // "Telefon"
    IDS_REPORTED_CAPTION = 1188,     // "%1 - odevzdané zprávy"
    IDS_SPECIAL_EXCLUDED = 1194,     // "Zvláštní průkopníci NEJSOU ZAHRNUTI ve zprávě pro pobočku"
    IDS_LANGUAGE = 1198,             // "cz"
    IDS_CREATE_ERROR = 1231,
    IDS_SHEET_HEADING = 1247,        // "Kontakty pro výběr zpráv"
    IDS_QUARTER_BASE = 1322,         // + quarter code 1..4: ".25", ".5", ".75", "1"
    IDS_COLUMN_FIRST = 1415,         // 1415 "Publ" .. 1419 "BS"
    IDS_REMINDER_TEXT = 1422,        // "Předložte prosím váš přehled za %1. \nDěkuji."
    IDS_UNDER_ONE_HOUR_TIP = 1485,   // "Méne než 1 hodina"
    IDS_PARTICIPATION_TIP = 1495,    // "Účast na nějakém druhu služby"
    IDS_YES = 1496,                  // "Ano"
    IDS_SAVE_FAILED_QUIT = 1500,     // "Zprávy nebyly uloženy. Ukončit program přesto?"
    IDS_FILE_CHANGED = 1501,         // "Soubor %1 byl od načtení změněn. ..."
    IDS_FILE_INVALID = 1502,         // "Soubor %1 není platný seznam skupiny a nebude načten."
    IDS_KEPT_COPY = 1503,            // "Soubor %1 nemohl převzít zadané zprávy ... v novém souboru %2."
    IDS_PRINT_FAILED = 1504,         // "Tisk se nezdařil: %1", with the system's reason
    IDS_ADDRESS_REFUSED = 1505,      // "E-mailovou adresu %1 nelze bezpečně předat ..."
    IDS_PRINTER_REFUSED = 1506,      // "tiskárna %1 úlohu nepřijala", a reason for 1504
    IDS_PATH_UNREADABLE = 1507,      // "Soubor %1 se nepodařilo otevřít: %2", the start-up path
    IDS_PDF_IS_GROUP_FILE = 1508,    // "Do souboru %1 nelze uložit PDF: je to otevřený seznam ..."
    IDS_PDF_FAILED = 1509,           // "PDF se nepodařilo uložit do souboru %1: %2"
    IDS_NO = 1510,                   // "Ne", with IDS_YES the answers of a question
    IDS_CANCEL = 1511,               // "Zrušit"
    IDS_OPEN = 1512,                 // "Otevřít", the file dialog's button
    IDS_PRINT = 1513,                // "Tisk", the print dialog's button
    // The month at a glance: reminding everyone still missing, and the month's totals.
    IDS_REMIND_ALL = 1514,           // "Připomenout všem neodevzdaným...", main window button
    IDS_MONTH_SUMMARY = 1515,        // "Souhrn měsíce", main window button
    IDS_REMIND_TITLE = 1516,         // "%1 - připomenout neodevzdané zprávy"
    IDS_REMIND_LIST_CAPTION = 1517,  // "Zvěstovatelé &bez zprávy:"
    IDS_REMIND_HINT = 1518,          // "Mezerník označí, ...; Enter vytočí telefon."
    IDS_NO_EMAIL = 1519,             // "bez e-mailu"
    IDS_SUBJECT_LINE = 1520,         // "Předmět: %1"
    IDS_DIAL_BUTTON = 1521,          // "&Vytočit"
    IDS_SEND_BUTTON = 1522,          // "&Odeslat"
    IDS_CLOSE_BUTTON = 1523,         // "&Zavřít"
    IDS_REMIND_PROGRESS = 1524,      // "Předávám připomínku %1 z %2..."
    IDS_REMIND_HANDED = 1525,        // "Poštovnímu programu předány připomínky: %1 z %2."
    IDS_REMIND_FAILED = 1526,        // "Nepředáno:"
    IDS_REMIND_CANCELLED = 1527,     // "Odesílání bylo přerušeno."
    IDS_NOBODY_MISSING = 1528,       // "Zprávu za %1 už odevzdali všichni."
    IDS_SUMMARY_TITLE = 1529,        // "%1 - %2 - souhrn měsíce": month and year, group
    IDS_STATUS_ROW_FIRST = 1530,     // + status 0..3: "Zvěstovatelé" .. "Zvláštní průkopníci"
    IDS_FIGURE_REPORTED = 1534,      // "odevzdali"
    IDS_FIGURE_PARTICIPATED = 1535,  // "účast"
    IDS_FIGURE_CREDIT = 1536,        // "kredit"
    IDS_LATE_REPORTS = 1537,         // "Opožděné zprávy za %1"
    IDS_COPY_BUTTON = 1538,          // "&Kopírovat"
    IDS_PRINT_BUTTON = 1539,         // "&Tisknout"
    IDS_PRINTER_SETUP_BUTTON = 1540, // "&Nastavení tiskárny"
    IDS_TIPS_MONTH = 1541,           // the tip on the two commands, shown after 1059 .. 1066
    IDS_SAVE_PDF_BUTTON = 1542,      // "Uložit jako &PDF..."
    IDS_SAVE_PDF_TITLE = 1543,       // "Uložit jako PDF", the file dialog's title
    IDS_PDF_FILES = 1544,            // "Dokumenty PDF", the file dialog's filter
    IDS_MAIL_FAILED_LATER = 1545,    // "E-mail pro %1 poštovní program nakonec nepřevzal: %2"
    // The year at a glance.
    IDS_YEAR_TITLE = 1546,           // "%1 - %2 - přehled roku": month and year, group
    IDS_YEAR_MISSING_LAST_6 = 1547,  // "Chybí za 6 měs.", missing months among the last six
    IDS_YEAR_SERVICE_YEAR = 1548,    // "Služební rok (hod)", the service year's hours
    IDS_YEAR_REPORTED_ROW = 1549,    // "Odevzdané zprávy", the count of reports of each month
    IDS_MONTH_SHORT_FIRST = 1550,    // + month 0..11: "Led" .. "Pro"
    IDS_YEAR_BUTTON = 1562,          // "Přehled &roku...", in the month's totals
    IDS_YEAR_TABLE = 1563,           // "Přehled roku", the table's name for a screen reader
    IDS_YEAR_MISSING_CELL = 1564,    // "chybí", what a screen reader says of a missing month
};

} // namespace vak
