// The report fields of the entry dialog: their keyboard behaviour, moving between them, the
// hours text left behind, the credit hours, the validation at OK and the focus handlers.
#include "entry/EntryDlg.h"

#include "data/GroupData.h"
#include "entry/EntryEdit.h"
#include "entry/EntryRules.h"
#include "res/StringTable.h"
#include "ui/MessageBox.h"
#include "ui/QtText.h"
#include "ui/ScreenReader.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace vak {

namespace {

// The count fields in the order they are validated, with the largest value each accepts.
struct CountField {
    int id;
    unsigned CEntryDlg::*member;
    unsigned high;
};
constexpr CountField COUNT_FIELDS[] = {
    {IDC_VIDEOS, &CEntryDlg::m_nVideos, 4095},
    {IDC_PUBLICATIONS, &CEntryDlg::m_nPublications, 4095},
    {IDC_RETURN_VISITS, &CEntryDlg::m_nReturnVisits, 511},
    {IDC_STUDIES, &CEntryDlg::m_nStudies, 63},
};

} // namespace

void CEntryDlg::AttachFieldBehaviour()
{
    for (std::size_t k = 0; k < m_fields.size(); ++k) {
        const int offset = static_cast<int>(k);
        if (!m_fields[k])
            m_fields[k] = new CEntryEdit(*Field(IDC_PUBLICATIONS + offset), [this](bool forward) { MoveField(forward); });
        m_controls.SetText(IDC_HEADING_FIRST + offset, Q(ResString(IDS_COLUMN_FIRST + offset)));
    }
}

// Right from the last field goes round to the first of the form, Left from the first to the
// last; otherwise the arrows follow the tab order.
void CEntryDlg::MoveField(bool forward)
{
    QWidget* from = focusWidget();
    if (forward && from == Field(IDC_STUDIES))
        FocusFirstField();
    else if (!forward && from == Field(IDC_PUBLICATIONS))
        FocusControl(Field(IDC_STUDIES));
    else
        FocusControl(m_controls.NextTabItem(from, forward));
}

void CEntryDlg::OnHoursKillFocus()
{
    const std::string text = Field(IDC_HOURS)->text().toStdString();
    m_controls.Show(IDC_UNDER_ONE_HOUR, (text.empty() || text == "0") && !m_group.m_bNewForm);
    UpdateCredit(LeadingNumber(text));
    if (text.find('.') != std::string::npos)
        m_controls.SetText(IDC_HOURS, Q(NormalizeHoursText(text)));
}

// Only a regular pioneer's month has credit hours.
void CEntryDlg::UpdateCredit(unsigned hours)
{
    if (ShownStatus() != STATUS_REGULAR)
        return;
    CreditValue credit = ComputeCredit(hours, m_nCredit, m_strNote);
    m_nCredit = credit.credit;
    m_strNote = std::move(credit.note);
    m_strCreditText = std::move(credit.label);
    m_controls.SetText(IDC_CREDIT, Q(m_strCreditText));
}

// Reads the count fields and the two boxes into the members. A field the form does not show
// cannot be corrected by the user, so it keeps the value it was loaded with unless it holds a
// valid number (as after the participation box was cleared); with KeepLoadedValue so does any
// field that fails its check. Otherwise a shown field that is not a number in its range stops
// the reading: its message is shown, the field focused, and false returned.
bool CEntryDlg::ReadFields(FieldProblems problems)
{
    std::array<unsigned, std::size(COUNT_FIELDS)> values{};
    for (std::size_t i = 0; i < std::size(COUNT_FIELDS); ++i) {
        const CountField& count = COUNT_FIELDS[i];
        QLineEdit* field = Field(count.id);
        const CountValue value = ValidateCount(field->text().toStdString(), 0, count.high);
        if (value.check == CountCheck::Ok) {
            values[i] = value.value;
        } else if (field->isHidden() || problems == FieldProblems::KeepLoadedValue) {
            values[i] = this->*count.member;
        } else {
            VakMessageBox(this, Q(CountMessage(value.check, 0, count.high)), MsgButtons::Ok, MsgIcon::Warning);
            FocusControl(field);
            return false;
        }
    }
    for (std::size_t i = 0; i < std::size(COUNT_FIELDS); ++i)
        this->*COUNT_FIELDS[i].member = values[i];
    m_bUnderOneHour = Box(IDC_UNDER_ONE_HOUR)->isChecked();
    m_bParticipated = Box(IDC_PARTICIPATION)->isChecked();
    return true;
}

// Moves the focus as the dialog manager does: a field it moves to shows its text selected, so
// that typing replaces the value.
void CEntryDlg::FocusControl(QWidget* control)
{
    if (!control)
        return;
    // After a message box the keyboard comes back here even where the platform does not hand
    // the activation back by itself.
    if (isVisible() && !isActiveWindow())
        activateWindow();
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->selectAll();
    if (QWidget* focused = QApplication::focusWidget(); focused && focused != control)
        NotifyFocus(*focused);
}

void CEntryDlg::FocusFirstField()
{
    FocusControl(m_group.m_bNewForm ? GetDlgItem(IDC_PARTICIPATION) : GetDlgItem(IDC_PUBLICATIONS));
}

void CEntryDlg::MoveToNextControl()
{
    FocusControl(m_controls.NextTabItem(focusWidget(), true));
}

void CEntryDlg::keyPressEvent(QKeyEvent* event)
{
    // Enter is the OK command unless a push button has the focus (the button takes Enter
    // itself then). QDialog would press its default button instead, which is hidden while the
    // month list is open.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!qobject_cast<QPushButton*>(focusWidget()))
            OnOK();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool CEntryDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && watched == GetDlgItem(IDC_PUBLICATIONS)) {
        OnPublicationsSetFocus();
    } else if (event->type() == QEvent::FocusOut && IsFocusLost(event)) {
        if (watched == GetDlgItem(IDC_HOURS))
            OnHoursKillFocus();
        else if (watched == GetDlgItem(IDC_NOTE))
            OnNoteKillFocus();
        else if (watched == m_pMonthList)
            OnMonthListDone();
    } else if (event->type() == QEvent::Shortcut && watched == GetDlgItem(IDOK)) {
        // The mnemonic of OK puts the focus on the button before it is pressed, as on Windows,
        // so that it stores the report rather than moving on to the next field.
        FocusControl(GetDlgItem(IDOK));
    }
    return QDialog::eventFilter(watched, event);
}

// The focus left the control for another one of the dialog. Focus taken by a popup, a message
// box or another window comes back to the control, and while the dialog ends nothing counts.
bool CEntryDlg::IsFocusLost(QEvent* event) const
{
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    return !m_bEnding && reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

} // namespace vak
