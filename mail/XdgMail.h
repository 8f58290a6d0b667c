// The Linux desktop's mail hand-off: xdg-email, given a mailto: URI built here and the absolute
// paths of the attachments, opens the user's preferred mail composer with the message.
#pragma once

#include "mail/MapiMessage.h"

#include <QStringList>

namespace vak {

class CXdgMail : public CMailSystem {
public:
    // How long a hand-off is waited for: xdg-email may run as long as the composer it started.
    static constexpr int DEFAULT_WAIT_MS = 3000;

    explicit CXdgMail(int waitMs = DEFAULT_WAIT_MS) : m_waitMs(waitMs) {}

    // Missing when xdg-email is not on the PATH.
    LoadResult Load() override;
    // Runs xdg-email without a shell. A non-zero exit within the wait is a failure; a tool still
    // running after it has handed the message to the composer and is left to finish.
    unsigned long SendMail(const MapiMessage& message, unsigned long flags) override;

    // The arguments for xdg-email: "--utf8", "--attach" with each file's absolute path (never
    // taken for an option), and the mailto: URI (whose "mailto:" marks it as the message).
    static QStringList Arguments(const MapiMessage& message);
    // Whether the recipients can be handed over safely. xdg-email gives Thunderbird the decoded
    // addresses inside single quotes, where an apostrophe would end the address and let the
    // rest of it become another field of the message (an attachment, say).
    static bool CanHandOver(const MapiMessage& message);

private:
    int m_waitMs;
};

} // namespace vak
