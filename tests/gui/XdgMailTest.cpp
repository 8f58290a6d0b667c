// The xdg-email hand-off against the real tool: a recording mail composer registered in a
// temporary desktop receives the mailto: URI, which is decoded here by Qt's own URL parser; the
// reminder to everyone still missing goes the same way, one message each.
#include "MainWindowFixture.h"
#include "RecordingDesktop.h"

#include "mail/RemindAllDlg.h"
#include "mail/XdgMail.h"
#include "res/DialogTemplates.h"
#include "res/StringTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

#include <sys/stat.h>

namespace vak::test {
namespace {

// The recipients the composer got, then each field of the query as name and decoded value.
QStringList Decoded(const QByteArray& uri)
{
    const QUrl url = QUrl::fromEncoded(uri, QUrl::StrictMode);
    EXPECT_EQ(url.scheme(), QStringLiteral("mailto")) << uri.toStdString();
    QStringList parts = url.path(QUrl::FullyDecoded).split(QLatin1Char(','));
    for (const auto& [name, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded))
        parts << name + QLatin1Char('=') + value;
    return parts;
}

MapiMessage Message(const std::vector<std::string>& addresses, const std::string& subject, const std::string& body)
{
    MapiMessage message;
    for (const std::string& address : addresses)
        message.recipients.push_back({MAPI_TO, address, "SMTP:" + address});
    message.subject = subject;
    message.noteText = body;
    return message;
}

class XdgMailTest : public MainWindowTest {
protected:
    XdgMailTest()
    {
        m_mailSystem = &m_xdg;
        m_desktop.RegisterHandler(QStringLiteral("mailto"));
    }
    RecordingDesktop m_desktop;
    CXdgMail m_xdg{10000};
};

TEST_F(XdgMailTest, EveryTextStaysInsideItsOwnField)
{
    const MapiMessage message = Message({"--attach=/home/user/.ssh/id_rsa@x.cz", "a?cc=spy@x.cz", "b&attach=/etc/passwd#c%41@x.cz",
                                         "d.bcc=spy@x.cz"},
                                        "Zpráva?&body=jiná#%20\nbcc: spy@x.cz", "Text&attach=/etc/passwd#?%41\nkonec");
    EXPECT_EQ(m_xdg.SendMail(message, 0), SUCCESS_SUCCESS);
    EXPECT_EQ(Decoded(m_desktop.WaitForArgument()),
              QStringList({QStringLiteral("--attach=/home/user/.ssh/id_rsa@x.cz"), QStringLiteral("a?cc=spy@x.cz"),
                           QStringLiteral("b&attach=/etc/passwd#c%41@x.cz"), QStringLiteral("d.bcc=spy@x.cz"),
                           QStringLiteral("subject=Zpráva?&body=jiná#%20\nbcc: spy@x.cz"),
                           QStringLiteral("body=Text&attach=/etc/passwd#?%41\r\nkonec")}));
}

TEST_F(XdgMailTest, FailuresOfTheHandOff)
{
    // xdg-email exits with an error for an attachment that is not there.
    MapiMessage message = Message({"a@x.cz"}, "Report", "Text");
    message.files.push_back({0, TempFile("missing.t19"), ""});
    EXPECT_EQ(m_xdg.SendMail(message, 0), MAPI_E_FAILURE);
    QTest::qWait(200);
    EXPECT_FALSE(m_desktop.HandlerRan());

    // A relative path is passed absolute, so it never reads as an option.
    message.files[0].pathName = "-v.t19";
    EXPECT_EQ(CXdgMail::Arguments(message).mid(1, 2),
              QStringList({QStringLiteral("--attach"), QFileInfo(QStringLiteral("-v.t19")).absoluteFilePath()}));

    EXPECT_EQ(m_xdg.Load(), CMailSystem::LoadResult::Loaded);
    const QTemporaryDir emptyFolder;
    m_desktop.environment.Set("PATH", emptyFolder.path().toUtf8());
    EXPECT_EQ(m_xdg.Load(), CMailSystem::LoadResult::Missing);
}

TEST_F(XdgMailTest, RemindAllHandsOneMessageEachAndRefusesAnUnsafeAddressInTheMiddle)
{
    fixtures::GroupBuilder group = SimpleGroup(0);
    for (const char* address : {"adam@example.cz", "eva\"x@example.cz", "olga@example.cz"})
        group.AddPublisher({.firstName = "Jméno", .surname = address, .email = address});
    OpenGroup(group);
    WithDialog<CRemindAllDlg>(IDC_REMIND_ALL, [](CRemindAllDlg& dialog) {
        QTest::mouseClick(dialog.GetDlgItem(IDC_REMIND_SEND), Qt::LeftButton);
    });
    QStringList received;
    for (const QByteArray& uri : m_desktop.WaitForArguments(2))
        received << Decoded(uri).front();
    EXPECT_EQ(received, QStringList({"adam@example.cz", "olga@example.cz"}));
    EXPECT_EQ(m_boxes->Shown(), QStringList({"Poštovnímu programu předány připomínky: 2 z 3.\n\nNepředáno:\n"
                                             "eva\"x@example.cz, Jméno (eva\"x@example.cz): E-mailovou adresu "
                                             "eva\"x@example.cz nelze bezpečně předat poštovnímu programu, e-mail "
                                             "proto nebyl odeslán."}));
}

TEST(XdgMailWithoutComposerTest, NoRegisteredComposerIsNoMailSystem)
{
    RecordingDesktop desktop;  // nothing registered for mailto:
    EXPECT_EQ(CXdgMail().Load(), CMailSystem::LoadResult::Missing);
}

// A tool still running after the wait has handed the message over; it is watched, and when it
// then fails, the message's late failure is told.
TEST(XdgMailWaitTest, AToolStillRunningAfterTheWaitIsWatchedUntilItEnds)
{
    RecordingDesktop desktop;
    const QString closed = desktop.FilePath(QStringLiteral("composer-closed"));
    desktop.RegisterHandler(QStringLiteral("mailto"), QStringLiteral("sleep 2; touch '%1'; exit 3").arg(closed));
    std::string late;
    CXdgMail mail(300);
    mail.SetLateFailure([&](const std::string& reason) { late = reason; });
    EXPECT_EQ(mail.SendMail(Message({"a@x.cz"}, "Report", "Text"), 0), SUCCESS_SUCCESS);
    EXPECT_FALSE(QFile::exists(closed));
    EXPECT_FALSE(desktop.WaitForArgument().isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !late.empty(); }, 10000));
    EXPECT_EQ(late, TEXT_MAIL_FAILED);
}

// One of the routes xdg-email takes to a composer: the desktop it finds and the program it
// then runs, played by a stand-in of that name on the PATH that records its arguments.
struct MailRoute {
    const char* name;
    const char* program;                  // the stand-in that receives the message
    std::vector<std::pair<const char*, const char*>> environment;  // "@" stands for the stand-ins' folder
    const char* mailtoEntry;              // the program of the desktop entry for mailto:, if any
    bool thunderbird;                     // gets Thunderbird's "-compose" text, not the URI
    bool kdeNamesThunderbird = false;     // KDE's e-mail settings name Thunderbird
};

void PrintTo(const MailRoute& route, std::ostream* out)
{
    *out << route.name;
}

class XdgRouteTest : public MainWindowTest, public testing::WithParamInterface<MailRoute> {
protected:
    XdgRouteTest()
    {
        m_mailSystem = &m_xdg;
        const MailRoute& route = GetParam();
        QDir().mkpath(m_bin);
        for (const char* name : {"KDE_SESSION_VERSION", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"})
            m_desktop.environment.Unset(name);
        m_desktop.environment.Set("PATH", (m_bin + QLatin1Char(':') + qEnvironmentVariable("PATH")).toUtf8());
        for (const auto& [name, value] : route.environment)
            m_desktop.environment.Set(name, QString::fromUtf8(value).replace(QLatin1Char('@'), m_bin).toUtf8());
        // The entry's program is only looked up when it does not receive the message itself.
        if (route.mailtoEntry) {
            StandIn(QString::fromLatin1(route.mailtoEntry), QStringLiteral("exit 1\n"));
            RegisterMailtoEntry(m_bin + QLatin1Char('/') + QString::fromLatin1(route.mailtoEntry));
        }
        // gio answers "help open" as the real one does.
        StandIn(QString::fromLatin1(route.program),
                QStringLiteral("[ \"$1\" = help ] && exit 0\nprintf '%s\\0' \"$@\" > '%1'\n").arg(Received()));
        if (route.kdeNamesThunderbird)
            StandIn(QStringLiteral("kreadconfig5"),
                    QStringLiteral("case \"$*\" in *Profile*) echo Default;; *EmailClient*) echo 'thunderbird -compose %u';; esac\n"));
    }

    QString Received() const { return m_desktop.FilePath(QStringLiteral("received")); }

    void StandIn(const QString& name, const QString& body)
    {
        QFile script(m_bin + QLatin1Char('/') + name);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write((QStringLiteral("#!/bin/sh\n") + body).toUtf8());
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void RegisterMailtoEntry(const QString& program)
    {
        QFile entry(m_desktop.FilePath(QStringLiteral("data/applications/composer.desktop")));
        ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
        entry.write(QStringLiteral("[Desktop Entry]\nType=Application\nName=Composer\nExec=%1 %u\n"
                                   "MimeType=x-scheme-handler/mailto;\n").arg(program).toUtf8());
        QFile list(m_desktop.FilePath(QStringLiteral("config/mimeapps.list")));
        ASSERT_TRUE(list.open(QIODevice::WriteOnly));
        list.write("[Default Applications]\nx-scheme-handler/mailto=composer.desktop\n");
    }

    // What the composer got, as recipients followed by "name=value" fields, whichever way it
    // came: the URI, or Thunderbird's text.
    QStringList Delivered() const
    {
        QFile file(Received());
        if (!QTest::qWaitFor([&] { return file.exists() && file.size() > 0; }, 10000) || !file.open(QIODevice::ReadOnly))
            return {};
        const QList<QByteArray> arguments = file.readAll().split('\0');
        const QByteArray message = arguments.size() >= 2 ? arguments[arguments.size() - 2] : QByteArray();
        if (!GetParam().thunderbird)
            return Decoded(message);
        // Thunderbird's text as xdg-email builds it: the addresses decoded and quoted with a
        // trailing comma, subject and text still percent-encoded, the path quoted; nothing else.
        static const QRegularExpression compose(
            QStringLiteral("^to='([^']*),',subject=([^,']*),body=([^,']*),attachment='([^',]*)'$"));
        const QRegularExpressionMatch fields = compose.match(QString::fromUtf8(message));
        if (arguments.first() != "-compose" || !fields.hasMatch())
            return {QString::fromUtf8(message)};
        return fields.captured(1).split(QLatin1Char(',')) +
               QStringList{QStringLiteral("subject=") + QString::fromUtf8(QByteArray::fromPercentEncoding(fields.captured(2).toUtf8())),
                           QStringLiteral("body=") + QString::fromUtf8(QByteArray::fromPercentEncoding(fields.captured(3).toUtf8())),
                           QStringLiteral("attach=") + fields.captured(4)};
    }

    QString m_bin = m_dir.filePath(QStringLiteral("bin"));
    RecordingDesktop m_desktop;
    CXdgMail m_xdg{10000};
};

TEST_P(XdgRouteTest, DeliversWhatTheRouteCarriesAndRefusesWhatItCannot)
{
    EXPECT_EQ(m_xdg.Load(), CMailSystem::LoadResult::Loaded);
    EXPECT_EQ(m_xdg.Route() == XdgRoute::Thunderbird, GetParam().thunderbird);

    const QString hostile = QStringLiteral("a\\047,attachment=\\047/etc/passwd\\047,cc=\\047b@x.cz");
    struct Case {
        QString address;
        QString folder;     // of the group file, inside the test's folder
        bool refused;
        QString link = {};  // a plain-named link to the folder, through which the group is opened
    };
    const Case cases[] = {
        {QStringLiteral("tajemnik@example.cz"), QStringLiteral("sbor"), false},
        {QStringLiteral("o'neil@example.ie"), QStringLiteral("sbor"), GetParam().thunderbird},
        {hostile, QStringLiteral("sbor"), true},
        {QStringLiteral("tajemnik@example.cz"), QStringLiteral("o'brien, \\zprávy"), false},
        {QStringLiteral("tajemnik@example.cz"), QStringLiteral("o'hara, \\zprávy"), false, QStringLiteral("odkaz")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.address + QLatin1Char(' ') + c.folder).toStdString());
        QFile::remove(Received());
        QDir(m_dir.path()).mkpath(c.folder);
        fixtures::GroupBuilder group = SimpleGroup(2);
        group.SecretaryMail(c.address.toStdString());
        const std::string written = WriteGroup(group, c.folder.toStdString() + "/Skupina3.t09");
        if (!c.link.isEmpty()) {
            ASSERT_TRUE(QFile::link(m_dir.filePath(c.folder), m_dir.filePath(c.link)));
        }
        Open(c.link.isEmpty() ? written : m_dir.filePath(c.link + QStringLiteral("/Skupina3.t09")).toStdString());
        m_boxes->Clear();
        m_boxes->QueueAnswer(MsgAnswer::Yes);
        Click(IDC_SEND_REPORT);
        const QString report = QFileInfo(m_dir.filePath(c.folder + QStringLiteral("/Skupina3.t19"))).canonicalFilePath();
        ASSERT_FALSE(report.isEmpty());
        if (c.refused) {
            EXPECT_EQ(m_boxes->Last(), QStringLiteral("E-mailovou adresu %1 nelze bezpečně předat poštovnímu programu, "
                                                      "e-mail proto nebyl odeslán.").arg(c.address));
            QTest::qWait(300);
            EXPECT_FALSE(QFile::exists(Received()));
            continue;
        }
        EXPECT_EQ(m_boxes->Shown().size(), 1);  // the question only
        const QStringList delivered = Delivered();
        ASSERT_EQ(delivered.size(), 4) << delivered.join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(delivered.mid(0, 3), QStringList({c.address, QStringLiteral("subject=Sestavené soubory - Březen - Skupina 3"),
                                                    QStringLiteral("body=Březen .t19 soubor pro Skupina 3 ")}));
        // A path the route cannot carry is attached as a copy with a plain name, in a folder of
        // the user's own.
        const QString attached = delivered[3].mid(QStringLiteral("attach=").size());
        if (c.folder == QLatin1String("sbor")) {
            EXPECT_EQ(attached, report);
        } else {
            EXPECT_EQ(QFileInfo(attached).fileName(), QStringLiteral("Skupina3.t19"));
            struct stat folder {};
            ASSERT_EQ(::stat(QFileInfo(attached).path().toLocal8Bit().constData(), &folder), 0);
            EXPECT_EQ(folder.st_mode & 0777, 0700u);
            EXPECT_EQ(ReadFile(attached.toStdString()), ReadFile(report.toStdString()));
        }
    }
}

std::string RouteName(const testing::TestParamInfo<MailRoute>& route)
{
    return route.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    Routes, XdgRouteTest,
    testing::Values(MailRoute{"generic", "composer", {}, "composer", false},
                    MailRoute{"thunderbird", "thunderbird", {}, "thunderbird", true},
                    MailRoute{"icedove", "icedove", {}, "icedove", true},
                    MailRoute{"kde", "kde-open5", {{"XDG_CURRENT_DESKTOP", "KDE"}, {"KDE_SESSION_VERSION", "5"}}, nullptr, false},
                    MailRoute{"kmail", "kmailservice", {{"KDE_FULL_SESSION", "true"}}, nullptr, false},
                    MailRoute{"kde_thunderbird", "thunderbird", {{"XDG_CURRENT_DESKTOP", "KDE"}, {"KDE_SESSION_VERSION", "5"}},
                              nullptr, true, true},
                    MailRoute{"gnome_evolution", "gio", {{"XDG_CURRENT_DESKTOP", "GNOME"}}, "evolution", false},
                    MailRoute{"xfce", "exo-open", {{"XDG_CURRENT_DESKTOP", "XFCE"}}, nullptr, false},
                    MailRoute{"mailer", "mailer", {{"MAILER", "@/mailer"}}, nullptr, false},
                    MailRoute{"hook", "xdg-email-hook.sh", {}, nullptr, false}),
    RouteName);

} // namespace
} // namespace vak::test
