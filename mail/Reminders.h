// The reminder to a publisher whose report is missing, as one mail message: the main window's
// reminder to the selected publisher and the reminder to everyone still missing send it alike.
#pragma once

#include "mail/MapiMessage.h"

#include <string>

class QWidget;

namespace vak {

// Hands the reminder of report month `month` (0..11) for `address` (addresses separated by ";"
// become recipients each) to `system`, with `owner`'s window disabled meanwhile: originator
// "Vak", subject "Report", text 1422. Returns true when the mail client took it. A problem is
// shown in a message box, or with `failure` kept there instead; a failure after the hand-off
// goes to `lateFailure` (by default a message box, as CMapiMail says).
bool SendReminderMail(CMailSystem* system, QWidget* owner, const std::string& address, int month,
                      std::string* failure = nullptr, CMailSystem::LateFailure lateFailure = {});

} // namespace vak
