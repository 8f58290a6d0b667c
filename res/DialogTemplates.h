// The dialog templates of the program as data: one table per dialog, controls in template order
// (which is also the tab order), positions in dialog units.
#pragma once

#include <span>

namespace vak {

// Control identifiers shared by the templates and the windows that handle them.
inline constexpr int IDC_STATIC = -1;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// Main window (template 102).
inline constexpr int IDC_LOAD_LIST = 3;
inline constexpr int IDC_SEND_REPORT = 4;
inline constexpr int IDC_PREVIEW = 5;
inline constexpr int IDC_LAST_ENTERED = 133;
inline constexpr int IDC_PUBLISHER_LIST = 138;
inline constexpr int IDC_FILTER = 162;
inline constexpr int IDC_MISSING_COUNT = 1000;
inline constexpr int IDC_TOTAL_COUNT = 1001;
inline constexpr int IDC_PHONE = 1002;
inline constexpr int IDC_DIAL = 1003;
inline constexpr int IDC_NEXT_PHONE = 1004;
inline constexpr int IDC_HELP_TIPS = 1005;
inline constexpr int IDC_SEND_REMINDER = 1006;
inline constexpr int IDC_PREVIEW_REMINDER = 1007;
inline constexpr int IDC_MONTH_SUMMARY = 1008;    // "Souhrn měsíce"
inline constexpr int IDC_REMIND_ALL = 1009;       // "Připomenout všem neodevzdaným..."

// Reminding everyone still missing (template 116).
inline constexpr int IDC_REMIND_CAPTION = 1101;   // names the list, with its mnemonic
inline constexpr int IDC_REMIND_LIST = 1102;      // one line a publisher, ticked to be reminded
inline constexpr int IDC_REMIND_HINT = 1103;
inline constexpr int IDC_REMIND_SUBJECT = 1104;
inline constexpr int IDC_REMIND_TEXT = 1105;
inline constexpr int IDC_REMIND_DIAL = 1106;
inline constexpr int IDC_REMIND_SEND = 1107;

// The month's totals (template 117).
inline constexpr int IDC_SUMMARY_LIST = 1111;     // one line a figure group
inline constexpr int IDC_SUMMARY_COPY = 1112;
inline constexpr int IDC_SUMMARY_PRINT = 1113;
inline constexpr int IDC_SUMMARY_PRINTER_SETUP = 1114;
inline constexpr int IDC_SUMMARY_SAVE_PDF = 1115;
inline constexpr int IDC_SUMMARY_YEAR = 1116;     // "Přehled roku..."

// The year at a glance (template 118).
inline constexpr int IDC_YEAR_TABLE = 1121;       // a row a publisher, a column a month
inline constexpr int IDC_YEAR_COPY = 1122;
inline constexpr int IDC_YEAR_PRINT = 1123;
inline constexpr int IDC_YEAR_SAVE_PDF = 1124;
inline constexpr int IDC_YEAR_PRINTER_SETUP = 1125;

// Print preview (template 115).
inline constexpr int IDC_PRINT = 3;
inline constexpr int IDC_PRINTER_SETUP = 129;
inline constexpr int IDC_PREVIEW_PANE = 130;
inline constexpr int IDC_PREV_PAGE = 1004;
inline constexpr int IDC_NEXT_PAGE = 1005;
inline constexpr int IDC_SAVE_PDF = 1006;
// Report entry dialog (template 107).
inline constexpr int IDC_NOTES = 3;             // "&Poznámky": opens the note field
inline constexpr int IDC_CHANGE_MONTH = 129;    // opens the month list
inline constexpr int IDC_PUBLICATIONS = 139;    // fields 139..143 in the order of the monthly values
inline constexpr int IDC_VIDEOS = 140;
inline constexpr int IDC_HOURS = 141;
inline constexpr int IDC_RETURN_VISITS = 142;
inline constexpr int IDC_STUDIES = 143;
inline constexpr int IDC_SHOWN_MONTH = 146;
inline constexpr int IDC_HEADING_FIRST = 147;   // 147..151, the column headings of 139..143
inline constexpr int IDC_CREDIT = 152;
inline constexpr int IDC_PUBLISHER_NAME = 154;
inline constexpr int IDC_STATUS = 155;
inline constexpr int IDC_APPOINTMENT = 156;
inline constexpr int IDC_MONTH_LIST = 158;
inline constexpr int IDC_WARNING = 159;
inline constexpr int IDC_MONTH_LIST_DONE = 160;
inline constexpr int IDC_NOTE = 163;
inline constexpr int IDC_GROUP_LABEL = 270;
inline constexpr int IDC_AUX_PIONEER = 1050;
inline constexpr int IDC_UNDER_ONE_HOUR = 1125;
inline constexpr int IDC_PARTICIPATION = 1126;

// Template ids.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_MAIN = 102;
inline constexpr int IDD_PREVIEW = 115;
inline constexpr int IDD_ENTRY = 107;
inline constexpr int IDD_REMIND_ALL = 116;
inline constexpr int IDD_MONTH_SUMMARY = 117;
inline constexpr int IDD_YEAR_OVERVIEW = 118;
inline constexpr int IDR_MAINFRAME = 128;   // the application icon

enum class ControlKind {
    Icon,           // the application icon
    Static,         // static text
    GroupBox,       // framed group with a title
    EtchedFrame,    // an etched rectangle without text
    ListBox,
    PushButton,
    DefPushButton,  // the default push button
    CheckBox,       // automatic check box
    OwnerDrawButton, // a button whose window draws it entirely
    Edit,           // single-line edit field
    Table,          // read-only rows and columns of texts with headings, moved through by cell
};

// Style bits beyond the kind.
enum ControlStyle : unsigned {
    STYLE_NONE = 0,
    STYLE_HIDDEN = 1u << 0,      // created invisible
    STYLE_CENTRED = 1u << 1,     // text centred
    STYLE_NO_PREFIX = 1u << 2,   // "&" is shown, not taken as a mnemonic
    STYLE_VSCROLL = 1u << 3,     // vertical scroll bar
    STYLE_BORDER = 1u << 4,
    STYLE_NOTIFY = 1u << 5,      // reports clicks and selection changes to the dialog
    STYLE_NO_INTEGRAL_HEIGHT = 1u << 6,
    STYLE_SORTED = 1u << 7,      // carried for completeness; entries are inserted by position
    STYLE_NO_TABSTOP = 1u << 8,  // never takes the keyboard focus
    STYLE_LEFT_TEXT = 1u << 9,   // check box: the text stands left of the box
    STYLE_MULTILINE = 1u << 10,  // check box: the text wraps onto further lines
    STYLE_ANNOUNCED = 1u << 11,  // static text: a screen reader is told its new text when it changes
};

struct DialogControl {
    int id;              // IDC_STATIC for controls the code never addresses
    ControlKind kind;
    unsigned style;      // ControlStyle bits
    const char* text;    // UTF-8
    int x, y, w, h;      // dialog units
    // What a screen reader calls a control that has no caption of its own beside it (a list, a
    // field without a label, a button while its text is empty); UTF-8, "" for none.
    const char* accessibleName = "";
    // A static text that names another control: the id of that control, which the text then
    // stands for (its buddy), as a Windows dialog pairs a static text with its field; 0 for none.
    int labelFor = 0;
};

struct DialogTemplate {
    int id;
    const char* title;   // UTF-8
    const char* fontName;
    int fontPoints;
    int w, h;            // dialog units
    std::span<const DialogControl> controls;
};

// Every template of the program, and the one with `id` (nullptr when the program has none).
std::span<const DialogTemplate> DialogTemplates();
const DialogTemplate* FindDialogTemplate(int id);

} // namespace vak
