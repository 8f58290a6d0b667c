// The report entry dialog: one publisher's report of the report month (or, through its month
// list, of another month of the same year slot) typed from the keyboard alone, with the note of
// the month, and stored into the group on OK.
#pragma once

#include "entry/EntryRecord.h"
#include "ui/DialogBuilder.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace vak {

class CEntryEdit;
class CGroupData;

class CEntryDlg : public QDialog {
    Q_OBJECT
public:
    // Called with the publisher once a report was stored into the group, for the opener to
    // show who was entered last.
    using StoredAction = std::function<void(int publisher)>;

    // The dialog for publisher `publisher` (1..N) of `group`, opened and ready to be run; notes
    // and reports go into that group. Names are shown as `language` has them.
    CEntryDlg(CGroupData& group, const std::string& language, int publisher, StoredAction onStored,
              QWidget* parent);

    // Whether the dialog's template could be built.
    bool IsCreated() const { return m_bCreated; }
    QWidget* GetDlgItem(int id) const { return m_controls.GetDlgItem(id); }

    // Handlers, in the order of the dialog's routing.
    void OnChangeMonth();
    void OnMonthSelChange();
    void OnMonthListDone();
    void OnHoursKillFocus();
    void OnUnderOneHour();
    void OnAuxPioneer();
    void OnParticipation();
    void OnNotes();
    void OnNoteKillFocus();
    void OnPublicationsSetFocus();
    void OnOK();
    // Cancel (Esc, "Zrušit"); when the program is being ended, what was typed is kept.
    void reject() override;
    // Left and Right in a report field.
    void MoveField(bool forward);

    // State of the dialog (members named as the rest of the program knows them).
    std::uint16_t m_nPublisher = 0;
    int m_nShownMonth = 0;
    std::uint8_t m_nSlot = 0;     // the report month's year slot (ShownSlot for the month shown)
    unsigned m_nPublications = 0;
    unsigned m_nVideos = 0;
    unsigned m_nHours = 0;
    unsigned m_nQuarters = 0;
    unsigned m_nReturnVisits = 0;
    unsigned m_nStudies = 0;
    std::string m_strNote;
    bool m_bUnderOneHour = false;
    bool m_bParticipated = false;
    bool m_bPioneer = false;
    int m_nNoteNumber = 0;
    std::uint8_t m_nCredit = 0;
    std::string m_strCreditText;
    int m_nNoteState = 0;         // 0 normal, 1 note field open, 2 note just closed
    bool m_bOtherMonth = false;
    bool m_bExcluded = false;
    bool m_bMonthListOpen = false;
    CEntryRecord m_record;
    std::array<CEntryEdit*, 5> m_fields{};

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Opening and the month shown (EntryDlg.cpp).
    void OnInitDialog();
    void ConnectHandlers();
    void FillMonthList();
    void ApplyLayout();
    void LoadMonth();
    void ShowFieldValues();
    void UpdateHoursState();
    void ShowStatusLabels();
    void ShowWarnings();
    void ShowReportField(int id, bool visible);
    // Fields and focus (EntryFields.cpp).
    void AttachFieldBehaviour();
    void UpdateCredit(unsigned hours);
    enum class FieldProblems { AskToCorrect, KeepLoadedValue };
    bool ReadFields(FieldProblems problems);
    void FocusControl(QWidget* control);
    void FocusFirstField();
    void MoveToNextControl();
    // Notes and storing (EntryStore.cpp).
    bool StoreNoteField();
    void ReturnToNoteField();
    void StoreReport();
    void KeepTypedWork();
    void StoreMonth();
    void CommitRecord();
    void EndDialog(int result);

    QLineEdit* Field(int id) const;
    QCheckBox* Box(int id) const;
    int ShownStatus() const;
    // The year slot of the month shown: a month after the report month lies in the year before.
    int ShownSlot() const;
    bool IsFocusLost(QEvent* event) const;

    CGroupData& m_group;
    std::string m_strLang;
    StoredAction m_onStored;
    CDialogControls m_controls;
    QListWidget* m_pMonthList = nullptr;
    bool m_bCreated = false;
    bool m_bEnding = false;       // OK or cancel is ending the dialog: focus changes mean nothing
    bool m_bInNoteKillFocus = false;
    bool m_bTyped = false;        // the month's controls were changed since it was loaded
};

} // namespace vak
