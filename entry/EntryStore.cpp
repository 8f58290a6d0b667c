// The two ways edits leave the entry dialog: the note of the shown month, stored in the group's
// note table as soon as the note field is left, and OK, which stores the month into the working
// copy and copies the record back into the group.
#include "entry/EntryDlg.h"

#include "app/QtText.h"
#include "app/Termination.h"
#include "entry/EntryRules.h"
#include "main/MainDlg.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QScopedValueRollback>

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
    StoreNoteField();
    OnOK();
}

// Closes the note field and stores its text into the group's note table at once.
void CEntryDlg::StoreNoteField()
{
    QLineEdit* noteField = Field(IDC_NOTE);
    const std::string text = WithoutControlCharacters(noteField->text().toStdString());
    m_controls.Show(IDC_NOTE, false);
    m_controls.Show(IDC_CHANGE_MONTH, true);

    m_strNote = CutNoteText(text);
    m_main.PutNote(m_nPublisher, m_nShownMonth, m_nSlot, m_nNoteNumber, m_strNote);
    // The working copy's note slot follows the group's: linked to the note or cleared as the
    // note table did. When a full table refused the text, the month keeps the note it had.
    m_record.SetNoteSlot(m_nShownMonth, m_nSlot, m_main.GetNoteSlot(m_nPublisher, m_nShownMonth, m_nSlot));
    if (TrimBlanks(text).empty())
        m_nCredit = 0;
    UpdateCredit(LeadingNumber(Field(IDC_HOURS)->text().toStdString()));
}

void CEntryDlg::OnPublicationsSetFocus()
{
    m_nNoteState = 0;
}

// Enter and OK. Closing the note field by OK moves the focus to the first field, which makes
// the note field run OnNoteKillFocus, which gives OK again: state 2 swallows that second OK,
// so Enter in the note field stores the note but not the report.
void CEntryDlg::OnOK()
{
    if (m_bEnding)
        return;
    if (m_nNoteState == 1) {
        m_nNoteState = 2;
        UpdateCredit(LeadingNumber(Field(IDC_HOURS)->text().toStdString()));
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
    if (!ReadFields(/*showProblems=*/true))
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
    if (m_main.m_bNewForm) {
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
    m_record.StoreMonth(m_nShownMonth, m_nSlot, entry);
}

void CEntryDlg::CommitRecord()
{
    std::uint8_t* record = m_main.Record(m_nPublisher);
    std::array<std::uint8_t, RECORD_SIZE> before{};
    std::copy_n(record, RECORD_SIZE, before.begin());

    std::copy_n(m_record.Bytes(), RECORD_SIZE, record);
    // A late report goes into the current report to the branch, unless its month was already
    // counted or the publisher is a special pioneer.
    if (m_bOtherMonth && !m_bExcluded)
        m_main.SetLateMark(m_nPublisher, m_nShownMonth);
    if (!std::equal(before.begin(), before.end(), record))
        m_main.m_bEntered = true;

    m_main.m_strLastEntered = m_main.FormatPublisherName(m_nPublisher, NameForm::Caption);
    m_main.UpdateStatusTexts();
}

// Cancel: Esc or "Zrušit". The working copy is dropped; a note being edited is not stored (notes
// stored earlier stay in the note table). When the system ends the program nobody chose to
// cancel, so what was typed is kept as OK keeps it, as far as it is valid.
void CEntryDlg::reject()
{
    if (TerminationRequested() && !m_bEnding)
        KeepTypedWork();
    EndDialog(QDialog::Rejected);
}

void CEntryDlg::KeepTypedWork()
{
    if (!Field(IDC_NOTE)->isHidden())
        StoreNoteField();
    // The hours text as leaving the field would have left it ("7.3" is 7.25).
    const std::string hours = Field(IDC_HOURS)->text().toStdString();
    if (hours.find('.') != std::string::npos)
        m_controls.SetText(IDC_HOURS, Q(NormalizeHoursText(hours)));
    if (ReadFields(/*showProblems=*/false))
        StoreReport();
}

void CEntryDlg::EndDialog(int result)
{
    // Hiding the dialog moves the focus away; that is no edit of any field.
    m_bEnding = true;
    done(result);
}

} // namespace vak
