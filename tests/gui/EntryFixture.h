// Test fixture for the report entry dialog: the real dialog opened on a publisher of a group in
// the main window, keys typed from a short script, and what the user sees.
#pragma once

#include "MainWindowFixture.h"

#include "entry/EntryDlg.h"

#include <memory>

namespace vak::test {

// Report months of the two forms: March 2026 (new form) with the clock in April 2026, and
// August 2023 (old form) with the clock in September 2023.
inline constexpr int NEW_FORM_MONTH = 2;
inline constexpr CivilDate NEW_FORM_TODAY{2026, 4, 10};
inline constexpr int OLD_FORM_MONTH = 7;
inline constexpr CivilDate OLD_FORM_TODAY{2023, 9, 15};
inline constexpr int OLD_FORM_SLOT = 1;  // 2023 is odd

class EntryDialogTest : public MainWindowTest {
public:
    ~EntryDialogTest() override;

    // Two publishers "Příjmení1, Jméno1" and "Příjmení2, Jméno2" of group 3 with report month
    // `month`.
    static fixtures::GroupBuilder Group(int month = NEW_FORM_MONTH) { return SimpleGroup(2, month); }

    // Opens the main window on `group` with the clock at `today`, then the entry dialog for
    // publisher `p`, shown and active.
    CEntryDlg& OpenEntry(const fixtures::GroupBuilder& group, int p = 1, CivilDate today = NEW_FORM_TODAY);

    // Types a key script into the focused control: "\n" Enter, "\t" Tab, " " Space, ">" Right,
    // "<" Left, "^" Up, "~" Down, "|" Backspace; any other character is typed as itself.
    void Keys(const QString& script);
    // Alt with a letter, as the mnemonics of the buttons are pressed; waits for the click.
    void Alt(char letter);

    // The text of a control of the entry dialog: label, button or field.
    QString EntryText(int id) const;
    void ClickItem(int id);
    bool Shown(int id) const;
    bool HasFocus(int id) const;
    QString SelectedText(int id) const;
    bool EntryOpen() const { return m_entry && m_entry->isVisible(); }

    std::unique_ptr<CEntryDlg> m_entry;
};

} // namespace vak::test
