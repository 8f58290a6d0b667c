// The xdg-email back-end of the mail hand-off: the route xdg-email takes on this desktop, the
// attachments it can carry, and running it.
#include "mail/XdgMail.h"

#include "res/StringTable.h"
#include "ui/QtText.h"
#include "ui/SchemeHandlers.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>

#include <filesystem>
#include <memory>

#include <stdlib.h>

namespace vak {

namespace {

namespace fs = std::filesystem;

const QString XDG_EMAIL = QStringLiteral("xdg-email");
constexpr int QUERY_TIMEOUT_MS = 5000;

QString Which(const QString& program)
{
    return program.isEmpty() ? QString() : QStandardPaths::findExecutable(program);
}

// xdg-email hands the message to Thunderbird's "-compose" when the composer's program path
// names it.
bool IsThunderbird(const QString& text)
{
    return text.contains(QLatin1String("thunderbird")) || text.contains(QLatin1String("icedove"));
}

QString FirstWord(const QString& text)
{
    return text.section(QRegularExpression(QStringLiteral("\\s+")), 0, 0, QString::SectionSkipEmpty);
}

// The program a desktop entry starts, with its links resolved, as xdg-email finds it: the first
// word of its first Exec line, looked up on the PATH.
QString DesktopEntryProgram(const QString& entry)
{
    QString file = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entry);
    if (file.isEmpty() && entry.contains(QLatin1Char('-')))
        file = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, QString(entry).replace(entry.indexOf('-'), 1, '/'));
    QFile desktop(file);
    if (file.isEmpty() || !desktop.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression execLine(QStringLiteral("^Exec(\\[[^]=]*\\])?=(.*)$"),
                                             QRegularExpression::MultilineOption);
    const QString exec = execLine.match(QString::fromUtf8(desktop.readAll())).captured(2);
    return QFileInfo(Which(FirstWord(exec))).canonicalFilePath();
}

QString Output(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(QUERY_TIMEOUT_MS)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

// The mail client of KDE's e-mail settings, which xdg-email asks kreadconfig for.
QString KdeEmailClient()
{
    const int version = qEnvironmentVariableIntValue("KDE_SESSION_VERSION");
    const QString kreadconfig = Which(version >= 5 ? QStringLiteral("kreadconfig%1").arg(version) : QStringLiteral("kreadconfig"));
    if (kreadconfig.isEmpty())
        return {};
    const auto key = [&](const QString& group, const QString& name) {
        return Output(kreadconfig, {QStringLiteral("--file"), QStringLiteral("emaildefaults"), QStringLiteral("--group"),
                                    group, QStringLiteral("--key"), name});
    };
    const QString profile = key(QStringLiteral("Defaults"), QStringLiteral("Profile"));
    return profile.isEmpty() ? QString() : FirstWord(key(QStringLiteral("PROFILE_") + profile, QStringLiteral("EmailClient")));
}

// The desktop as xdg-email names it, where its own mail client matters: "kde", "xfce" or "".
QString Desktop()
{
    const QString current = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    if (current == QLatin1String("KDE"))
        return QStringLiteral("kde");
    if (current == QLatin1String("XFCE"))
        return QStringLiteral("xfce");
    static const QRegularExpression otherDesktops(
        QStringLiteral("^(Cinnamon|X-Cinnamon|ENLIGHTENMENT|GNOME.*|DEEPIN|Deepin|deepin|LXDE|LXQt|MATE|X-Generic)$"));
    if (otherDesktops.match(current).hasMatch())
        return {};
    if (!qEnvironmentVariableIsEmpty("KDE_FULL_SESSION"))
        return QStringLiteral("kde");
    if (!qEnvironmentVariableIsEmpty("GNOME_DESKTOP_SESSION_ID") || !qEnvironmentVariableIsEmpty("MATE_DESKTOP_SESSION_ID"))
        return {};
    const QString session = qEnvironmentVariable("DESKTOP_SESSION");
    const bool xfce = session == QLatin1String("xfce") || session == QLatin1String("xfce4") || session == QLatin1String("Xfce Session");
    return xfce ? QStringLiteral("xfce") : QString();
}

// The desktop's own opener of mailto: URIs that xdg-email runs, when it is installed.
bool HasDesktopMailClient()
{
    const QString desktop = Desktop();
    if (desktop == QLatin1String("xfce"))
        return !Which(QStringLiteral("exo-open")).isEmpty();
    if (desktop != QLatin1String("kde"))
        return false;
    const QString version = qEnvironmentVariable("KDE_SESSION_VERSION");
    const QString opener = version.isEmpty() ? QStringLiteral("kmailservice")
                           : version == QLatin1String("4") ? QStringLiteral("kde-open")
                                                           : QStringLiteral("kde-open") + version;
    return !Which(opener).isEmpty();
}

// A new folder only the user may enter, for a copy of an attachment; empty when none can be made.
std::string NewPrivateFolder()
{
    for (const QString& base : {qEnvironmentVariable("XDG_RUNTIME_DIR"), QDir::tempPath(), QStringLiteral("/tmp")}) {
        if (base.isEmpty() || !XdgCarriesPath(base.toStdString()))
            continue;
        std::string pattern = (base + QStringLiteral("/vak-mail-XXXXXX")).toStdString();
        if (::mkdtemp(pattern.data()) != nullptr)
            return pattern;
    }
    return {};
}

// The path xdg-email is given for an attachment: the file's own path with its links resolved
// (as xdg-email resolves them) when every composer receives it intact, else a copy under a
// plain name in a private folder, which stays for the composer to read. A missing file keeps
// its path, for xdg-email to report. Empty when no copy could be made.
std::string CarriedAttachment(const std::string& path)
{
    std::error_code error;
    const fs::path real = fs::canonical(path, error);
    if (error)
        return fs::absolute(path, error).string();
    if (XdgCarriesPath(real.string()))
        return real.string();
    const std::string folder = NewPrivateFolder();
    if (folder.empty())
        return {};
    const fs::path copy = fs::path(folder) / PlainFileName(real.filename().string());
    return fs::copy_file(real, copy, error) ? copy.string() : std::string();
}

} // namespace

CMailSystem::LoadResult CXdgMail::Load()
{
    m_route = XdgRoute::Uri;
    if (Which(XDG_EMAIL).isEmpty())
        return LoadResult::Missing;
    // The hook and $MAILER get the URI whole, before any desktop is looked at.
    if (!Which(QStringLiteral("xdg-email-hook.sh")).isEmpty() || !qEnvironmentVariableIsEmpty("MAILER"))
        return LoadResult::Loaded;
    const QString handler = DefaultSchemeHandler(QStringLiteral("mailto"));
    const bool thunderbird = (!handler.isEmpty() && (IsThunderbird(handler) || IsThunderbird(DesktopEntryProgram(handler)))) ||
                             IsThunderbird(KdeEmailClient());
    if (thunderbird)
        m_route = XdgRoute::Thunderbird;
    // Without any of these xdg-email falls back to a text web browser, which is no mail client.
    return thunderbird || !handler.isEmpty() || HasDesktopMailClient() ? LoadResult::Loaded : LoadResult::Missing;
}

std::string CXdgMail::UncarriedAddress(const MapiMessage& message) const
{
    for (const MapiRecipDesc& recipient : message.recipients) {
        const std::string address = PlainAddress(recipient);
        if (!address.empty() && !XdgCarriesAddress(address, m_route))
            return address;
    }
    return {};
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

// Handed over as far as the wait can tell: the tool waits for the composer. It is watched until
// it ends, and an unsuccessful end is reported as the message's late failure; it is freed then.
void CXdgMail::WatchUntilItEnds(QProcess* running) const
{
    running->setParent(QCoreApplication::instance());
    QObject::connect(running, &QProcess::finished, running,
                     [running, report = m_lateFailure](int code, QProcess::ExitStatus status) {
                         running->deleteLater();
                         // The program's own end stops the tool too; that is no failure of it.
                         if ((status != QProcess::NormalExit || code != 0) && report && !QCoreApplication::closingDown())
                             report(TEXT_MAIL_FAILED);
                     });
}

unsigned long CXdgMail::SendMail(const MapiMessage& message, unsigned long)
{
    if (!UncarriedAddress(message).empty())
        return MAPI_E_FAILURE;
    MapiMessage carried = message;
    for (MapiFileDesc& file : carried.files) {
        if (file.pathName.empty())
            continue;
        file.pathName = CarriedAttachment(file.pathName);
        if (file.pathName.empty())
            return MAPI_E_FAILURE;
    }

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

    process->start(XDG_EMAIL, Arguments(carried));
    if (!process->waitForStarted())
        return MAPI_E_FAILURE;
    timeout.start(m_waitMs);
    if (process->state() != QProcess::NotRunning)
        loop.exec();

    if (process->state() != QProcess::NotRunning) {
        WatchUntilItEnds(process.release());
        return SUCCESS_SUCCESS;
    }
    const bool handed = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    return handed ? SUCCESS_SUCCESS : MAPI_E_FAILURE;
}

} // namespace vak
