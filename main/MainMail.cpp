// The main window's mail commands: writing and sending the report file to the secretary, the
// reminder to a publisher whose report is missing with its preview, and the reminder to everyone
// still missing.
#include "main/MainDlg.h"

#include "data/GroupPaths.h"
#include "data/MissingReports.h"
#include "mail/MapiMail.h"
#include "mail/RemindAllDlg.h"
#include "mail/Reminders.h"
#include "mail/ReportMail.h"
#include "main/BusyScope.h"
#include "main/Telephony.h"
#include "res/StringTable.h"
#include "ui/ListBox.h"
#include "ui/QtText.h"

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
        CRemindAllDlg::DialAction dial;
        if (m_context.telephony)
            dial = [this](int p, const std::string& number, QWidget* owner) {
                DialNumber(Q(number), Q(FormatPublisherName(p, NameForm::Caption)), *m_context.telephony, owner);
            };
        CRemindAllDlg reminders(*this, m_context.mail, dial, this);
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
