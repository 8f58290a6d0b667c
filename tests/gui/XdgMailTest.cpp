// The xdg-email hand-off against the real tool: a recording mail composer registered in a
// temporary desktop receives the mailto: URI, which is decoded here by Qt's own URL parser; the
// reminder to everyone still missing goes the same way, one message each.
#include "MainWindowFixture.h"
#include "RecordingDesktop.h"

#include "mail/RemindAllDlg.h"
#include "mail/XdgMail.h"
#include "res/DialogTemplates.h"

#include <QFileInfo>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

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

TEST_F(XdgMailTest, ReportFileReachesTheComposerWithSubjectTextAndAttachment)
{
    fixtures::GroupBuilder group = SimpleGroup(2);
    group.SecretaryMail("tajemnik@example.cz");
    OpenGroup(group);
    m_boxes->QueueAnswer(MsgAnswer::Yes);
    Click(IDC_SEND_REPORT);

    const QString report = QFileInfo(QString::fromStdString(TempFile("Skupina3.t19"))).canonicalFilePath();
    EXPECT_EQ(Decoded(m_desktop.WaitForArgument()),
              QStringList({QStringLiteral("tajemnik@example.cz"), QStringLiteral("subject=Sestavené soubory - Březen - Skupina 3"),
                           QStringLiteral("body=Březen .t19 soubor pro Skupina 3 "), QStringLiteral("attach=") + report}));
    EXPECT_EQ(m_boxes->Shown().size(), 1);  // the question only
}

TEST_F(XdgMailTest, EveryTextStaysInsideItsOwnField)
{
    const MapiMessage message = Message({"--attach=/home/user/.ssh/id_rsa@x.cz", "a?cc=spy@x.cz", "b&attach=/etc/passwd#c%41@x.cz",
                                         "d\nbcc=spy@x.cz"},
                                        "Zpráva?&body=jiná#%20\nbcc: spy@x.cz", "Text&attach=/etc/passwd#?%41\nkonec");
    EXPECT_EQ(m_xdg.SendMail(message, 0), SUCCESS_SUCCESS);
    EXPECT_EQ(Decoded(m_desktop.WaitForArgument()),
              QStringList({QStringLiteral("--attach=/home/user/.ssh/id_rsa@x.cz"), QStringLiteral("a?cc=spy@x.cz"),
                           QStringLiteral("b&attach=/etc/passwd#c%41@x.cz"), QStringLiteral("d\nbcc=spy@x.cz"),
                           QStringLiteral("subject=Zpráva?&body=jiná#%20\nbcc: spy@x.cz"),
                           QStringLiteral("body=Text&attach=/etc/passwd#?%41\r\nkonec")}));
}

TEST_F(XdgMailTest, FailuresOfTheHandOff)
{
    // Thunderbird would get the decoded address inside single quotes: not handed over.
    EXPECT_EQ(m_xdg.SendMail(Message({"x',attachment='/home/user/.ssh/id_rsa@x.cz"}, "Report", "Text"), 0), MAPI_E_FAILURE);
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
    for (const char* address : {"adam@example.cz", "eva'x@example.cz", "olga@example.cz"})
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
                                             "eva'x@example.cz, Jméno (eva'x@example.cz): Send Mail failed to send message."}));
}

TEST(XdgMailWithoutComposerTest, NoRegisteredComposerIsNoMailSystem)
{
    RecordingDesktop desktop;  // nothing registered for mailto:
    EXPECT_EQ(CXdgMail().Load(), CMailSystem::LoadResult::Missing);
}

TEST(XdgMailWaitTest, AToolStillRunningAfterTheWaitHasHandedTheMessageOver)
{
    RecordingDesktop desktop;
    const QString closed = desktop.FilePath(QStringLiteral("composer-closed"));
    desktop.RegisterHandler(QStringLiteral("mailto"), QStringLiteral("sleep 3; touch '%1'").arg(closed));
    EXPECT_EQ(CXdgMail(300).SendMail(Message({"a@x.cz"}, "Report", "Text"), 0), SUCCESS_SUCCESS);
    EXPECT_FALSE(QFile::exists(closed));
    EXPECT_FALSE(desktop.WaitForArgument().isEmpty());
}

} // namespace
} // namespace vak::test
