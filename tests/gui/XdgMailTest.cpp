// The xdg-email hand-off against the real tool: a recording mail composer registered in a
// temporary desktop receives the mailto: URI, which is decoded here with Qt's own URL parser.
#include "MainWindowFixture.h"
#include "RecordingDesktop.h"

#include "mail/XdgMail.h"
#include "res/DialogTemplates.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

namespace vak::test {
namespace {

// What the composer got: the recipients, and every field of the query by name.
struct ReceivedMail {
    QStringList recipients;
    QStringList fieldNames;
    QString Field(const QString& name) const { return query.queryItemValue(name, QUrl::FullyDecoded); }
    QUrlQuery query;
};

ReceivedMail Decode(const QByteArray& uri)
{
    const QUrl url = QUrl::fromEncoded(uri, QUrl::StrictMode);
    ReceivedMail mail;
    EXPECT_TRUE(url.isValid()) << uri.toStdString();
    EXPECT_EQ(url.scheme(), QStringLiteral("mailto"));
    mail.recipients = url.path(QUrl::FullyDecoded).split(QLatin1Char(','), Qt::SkipEmptyParts);
    mail.query = QUrlQuery(url);
    for (const auto& item : mail.query.queryItems())
        mail.fieldNames.append(item.first);
    return mail;
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

    const ReceivedMail mail = Decode(m_desktop.WaitForArgument());
    EXPECT_EQ(mail.recipients, QStringList({QStringLiteral("tajemnik@example.cz")}));
    EXPECT_EQ(mail.fieldNames, QStringList({QStringLiteral("subject"), QStringLiteral("body"), QStringLiteral("attach")}));
    EXPECT_EQ(mail.Field(QStringLiteral("subject")), QStringLiteral("Sestavené soubory - Březen - Skupina 3"));
    EXPECT_EQ(mail.Field(QStringLiteral("body")), QStringLiteral("Březen .t19 soubor pro Skupina 3 "));
    EXPECT_EQ(mail.Field(QStringLiteral("attach")),
              QFileInfo(QString::fromStdString(TempFile("Skupina3.t19"))).canonicalFilePath());
    EXPECT_EQ(m_boxes->Shown().size(), 1);  // the question only
    EXPECT_TRUE(ListHasFocus());
}

TEST_F(XdgMailTest, AnAddressThatLooksLikeAnOptionArrivesAsARecipientAndAttachesNothing)
{
    fixtures::GroupBuilder group;
    group.Group(3).Month(2);
    group.AddPublisher({.firstName = "Jan", .surname = "Novák", .email = "--attach=/home/user/.ssh/id_rsa@x.cz"});
    group.AddPublisher({.firstName = "Eva", .surname = "Malá"});
    OpenGroup(group);
    ASSERT_TRUE(Visible(IDC_SEND_REMINDER));
    Click(IDC_SEND_REMINDER);

    const ReceivedMail mail = Decode(m_desktop.WaitForArgument());
    EXPECT_EQ(mail.recipients, QStringList({QStringLiteral("--attach=/home/user/.ssh/id_rsa@x.cz")}));
    EXPECT_EQ(mail.fieldNames, QStringList({QStringLiteral("subject"), QStringLiteral("body")}));
    EXPECT_EQ(mail.Field(QStringLiteral("subject")), QStringLiteral("Report"));
    EXPECT_EQ(mail.Field(QStringLiteral("body")), QStringLiteral("Předložte prosím váš přehled za Březen. \r\nDěkuji."));
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

TEST_F(XdgMailTest, EveryTextStaysInsideItsOwnField)
{
    const MapiMessage message =
        Message({"a?cc=spy@x.cz", "b&attach=/etc/passwd@x.cz", "c#d@x.cz", "e%41f@x.cz", "g\nbcc=spy@x.cz"},
                "Zpráva?&body=jiná#%20\nbcc: spy@x.cz", "Text&attach=/etc/passwd#?%41\nkonec");
    EXPECT_EQ(m_xdg.SendMail(message, 0), SUCCESS_SUCCESS);

    const ReceivedMail mail = Decode(m_desktop.WaitForArgument());
    EXPECT_EQ(mail.recipients, QStringList({QStringLiteral("a?cc=spy@x.cz"), QStringLiteral("b&attach=/etc/passwd@x.cz"),
                                            QStringLiteral("c#d@x.cz"), QStringLiteral("e%41f@x.cz"),
                                            QStringLiteral("g\nbcc=spy@x.cz")}));
    EXPECT_EQ(mail.fieldNames, QStringList({QStringLiteral("subject"), QStringLiteral("body")}));
    EXPECT_EQ(mail.Field(QStringLiteral("subject")), QStringLiteral("Zpráva?&body=jiná#%20\nbcc: spy@x.cz"));
    EXPECT_EQ(mail.Field(QStringLiteral("body")), QStringLiteral("Text&attach=/etc/passwd#?%41\r\nkonec"));
}

TEST_F(XdgMailTest, AnApostropheInAnAddressIsNotHandedOver)
{
    // Thunderbird would get the decoded address inside single quotes.
    const MapiMessage message = Message({"x',attachment='/home/user/.ssh/id_rsa@x.cz"}, "Report", "Text");
    EXPECT_EQ(m_xdg.SendMail(message, 0), MAPI_E_FAILURE);
    QTest::qWait(200);
    EXPECT_FALSE(m_desktop.HandlerRan());
}

TEST_F(XdgMailTest, AttachmentsArePassedAsAbsolutePathsAndMustExist)
{
    MapiMessage message = Message({"a@x.cz"}, "Report", "Text");
    message.files.push_back({0, "-v.t19", ""});
    const QStringList arguments = CXdgMail::Arguments(message);
    EXPECT_EQ(arguments.mid(0, 3), QStringList({QStringLiteral("--utf8"), QStringLiteral("--attach"),
                                                QDir::current().absoluteFilePath(QStringLiteral("-v.t19"))}));
    EXPECT_EQ(arguments.last(), QStringLiteral("mailto:a@x.cz?subject=Report&body=Text"));

    // xdg-email refuses a file that is not there: a failure, and the composer is not started.
    message.files[0].pathName = TempFile("missing.t19");
    EXPECT_EQ(m_xdg.SendMail(message, 0), MAPI_E_FAILURE);
    EXPECT_FALSE(m_desktop.HandlerRan());
}

TEST(XdgMailWaitTest, AToolStillRunningAfterTheWaitHasHandedTheMessageOver)
{
    RecordingDesktop desktop;
    const QString done = desktop.FilePath(QStringLiteral("composer-closed"));
    desktop.RegisterHandler(QStringLiteral("mailto"), QStringLiteral("sleep 3; touch '%1'").arg(done));
    CXdgMail xdg(300);
    EXPECT_EQ(xdg.SendMail(Message({"a@x.cz"}, "Report", "Text"), 0), SUCCESS_SUCCESS);
    EXPECT_FALSE(QFile::exists(done));
    EXPECT_FALSE(desktop.WaitForArgument().isEmpty());
}

TEST_F(XdgMailTest, WithoutXdgEmailTheMissingMessageIsShownAfterTheFileIsWritten)
{
    const QTemporaryDir emptyPath;
    m_desktop.environment.Set("PATH", emptyPath.path().toUtf8());
    fixtures::GroupBuilder group = SimpleGroup(2);
    group.SecretaryMail("tajemnik@example.cz");
    OpenGroup(group);
    m_boxes->QueueAnswer(MsgAnswer::Yes);
    Click(IDC_SEND_REPORT);

    EXPECT_EQ(m_boxes->Last(), QStringLiteral("Unable to load mail system support."));
    EXPECT_EQ(m_boxes->Shown().size(), 2);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(TempFile("Skupina3.t19"))));
}

} // namespace
} // namespace vak::test
