// One mail message handed to the user's mail client: recipients, subject, text and attached
// files, collected and sent once through the platform's mail system.
#pragma once

#include "mail/MapiMessage.h"

#include <string>

class QWidget;

namespace vak {

// Tells the user that the message for `recipients` failed after it was counted as handed over,
// in a message box owned by `owner` (nullptr: none); while the system is ending the program, on
// stderr instead.
void ShowLateMailFailure(QWidget* owner, const std::string& recipients, const std::string& reason);

// Error codes of TakeError.
inline constexpr int MAIL_ERROR_NONE = 0;
inline constexpr int MAIL_ERROR_NO_SYSTEM = 1;        // no mail system is installed
inline constexpr int MAIL_ERROR_INVALID_SYSTEM = 2;   // the mail system cannot take messages
inline constexpr int MAIL_ERROR_RECIPIENTS = 3;       // no room for another recipient
inline constexpr int MAIL_ERROR_ATTACHMENTS = 5;      // no room for another attachment

class CMapiMail {
public:
    // Loads `system` (nullptr: none is installed) for one message. A problem is shown at once
    // in a message box owned by `owner` and kept for TakeError. With `failures`, what would be
    // shown (here and by SendMail) is kept there instead, for a caller that sends many
    // messages and reports their failures together.
    CMapiMail(CMailSystem* system, QWidget* owner, std::string* failures = nullptr);
    ~CMapiMail();
    CMapiMail(const CMapiMail&) = delete;
    CMapiMail& operator=(const CMapiMail&) = delete;

    // The error code (MAIL_ERROR_...), which is reset to none. A message is built only when
    // it is none.
    int TakeError();

    void SetOriginatorName(const std::string& name);
    // Adds each address of a list separated by ";" as a recipient, named as written and
    // addressed "SMTP:" + the address.
    bool AddRecipients(const std::string& list);
    void SetSubject(const std::string& text);
    // Attaches the file `path`, shown as `displayName` when one is given.
    bool AddAttachment(const std::string& path, const std::string& displayName = {});

    // Refuses, with a message naming it, an address the mail system cannot carry as one
    // recipient. Otherwise places the attachments in the text and hands the message over, with
    // the owner's window disabled and the wait cursor shown meanwhile. Returns true when the mail client took the
    // message, or the user cancelled it or the logon; any other result is shown as a failure.
    // The message's recipients and files are released afterwards: an object sends once.
    bool SendMail(unsigned long flags);

    // What to do when the message, counted as sent, fails after all (the mail client gave up
    // later). Without a handler of the caller's, a message box owned by the owner window (while
    // it exists) names the recipients and the reason.
    void SetLateFailure(CMailSystem::LateFailure handler) { m_lateFailure = std::move(handler); }

    const MapiMessage& Message() const { return m_message; }

    std::string m_strBody;   // the message text

private:
    void Say(const std::string& text);
    CMailSystem::LateFailure DefaultLateFailure() const;

    CMailSystem* m_system;
    QWidget* m_owner;
    std::string* m_pFailures;
    MapiMessage m_message;
    CMailSystem::LateFailure m_lateFailure;
    int m_nError = MAIL_ERROR_NONE;
    bool m_bReady = false;
};

} // namespace vak
