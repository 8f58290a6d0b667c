// The dialog that reminds everyone still missing: the list, dialing, and the run that hands one
// message per ticked publisher to the mail system, with progress and the outcome.
#include "mail/RemindAllDlg.h"

#include "data/GroupData.h"
#include "mail/MapiMail.h"
#include "mail/Reminders.h"
#include "mail/ReportMail.h"
#include "res/StringTable.h"
#include "ui/ListBox.h"
#include "ui/MessageBox.h"
#include "ui/QtText.h"
#include "ui/Termination.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QProgressDialog>
#include <QPointer>
#include <QPushButton>
#include <QScopedValueRollback>

namespace vak {

CRemindAllDlg::CRemindAllDlg(CGroupData& group, CMailSystem* mail, DialAction dial, QWidget* parent)
    : QDialog(parent), m_group(group), m_pMail(mail), m_dial(std::move(dial))
{
    // A modal frame with its caption and no system menu.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    m_controls.Build(*this, IDD_REMIND_ALL);
    m_pList = m_controls.Item<CListBox>(IDC_REMIND_LIST);
    connect(m_pList, &QListWidget::currentRowChanged, this, [this] { OnSelChangeList(); });
    connect(m_pList, &QListWidget::itemChanged, this, [this] { UpdateButtons(); });
    m_controls.OnClicked(IDC_REMIND_DIAL, [this] { OnDial(); });
    m_controls.OnClicked(IDC_REMIND_SEND, [this] { OnSend(); });
    m_controls.OnClicked(IDCANCEL, [this] { reject(); });
}

int CRemindAllDlg::DoModal()
{
    OnInitDialog();
    return exec();
}

void CRemindAllDlg::OnInitDialog()
{
    const std::pair<int, int> captions[] = {{IDC_REMIND_CAPTION, IDS_REMIND_LIST_CAPTION},
                                            {IDC_REMIND_HINT, IDS_REMIND_HINT},
                                            {IDC_REMIND_DIAL, IDS_DIAL_BUTTON},
                                            {IDC_REMIND_SEND, IDS_SEND_BUTTON},
                                            {IDCANCEL, IDS_CLOSE_BUTTON}};
    for (const auto& [id, text] : captions)
        m_controls.SetText(id, Q(ResString(text)));
    setWindowTitle(Q(ResString(IDS_REMIND_TITLE, IDS_MONTH_FIRST + m_group.m_nMonth)));
    m_controls.SetText(IDC_REMIND_SUBJECT, Q(FormatText(ResString(IDS_SUBJECT_LINE), REMINDER_SUBJECT)));
    m_controls.SetText(IDC_REMIND_TEXT, Q(ReminderText(m_group.m_nMonth)));

    m_missing = MissingPublishers(m_group);
    m_pList->clear();
    for (const MissingPublisher& missing : m_missing) {
        // A screen reader reads the line's text as it stands, with its tick.
        auto* item = new QListWidgetItem(Q(MissingLine(missing)));
        // Only a publisher with an address can be ticked; the others stay listed to be called.
        if (!missing.email.empty()) {
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Checked);
        } else {
            item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
        }
        m_pList->addItem(item);
    }
    m_pList->setCurrentRow(0);
    m_pList->setFocus(Qt::OtherFocusReason);
    UpdateButtons();
}

void CRemindAllDlg::OnSelChangeList()
{
    UpdateButtons();
}

void CRemindAllDlg::OnDial()
{
    const int row = m_pList->currentRow();
    if (row < 0 || m_missing[static_cast<std::size_t>(row)].phones.empty() || !m_dial)
        return;
    const MissingPublisher& missing = m_missing[static_cast<std::size_t>(row)];
    m_dial(missing.publisher, missing.phones.front(), this);
    FocusList();
}

void CRemindAllDlg::OnSend()
{
    const std::vector<int> rows = TickedRows();
    if (rows.empty())
        return;
    {
        // Without a mail system nothing can be handed over: said once, as the single reminder does.
        CMapiMail probe(m_pMail, this);
        if (probe.TakeError() != MAIL_ERROR_NONE)
            return;
    }
    const Outcome outcome = HandOver(rows);
    if (TerminationRequested())
        return;  // nobody is there to read the outcome
    ShowOutcome(outcome, static_cast<int>(rows.size()));
    // Everyone reminded: done. Otherwise those still ticked can be tried again or called.
    if (outcome.handed == static_cast<int>(rows.size()))
        accept();
    else
        FocusList();
}

// One message per row, each through the single reminder's mail object, with progress; a row
// handed over is unticked, so that a second "Odeslat" does not remind again.
CRemindAllDlg::Outcome CRemindAllDlg::HandOver(const std::vector<int>& rows)
{
    const int count = static_cast<int>(rows.size());
    // The progress window belongs to the main window, so that it stays usable while this dialog
    // is disabled during each hand-off.
    QProgressDialog progress(QString(), Q(ResString(IDS_CANCEL)), 0, count, parentWidget());
    progress.setWindowTitle(windowTitle());
    progress.setWindowModality(Qt::ApplicationModal);
    // Closed from outside (the system ending the program) it stops the run as "Zrušit" does.
    connect(&progress, &QDialog::rejected, &progress, &QProgressDialog::cancel);
    progress.show();
    Outcome outcome;
    const QScopedValueRollback<Outcome*> running(m_pRun, &outcome);
    for (int i = 0; i < count; ++i) {
        progress.setLabelText(
            Q(FormatText(ResString(IDS_REMIND_PROGRESS), std::to_string(i + 1), std::to_string(count))));
        progress.setValue(i);
        // Between two hand-offs the progress is painted and a cancel or the system's request
        // to end is taken, also with a mail system that keeps the program busy while it works.
        QCoreApplication::processEvents();
        if (progress.wasCanceled()) {
            outcome.cancelled = true;
            break;
        }
        const int row = rows[static_cast<std::size_t>(i)];
        const MissingPublisher& missing = m_missing[static_cast<std::size_t>(row)];
        std::string reason;
        if (SendReminderMail(m_pMail, this, missing.email, m_group.m_nMonth, &reason, LateFailureOf(row))) {
            ++outcome.handed;
            m_pList->item(row)->setCheckState(Qt::Unchecked);
        } else {
            outcome.failures.push_back(FailureLine(missing, reason));
        }
    }
    progress.setValue(count);
    return outcome;
}

// A reminder that fails after it was counted as handed over: its row is ticked again, for
// another try, and the failure goes into the outcome while the run is on, else into a message.
// Once the dialog is closed, the main window says so.
CMailSystem::LateFailure CRemindAllDlg::LateFailureOf(int row)
{
    return [dialog = QPointer<CRemindAllDlg>(this), row, main = QPointer<QWidget>(parentWidget()),
            email = m_missing[static_cast<std::size_t>(row)].email](const std::string& reason) {
        if (dialog)
            dialog->OnLateFailure(row, reason);
        else
            ShowLateMailFailure(main, ShownOnOneLine(email), reason);
    };
}

void CRemindAllDlg::OnLateFailure(int row, const std::string& reason)
{
    const MissingPublisher& missing = m_missing[static_cast<std::size_t>(row)];
    m_pList->item(row)->setCheckState(Qt::Checked);
    if (m_pRun) {
        --m_pRun->handed;
        m_pRun->failures.push_back(FailureLine(missing, reason));
        return;
    }
    ShowLateMailFailure(this, Recipient(missing), reason);
}

// "Novák, Karel (karel@example.cz)", on one line whatever the file holds.
std::string CRemindAllDlg::Recipient(const MissingPublisher& missing)
{
    return ShownOnOneLine(missing.name + " (" + missing.email + ")");
}

std::string CRemindAllDlg::FailureLine(const MissingPublisher& missing, const std::string& reason)
{
    return Recipient(missing) + ": " + reason;
}

void CRemindAllDlg::ShowOutcome(const Outcome& outcome, int ticked)
{
    std::string text =
        FormatText(ResString(IDS_REMIND_HANDED), std::to_string(outcome.handed), std::to_string(ticked));
    if (outcome.cancelled)
        text += "\n" + ResString(IDS_REMIND_CANCELLED);
    if (!outcome.failures.empty()) {
        text += "\n\n" + ResString(IDS_REMIND_FAILED);
        for (const std::string& failure : outcome.failures)
            text += "\n" + failure;
    }
    const bool allWell = outcome.failures.empty() && !outcome.cancelled;
    VakMessageBox(this, Q(text), MsgButtons::Ok, allWell ? MsgIcon::Information : MsgIcon::Warning);
}

std::vector<int> CRemindAllDlg::TickedRows() const
{
    std::vector<int> rows;
    for (int row = 0; row < m_pList->count(); ++row)
        if (m_pList->item(row)->checkState() == Qt::Checked)
            rows.push_back(row);
    return rows;
}

void CRemindAllDlg::UpdateButtons()
{
    const int row = m_pList->currentRow();
    GetDlgItem(IDC_REMIND_DIAL)->setEnabled(row >= 0 && !m_missing[static_cast<std::size_t>(row)].phones.empty());
    GetDlgItem(IDC_REMIND_SEND)->setEnabled(!TickedRows().empty());
}

void CRemindAllDlg::keyPressEvent(QKeyEvent* event)
{
    // Enter on a line dials it; on a push button it presses the button.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && focusWidget() == m_pList) {
        OnDial();
        return;
    }
    if (enter && !qobject_cast<QPushButton*>(focusWidget()))
        return;
    QDialog::keyPressEvent(event);
}

// The keyboard goes back to the list, also where the platform does not hand the activation back
// after a message box, the print-setup dialog or the mail composer.
void CRemindAllDlg::FocusList()
{
    activateWindow();
    m_pList->setFocus(Qt::OtherFocusReason);
}

} // namespace vak
