// The Linux desktop's mail hand-off: xdg-email, given a mailto: URI built here and the absolute
// paths of the attachments, opens the user's preferred mail composer with the message.
#pragma once

#include "mail/MapiMessage.h"
#include "mail/XdgMailRules.h"

#include <QStringList>

class QProcess;

namespace vak {

class CXdgMail : public CMailSystem {
public:
    // How long a hand-off is waited for: xdg-email may run as long as the composer it started.
    static constexpr int DEFAULT_WAIT_MS = 3000;

    explicit CXdgMail(int waitMs = DEFAULT_WAIT_MS) : m_waitMs(waitMs) {}

    // Finds the route xdg-email will take, as xdg-email itself chooses it. Missing when it
    // cannot deliver: it is not on the PATH, or there is no xdg-email-hook.sh on the PATH, no
    // $MAILER, no mailto: handler and no mail client of the desktop's own (KDE, Xfce).
    LoadResult Load() override;
    // An address that is not a plain address, or that the route found by Load cannot carry.
    std::string UncarriedAddress(const MapiMessage& message) const override;
    // Runs xdg-email without a shell. An attachment whose path xdg-email cannot carry is given
    // as a copy with a plain name in a folder of the user's own. A non-zero exit within the wait
    // is a failure; a tool still running after it has handed the message to the composer, and
    // is watched: when it then ends unsuccessfully, the late-failure handler is told.
    unsigned long SendMail(const MapiMessage& message, unsigned long flags) override;

    // The arguments for xdg-email: "--utf8", "--attach" with each file's absolute path (never
    // taken for an option), and the mailto: URI (whose "mailto:" marks it as the message).
    static QStringList Arguments(const MapiMessage& message);

    XdgRoute Route() const { return m_route; }

private:
    void WatchUntilItEnds(QProcess* running) const;

    int m_waitMs;
    XdgRoute m_route = XdgRoute::Uri;
};

} // namespace vak
