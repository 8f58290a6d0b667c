// The about box (100), the main window (102), the report entry (107), the print preview (115),
// reminding everyone still missing (116), the month's totals (117) and the year at a glance
// (118) as tables, in template order. The texts of the last three and of the main window's
// buttons for them are string-table texts, which their windows put in when they open.
#include "res/DialogTemplates.h"

namespace vak {

namespace {

constexpr DialogControl ABOUT_CONTROLS[] = {
    {IDC_STATIC, ControlKind::Icon, STYLE_NONE, "", 11, 11, 20, 20},
    {IDC_STATIC, ControlKind::Static, STYLE_NO_PREFIX, "Vak verze 5", 40, 10, 77, 8},
    {IDC_STATIC, ControlKind::Static, STYLE_NONE, "Pro dozorce skupiny", 40, 24, 70, 8},
    {IDOK, ControlKind::DefPushButton, STYLE_NONE, "OK", 133, 15, 43, 14},
    {IDC_STATIC, ControlKind::Static, STYLE_NONE, "Měsíční zprávy z kazatelské služby", 10, 64, 167, 8},
    {IDC_STATIC, ControlKind::Static, STYLE_NONE,
     "Requires Zazuda.t09 files from Kelvora Version 10 or later", 10, 41, 167, 18},
};

constexpr unsigned LIST_STYLE =
    STYLE_NOTIFY | STYLE_VSCROLL | STYLE_BORDER | STYLE_NO_INTEGRAL_HEIGHT | STYLE_SORTED;

constexpr DialogControl MAIN_CONTROLS[] = {
    {IDC_PUBLISHER_LIST, ControlKind::ListBox, LIST_STYLE, "", 10, 10, 118, 139, "Zvěstovatelé"},
    {IDOK, ControlKind::DefPushButton, STYLE_NONE, "OK", 138, 135, 171, 14},
    {IDCANCEL, ControlKind::PushButton, STYLE_NONE, "Zavřít program", 236, 177, 73, 13},
    {IDC_FILTER, ControlKind::CheckBox, STYLE_HIDDEN, "Omezit na neodevzdané zprávy", 148, 107, 154, 10},
    {IDC_STATIC, ControlKind::GroupBox, STYLE_NONE, " Zadávání skončeno u ", 10, 162, 118, 29},
    {IDC_LAST_ENTERED, ControlKind::Static, STYLE_CENTRED, "", 18, 175, 103, 9},
    {IDC_LOAD_LIST, ControlKind::PushButton, STYLE_NONE, "Načíst nový list od tajemníka", 138, 10, 171, 13},
    {IDC_PREVIEW, ControlKind::PushButton, STYLE_HIDDEN, "Náhled a tisk listu se zprávami", 138, 28, 171, 13},
    {IDC_SEND_REPORT, ControlKind::PushButton, STYLE_HIDDEN, "Odeslat aktualizovaný list tajemníkovi",
     138, 46, 171, 13},
    {IDC_STATIC, ControlKind::EtchedFrame, STYLE_NONE, "", 138, 64, 172, 61},
    {IDC_TOTAL_COUNT, ControlKind::Static, STYLE_NONE, "", 148, 75, 152, 8},
    {IDC_MISSING_COUNT, ControlKind::Static, STYLE_NONE, "", 148, 92, 152, 8},
    {IDC_DIAL, ControlKind::PushButton, STYLE_HIDDEN, "Vytočit", 138, 156, 37, 13},
    {IDC_PHONE, ControlKind::Static, STYLE_CENTRED, "", 182, 159, 82, 8},
    {IDC_NEXT_PHONE, ControlKind::PushButton, STYLE_HIDDEN, "> > >", 272, 156, 37, 13},
    {IDC_HELP_TIPS, ControlKind::PushButton, STYLE_NONE, "Pomoc", 137, 177, 75, 13},
    {IDC_SEND_REMINDER, ControlKind::PushButton, STYLE_HIDDEN, "", 137, 195, 172, 13, "E-mail"},
    {IDC_PREVIEW_REMINDER, ControlKind::PushButton, STYLE_HIDDEN, "Náhled e-mailu", 9, 195, 118, 13},
    // The month at a glance, in a row below the others: the window is 18 units taller for it.
    {IDC_MONTH_SUMMARY, ControlKind::PushButton, STYLE_HIDDEN, "", 9, 213, 118, 13},
    {IDC_REMIND_ALL, ControlKind::PushButton, STYLE_HIDDEN, "", 137, 213, 172, 13},
};

constexpr unsigned PARTICIPATION_STYLE = STYLE_LEFT_TEXT | STYLE_CENTRED | STYLE_MULTILINE;
constexpr unsigned MONTH_LIST_STYLE = STYLE_BORDER | STYLE_NOTIFY | STYLE_NO_INTEGRAL_HEIGHT;

constexpr DialogControl ENTRY_CONTROLS[] = {
    {IDC_PARTICIPATION, ControlKind::CheckBox, PARTICIPATION_STYLE, "Účast na službě", 16, 54, 54, 16},
    {IDC_PUBLICATIONS, ControlKind::Edit, STYLE_BORDER, "", 14, 55, 26, 12},
    {IDC_VIDEOS, ControlKind::Edit, STYLE_BORDER, "", 45, 55, 26, 12},
    {IDC_HOURS, ControlKind::Edit, STYLE_BORDER, "", 76, 55, 26, 12},
    {IDC_RETURN_VISITS, ControlKind::Edit, STYLE_BORDER, "", 107, 55, 26, 12},
    {IDC_STUDIES, ControlKind::Edit, STYLE_BORDER, "", 138, 55, 26, 12},
    {IDOK, ControlKind::DefPushButton, STYLE_NONE, "&OK", 212, 81, 54, 14},
    {IDCANCEL, ControlKind::PushButton, STYLE_NONE, "&Zrušit", 212, 57, 54, 14},
    {IDC_STATIC, ControlKind::GroupBox, STYLE_NONE, "", 10, 30, 158, 44},
    {IDC_SHOWN_MONTH, ControlKind::Static, STYLE_CENTRED, "", 151, 6, 51, 9},
    {IDC_HEADING_FIRST, ControlKind::Static, STYLE_CENTRED, "", 14, 42, 25, 10, "", IDC_PUBLICATIONS},
    {IDC_HEADING_FIRST + 1, ControlKind::Static, STYLE_CENTRED, "", 45, 42, 25, 10, "", IDC_VIDEOS},
    {IDC_HEADING_FIRST + 2, ControlKind::Static, STYLE_CENTRED, "", 76, 42, 25, 10, "", IDC_HOURS},
    {IDC_HEADING_FIRST + 3, ControlKind::Static, STYLE_CENTRED, "", 107, 42, 25, 10, "", IDC_RETURN_VISITS},
    {IDC_HEADING_FIRST + 4, ControlKind::Static, STYLE_CENTRED, "", 138, 42, 25, 10, "", IDC_STUDIES},
    {IDC_STATIC, ControlKind::EtchedFrame, STYLE_NONE, "", 150, 3, 54, 15},
    {IDC_PUBLISHER_NAME, ControlKind::Static, STYLE_NONE, "", 17, 7, 120, 8},
    {IDC_STATIC, ControlKind::EtchedFrame, STYLE_NONE, "", 10, 3, 133, 15},
    {IDC_STATUS, ControlKind::Static, STYLE_NONE, "", 128, 22, 74, 8},
    {IDC_APPOINTMENT, ControlKind::Static, STYLE_NONE, "", 10, 22, 109, 8},
    {IDC_MONTH_LIST, ControlKind::ListBox, MONTH_LIST_STYLE, "", 212, 3, 54, 99, "Měsíc"},
    {IDC_CHANGE_MONTH, ControlKind::PushButton, STYLE_NONE, "", 10, 81, 141, 14},
    {IDC_STATIC, ControlKind::GroupBox, STYLE_NONE, "", 10, 101, 256, 41},
    {IDC_WARNING, ControlKind::Static, STYLE_ANNOUNCED, "", 15, 110, 245, 28},
    {IDC_MONTH_LIST_DONE, ControlKind::PushButton, STYLE_NONE, "&OK", 65, 81, 50, 14},
    {IDC_NOTES, ControlKind::PushButton, STYLE_NONE, "&Poznámky", 212, 34, 54, 14},
    {IDC_NOTE, ControlKind::Edit, STYLE_BORDER, "", 22, 82, 116, 13, "Poznámky"},
    {IDC_GROUP_LABEL, ControlKind::Static, STYLE_CENTRED, "", 214, 6, 46, 10},
    {IDC_CREDIT, ControlKind::Static, STYLE_CENTRED | STYLE_ANNOUNCED, "", 143, 83, 56, 9},
    {IDC_AUX_PIONEER, ControlKind::CheckBox, STYLE_HIDDEN, "Pomocný průkopník", 124, 22, 84, 10},
    {IDC_UNDER_ONE_HOUR, ControlKind::CheckBox, STYLE_NONE, "<1 h", 174, 56, 30, 10},
};

// The print preview; its caption is set when it opens.
constexpr DialogControl PREVIEW_CONTROLS[] = {
    {IDCANCEL, ControlKind::PushButton, STYLE_NONE, "&Zavřít", 320, 184, 66, 14},
    {IDC_PRINT, ControlKind::PushButton, STYLE_NONE, "&Tisknout", 143, 184, 60, 14},
    {IDC_SAVE_PDF, ControlKind::PushButton, STYLE_NONE, "Uložit jako &PDF...", 208, 184, 76, 14},
    {IDC_PRINTER_SETUP, ControlKind::PushButton, STYLE_NONE, "Nastavení &tiskárny", 72, 184, 66, 14},
    {IDC_PREVIEW_PANE, ControlKind::OwnerDrawButton, STYLE_NO_TABSTOP, "", 6, 4, 383, 173, "Náhled listu"},
    {IDC_STATIC, ControlKind::EtchedFrame, STYLE_NONE, "", 5, 3, 386, 178},
    {IDC_PREV_PAGE, ControlKind::PushButton, STYLE_NONE, "< < <", 5, 184, 26, 14},
    {IDC_NEXT_PAGE, ControlKind::PushButton, STYLE_NONE, "> > >", 40, 184, 26, 14},
};

constexpr unsigned LINES_STYLE = STYLE_NOTIFY | STYLE_VSCROLL | STYLE_BORDER | STYLE_NO_INTEGRAL_HEIGHT;

// Reminding everyone still missing; its caption is set when it opens.
constexpr DialogControl REMIND_ALL_CONTROLS[] = {
    {IDC_REMIND_CAPTION, ControlKind::Static, STYLE_NONE, "", 7, 6, 346, 9, "", IDC_REMIND_LIST},
    {IDC_REMIND_LIST, ControlKind::ListBox, LINES_STYLE, "", 7, 16, 346, 120, "Zvěstovatelé bez zprávy"},
    {IDC_REMIND_HINT, ControlKind::Static, STYLE_NONE, "", 7, 139, 346, 9},
    {IDC_STATIC, ControlKind::EtchedFrame, STYLE_NONE, "", 7, 151, 346, 45},
    {IDC_REMIND_SUBJECT, ControlKind::Static, STYLE_NO_PREFIX, "", 14, 157, 332, 9},
    {IDC_REMIND_TEXT, ControlKind::Static, STYLE_NO_PREFIX, "", 14, 169, 332, 22},
    {IDC_REMIND_DIAL, ControlKind::PushButton, STYLE_NONE, "", 7, 204, 56, 14},
    {IDC_REMIND_SEND, ControlKind::PushButton, STYLE_NONE, "", 236, 204, 56, 14},
    {IDCANCEL, ControlKind::PushButton, STYLE_NONE, "", 297, 204, 56, 14},
};

// The month's totals; its caption is set when it opens.
constexpr DialogControl MONTH_SUMMARY_CONTROLS[] = {
    {IDC_SUMMARY_LIST, ControlKind::ListBox, LINES_STYLE, "", 7, 7, 356, 158, "Souhrn měsíce"},
    {IDC_SUMMARY_COPY, ControlKind::PushButton, STYLE_NONE, "", 7, 172, 55, 14},
    {IDC_SUMMARY_PRINT, ControlKind::PushButton, STYLE_NONE, "", 66, 172, 58, 14},
    {IDC_SUMMARY_SAVE_PDF, ControlKind::PushButton, STYLE_NONE, "", 128, 172, 82, 14},
    {IDC_SUMMARY_PRINTER_SETUP, ControlKind::PushButton, STYLE_NONE, "", 214, 172, 84, 14},
    {IDC_SUMMARY_YEAR, ControlKind::PushButton, STYLE_NONE, "", 7, 190, 90, 14},
    {IDCANCEL, ControlKind::DefPushButton, STYLE_NONE, "", 303, 172, 60, 14},
};

// The year at a glance; its caption and table are filled when it opens.
constexpr DialogControl YEAR_OVERVIEW_CONTROLS[] = {
    {IDC_YEAR_TABLE, ControlKind::Table, STYLE_BORDER, "", 7, 7, 456, 210, "Přehled roku"},
    {IDC_YEAR_COPY, ControlKind::PushButton, STYLE_NONE, "", 7, 224, 55, 14},
    {IDC_YEAR_PRINT, ControlKind::PushButton, STYLE_NONE, "", 66, 224, 58, 14},
    {IDC_YEAR_SAVE_PDF, ControlKind::PushButton, STYLE_NONE, "", 128, 224, 82, 14},
    {IDC_YEAR_PRINTER_SETUP, ControlKind::PushButton, STYLE_NONE, "", 214, 224, 84, 14},
    {IDCANCEL, ControlKind::DefPushButton, STYLE_NONE, "", 403, 224, 60, 14},
};

constexpr DialogTemplate TEMPLATES[] = {
    {IDD_ABOUTBOX, "O programu Vak", "MS Sans Serif", 10, 184, 78, ABOUT_CONTROLS},
    {IDD_MAIN, "Zprávy z kazatelské služby", "MS Sans Serif", 10, 320, 231, MAIN_CONTROLS},
    {IDD_ENTRY, "", "MS Sans Serif", 10, 275, 146, ENTRY_CONTROLS},
    {IDD_PREVIEW, "", "MS Sans Serif", 8, 394, 202, PREVIEW_CONTROLS},
    {IDD_REMIND_ALL, "", "MS Sans Serif", 10, 360, 225, REMIND_ALL_CONTROLS},
    {IDD_MONTH_SUMMARY, "", "MS Sans Serif", 10, 370, 211, MONTH_SUMMARY_CONTROLS},
    {IDD_YEAR_OVERVIEW, "", "MS Sans Serif", 10, 470, 245, YEAR_OVERVIEW_CONTROLS},
};

} // namespace

std::span<const DialogTemplate> DialogTemplates()
{
    return TEMPLATES;
}

const DialogTemplate* FindDialogTemplate(int id)
{
    for (const DialogTemplate& t : TEMPLATES)
        if (t.id == id)
            return &t;
    return nullptr;
}

} // namespace vak
