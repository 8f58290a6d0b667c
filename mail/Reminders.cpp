// The reminder to a publisher whose report is missing, as one mail message.
#include "mail/Reminders.h"

#include "mail/MapiMail.h"
#include "mail/ReportMail.h"

namespace vak {

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

} // namespace vak
