// Names and texts of the report-file mail and the reminder.
#include "mail/ReportMail.h"

#include "data/GroupPaths.h"
#include "res/StringTable.h"

namespace vak {

namespace {

std::string GroupText(int group)
{
    return ResString(IDS_GROUP) + " " + std::to_string(group);
}

} // namespace

std::string ReportMailSubject(int group, int month)
{
    return ResString(IDS_MAIL_SUBJECT) + " - " + MonthName(month) + " - " + GroupText(group);
}

std::string ReportMailBody(int group, int month)
{
    return MonthName(month) + " " + ResString(IDS_MAIL_BODY) + " " + GroupText(group);
}

std::string ReportSavedMessage(const std::string& reportFile, const std::string& secretaryMail)
{
    std::string message = FormatText(ResString(IDS_REPORT_SAVED), reportFile);
    if (!secretaryMail.empty())
        message += ResString(IDS_SEND_QUESTION) + secretaryMail + ResString(IDS_SEND_OR) + ResString(IDS_SEND_LATER);
    return message;
}

std::string ReminderText(int month)
{
    return FormatText(ResString(IDS_REMINDER_TEXT), MonthName(month));
}

} // namespace vak
