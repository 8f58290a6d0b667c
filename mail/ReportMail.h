// The texts and names of the mails Vak sends: the report file for the secretary with its
// subject, text and question, and the reminder to a publisher.
#pragma once

#include <string>

namespace vak {

inline constexpr const char* MAIL_ORIGINATOR = "Vak";
inline constexpr const char* REMINDER_SUBJECT = "Report";

// "Sestavené soubory - Březen - Skupina 3" for group 3 and month 2.
std::string ReportMailSubject(int group, int month);

// "Březen .t19 soubor pro Skupina 3" for group 3 and month 2.
std::string ReportMailBody(int group, int month);

// What the send flow tells the user once the report file is written: where it is, and with a
// secretary's address the question whether to mail it there now.
std::string ReportSavedMessage(const std::string& reportFile, const std::string& secretaryMail);

// The reminder's text for report month `month`: "Předložte prosím váš přehled za Březen. ...".
std::string ReminderText(int month);

} // namespace vak
