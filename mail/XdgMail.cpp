// The xdg-email back-end of the mail hand-off.
#include "mail/XdgMail.h"

#include "app/QtText.h"
#include "main/Telephony.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include <memory>

namespace vak {

namespace {
const QString XDG_EMAIL = QStringLiteral("xdg-email");
} // namespace

// Without a mail composer registered for mailto: URIs, xdg-email would fall back to a text web
// browser, which is no mail client: that counts as no mail system.
CMailSystem::LoadResult CXdgMail::Load()
{
    if (QStandardPaths::findExecutable(XDG_EMAIL).isEmpty() || !HasSchemeHandler(QStringLiteral("mailto")))
        return LoadResult::Missing;
    return LoadResult::Loaded;
}

QStringList CXdgMail::Arguments(const MapiMessage& message)
{
    QStringList arguments{QStringLiteral("--utf8")};
    for (const MapiFileDesc& file : message.files) {
        if (!file.pathName.empty())
            arguments << QStringLiteral("--attach") << QFileInfo(Q(file.pathName)).absoluteFilePath();
    }
    arguments << QString::fromLatin1(MailtoUri(message));
    return arguments;
}

bool CXdgMail::CanHandOver(const MapiMessage& message)
{
    for (const MapiRecipDesc& recipient : message.recipients) {
        if (PlainAddress(recipient).find('\'') != std::string::npos)
            return false;
    }
    return true;
}

unsigned long CXdgMail::SendMail(const MapiMessage& message, unsigned long)
{
    if (!CanHandOver(message))
        return MAPI_E_FAILURE;

    auto process = std::make_unique<QProcess>();
    // The composer may outlive the tool and keep writing to its output: it shares ours
    // rather than a pipe that closes when the tool is gone.
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());

    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(process.get(), &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);

    process->start(XDG_EMAIL, Arguments(message));
    if (!process->waitForStarted())
        return MAPI_E_FAILURE;
    timeout.start(m_waitMs);
    if (process->state() != QProcess::NotRunning)
        loop.exec();

    if (process->state() != QProcess::NotRunning) {
        // Handed over: the tool waits for the composer. It is freed when it ends.
        QProcess* running = process.release();
        running->setParent(QCoreApplication::instance());
        QObject::connect(running, &QProcess::finished, running, &QObject::deleteLater);
        return SUCCESS_SUCCESS;
    }
    const bool handed = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    return handed ? SUCCESS_SUCCESS : MAPI_E_FAILURE;
}

} // namespace vak
