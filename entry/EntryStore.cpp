// The two ways edits leave the entry dialog: the note of the shown month, stored in the group's
// note table as soon as the note field is left, and OK, which stores the month into the working
// copy and copies the record back into the group.
#include "entry/EntryDlg.h"

#include "data/GroupData.h"
#include "entry/EntryRules.h"
#include "ui/QtText.h"
#include "ui/Termination.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTimer>

#include <algorithm>

namespace vak {

void CEntryDlg::OnNotes()
{
    m_nNoteState = 1;
    m_controls.Show(IDC_CHANGE_MONTH, false);
    m_controls.SetText(IDC_NOTE, Q(m_strNote));
    m_controls.Show(IDC_NOTE, true);
    FocusControl(Field(IDC_NOTE));
}

void CEntryDlg::OnNoteKillFocus()
{
    // Runs once for each opening of the note field, also when the focus moves on while it runs.
    if (m_bInNoteKillFocus || Field(IDC_NOTE)->isHidden())
        return;
    const QScopedValueRollback<bool> running(m_bInNoteKillFocus, true);
    if (!StoreNoteField()) {
        ReturnToNoteField();
        return;
    }
    OnOK();
}

// Stores the note field's text into the group's note table at once and closes the field.
// Returns false when the text could not be stored ("Mimo prostor pro poznámky" has been
// shown): the field then stays open with the text as typed.
bool CEntryDlg::StoreNoteField()
{
    // What is kept is what the field then shows: the text without leading blanks, cut to size.
    const std::string note = StoredNoteText(WithoutControlCharacters(Field(IDC_NOTE)->text().toStdString()));
    const int s = ShownSlot();
    if (!m_group.PutNote(m_nPublisher, m_nShownMonth, s, m_nNoteNumber, note) && !note.empty())
        return false;
    m_controls.Show(IDC_NOTE, false);
    m_controls.Show(IDC_CHANGE_MONTH, true);
    m_strNote = note;
    // The working copy's note slot follows the group's: linked to the note or cleared. The
    // month's note number is kept when it is cleared, so that a note typed again in the same
    // opening goes back into it.
    const std::uint16_t slot = m_group.GetNoteSlot(m_nPublisher, m_nShownMonth, s);
    m_record.SetNoteSlot(m_nShownMonth, s, slot);
    if (slot != 0)
        m_nNoteNumber = slot;
    if (note.empty())
        m_nCredit = 0;
    UpdateCredit(LeadingNumber(Field(IDC_HOURS)->text().toStdString()));
    return true;
}

// After a note that could not be stored, the focus goes back into the open note field once the
// focus change that left it is over.
void CEntryDlg::ReturnToNoteField()
{
    m_nNoteState = 1;
    QTimer::singleShot(0, this, [this] {
        if (Field(IDC_NOTE)->isHidden() || m_bEnding)
            return;
        m_nNoteState = 1;
        FocusControl(Field(IDC_NOTE));
    });
}

void CEntryDlg::OnPublicationsSetFocus()
{
    m_nNoteState = 0;
}

// Enter and OK. In the note field the first OK stores the note and closes the field, and the
// focus goes to the first field; the report is not stored. When the field was left by Tab or
// a click instead, its closing gives OK itself and the state stays 2, so that the next OK is
// swallowed unless the focus reaches field 139 first.
void CEntryDlg::OnOK()
{
    if (m_bEnding)
        return;
    if (m_nNoteState == 1) {
        const bool byEnter = !Field(IDC_NOTE)->isHidden();
        if (byEnter && !StoreNoteField())
            return;
        m_nNoteState = byEnter ? 0 : 2;
        FocusFirstField();
        return;
    }
    if (m_nNoteState == 2) {
        m_nNoteState = 0;
        return;
    }
    QWidget* focus = focusWidget();
    if (focus != GetDlgItem(IDOK) && focus != GetDlgItem(IDC_STUDIES)) {
        MoveToNextControl();
        return;
    }
    if (!ReadFields(FieldProblems::AskToCorrect))
        return;
    StoreReport();
    EndDialog(QDialog::Accepted);
}

// The fields read, the month stored into the working copy and the record copied back.
void CEntryDlg::StoreReport()
{
    const HoursValue hours = ParseHoursText(Field(IDC_HOURS)->text().toStdString());
    m_nHours = hours.hours;
    m_nQuarters = hours.quarters;
    StoreMonth();
    CommitRecord();
}

void CEntryDlg::StoreMonth()
{
    m_bParticipated = Box(IDC_PARTICIPATION)->isChecked();
    bool participationBit = m_bUnderOneHour;
    if (m_group.m_bNewForm) {
        // Hours or studies mean the publisher took part, ticked or not.
        if (m_nHours != 0 || m_nStudies != 0)
            m_bParticipated = true;
        participationBit = m_bParticipated;
    }
    MonthEntry entry;
    entry.publications = m_nPublications;
    entry.videos = m_nVideos;
    entry.hours = m_nHours;
    entry.returnVisits = m_nReturnVisits;
    entry.studies = m_nStudies;
    entry.quarters = m_nQuarters;
    entry.participation = participationBit;
    entry.auxPioneer = Box(IDC_AUX_PIONEER)->isChecked();
    entry.credit = m_nCredit;
    m_record.StoreMonth(m_nShownMonth, ShownSlot(), entry);
}

void CEntryDlg::CommitRecord()
{
    std::uint8_t* record = m_group.Record(m_nPublisher);
    std::array<std::uint8_t, RECORD_SIZE> before{};
    std::copy_n(record, RECORD_SIZE, before.begin());

    std::copy_n(m_record.Bytes(), RECORD_SIZE, record);
    // A late report goes into the current report to the branch, unless its month was already
    // counted or the publisher is a special pioneer.
    if (m_bOtherMonth && !m_bExcluded)
        m_group.SetLateMark(m_nPublisher, m_nShownMonth);
    if (!std::equal(before.begin(), before.end(), record))
        m_group.m_bEntered = true;

    if (m_onStored)
        m_onStored(m_nPublisher);
}

// Cancel: Esc or "Zrušit". The working copy is dropped; a note being edited is not stored (notes
// stored earlier stay in the note table). When the system ends the program nobody chose to
// cancel, so what was typed is kept as OK keeps it.
void CEntryDlg::reject()
{
    if (TerminationRequested() && !m_bEnding)
        KeepTypedWork();
    EndDialog(QDialog::Rejected);
}

// Only what the user typed is kept: a month that was merely looked at (in the month list, say)
// is not stored, and a field that fails its check keeps the value it was loaded with while the
// valid ones are stored.
void CEntryDlg::KeepTypedWork()
{
    if (!Field(IDC_NOTE)->isHidden())
        StoreNoteField();
    if (!m_bTyped)
        return;
    ReadFields(FieldProblems::KeepLoadedValue);
    StoreReport();
}

void CEntryDlg::EndDialog(int result)
{
    // Hiding the dialog moves the focus away; that is no edit of any field.
    m_bEnding = true;
    done(result);
}

} // namespace vak
