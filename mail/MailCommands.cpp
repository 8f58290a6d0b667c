// The main window's mail commands: writing and sending the report file to the secretary, and
// the reminder to a publisher whose report is missing, with its preview; the reminder message
// itself, which the reminder to everyone still missing sends too.
#include "main/MainDlg.h"

#include "ui/ListBox.h"
#include "ui/QtText.h"
#include "mail/MapiMail.h"
#include "mail/Reminders.h"
#include "mail/RemindAllDlg.h"
#include "mail/ReportMail.h"
#include "main/BusyScope.h"
#include "data/GroupPaths.h"
#include "data/MissingReports.h"
#include "res/StringTable.h"

namespace vak {

bool CMainDlg::SendReportFile()
{
    if (!HasGroupExtension(m_strPath))
        return false;
    BusyScope busy(m_nBusy);
    const std::string reportFile = ReportFileName(m_strPath);
    if (!SaveGroupFile(reportFile))
        return false;
    const std::string message = ReportSavedMessage(reportFile, m_strSecretaryMail);
    if (m_strSecretaryMail.empty()) {
        ShowMessage(Q(message), MsgIcon::Information);
        return false;
    }
    // No leaves the file on disk, to be sent later.
    if (!AskYesNo(message, /*answerWhenUnattended=*/false))
        return false;

    CMapiMail mail(m_context.mail, this);
    if (mail.TakeError() != MAIL_ERROR_NONE)
        return false;
    mail.SetOriginatorName(MAIL_ORIGINATOR);
    mail.AddRecipients(m_strSecretaryMail);
    mail.SetSubject(ReportMailSubject(m_nGroup, m_nMonth));
    mail.m_strBody = ReportMailBody(m_nGroup, m_nMonth);
    mail.AddAttachment(AbsolutePath(reportFile));
    return mail.SendMail(0);
}

bool SendReminderMail(CMailSystem* system, QWidget* owner, const std::string& address, int month,
                      std::string* failure, CMailSystem::LateFailure lateFailure)
{
    CMapiMail mail(system, owner, failure);
    if (mail.TakeError() != MAIL_ERROR_NONE)
        return false;
    if (lateFailure)
        mail.SetLateFailure(std::move(lateFailure));
    mail.m_strBody = ReminderText(month);
    mail.SetOriginatorName(MAIL_ORIGINATOR);
    mail.AddRecipients(address);
    mail.SetSubject(REMINDER_SUBJECT);
    return mail.SendMail(0);
}

void CMainDlg::SendReminder()
{
    if (m_strEmail.empty())
        return;
    BusyScope busy(m_nBusy);
    ShowMessage(Q(m_strEmail), MsgIcon::Information);
    SendReminderMail(m_context.mail, this, m_strEmail, m_nMonth);
    FocusList();
}

void CMainDlg::OnRemindAll()
{
    BusyScope busy(m_nBusy);
    if (MissingPublishers(*this).empty()) {
        ShowMessage(Q(ResString(IDS_NOBODY_MISSING, IDS_MONTH_FIRST + m_nMonth)), MsgIcon::Information);
    } else {
        CRemindAllDlg reminders(*this);
        reminders.DoModal();
    }
    FocusList();
}

void CMainDlg::PreviewReminder()
{
    BusyScope busy(m_nBusy);
    ShowMessage(Q(ReminderText(m_nMonth)), MsgIcon::Information);
    FocusList();
}

} // namespace vak
