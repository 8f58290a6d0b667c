// Sending the report file to the secretary and reminders from the main window: what is
// written, what the user is asked and told, and the message the mail client receives.
#include "MainWindowFixture.h"

#include <QTest>

#include "res/DialogTemplates.h"
#include "ui/ListBox.h"

#include <QApplication>

namespace vak::test {
namespace {

using SendMailTest = MainWindowTest;

const QString MAIL_MISSING = QStringLiteral("Unable to load mail system support.");

fixtures::GroupBuilder GroupForSecretary(int publishers, const std::string& secretary = "tajemnik@example.cz")
{
    fixtures::GroupBuilder group = MainWindowTest::SimpleGroup(publishers);
    group.SecretaryMail(secretary);
    return group;
}

QString Saved(const std::string& reportFile)
{
    return QStringLiteral("Vaše aktualizované zprávy byly uloženy do souboru ") + QString::fromStdString(reportFile);
}

QString Question(const std::string& reportFile)
{
    return Saved(reportFile) + QStringLiteral("\n\nKlikněte na Ano pro odeslání souboru .t19 na e-mail tajemnik@example.cz"
                                              ",\n\n       nebo\n\nKlikněte na Ne pro pozdější odeslání souboru tajemníkovi.");
}

TEST_F(SendMailTest, YesHandsTheWrittenReportFileToEachSecretaryAddress)
{
    const std::string group = WriteGroup(GroupForSecretary(2, "tajemnik@example.cz; zastupce@example.cz"));
    const std::string report = TempFile("Skupina3.t19");
    Open(group);
    m_boxes->QueueAnswer(MsgAnswer::Yes);
    m_mail.composerWindow = true;
    Click(IDC_SEND_REPORT);

    EXPECT_EQ(m_boxes->Shown().size(), 1);
    EXPECT_EQ(ReadFile(report), ReadFile(group));  // an unchanged group is written as it was read
    ASSERT_EQ(m_mail.sent.size(), 1u);
    const MapiMessage& message = m_mail.sent[0].message;
    EXPECT_EQ(message.originator.name, "Vak");
    ASSERT_EQ(message.recipients.size(), 2u);
    EXPECT_EQ(message.recipients[1].name, " zastupce@example.cz");
    EXPECT_EQ(message.recipients[1].address, "SMTP: zastupce@example.cz");
    EXPECT_EQ(message.subject, "Sestavené soubory - Březen - Skupina 3");
    EXPECT_EQ(message.noteText, "Březen .t19 soubor pro Skupina 3 ");
    ASSERT_EQ(message.files.size(), 1u);
    EXPECT_EQ(message.files[0].pathName, report);
    EXPECT_EQ(message.files[0].position, 32u);
    EXPECT_EQ(m_mail.sent[0].flags, MAPI_LOGON_UI);
    // The window waited for the hand-off and is usable again, the list focused.
    EXPECT_TRUE(m_mail.sent[0].windowDisabled && m_mail.sent[0].waitCursor);
    EXPECT_TRUE(m_dlg->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == m_dlg.get(); }));
    EXPECT_TRUE(ListHasFocus());
}

TEST_F(SendMailTest, FlowsThatSendNoMail)
{
    struct Case {
        const char* name;
        int publishers;
        std::string secretary, groupFile;
        bool reportWritten;
        std::function<QString(const std::string&)> shown;
    };
    const Case cases[] = {
        {"answer No", 2, "tajemnik@example.cz", "Skupina3.t09", true, Question},
        {"group file .T09", 2, "tajemnik@example.cz", "Skupina3.T09", true, Question},
        {"no secretary address", 2, "", "Skupina3.t09", true, Saved},
        {"one publisher", 1, "tajemnik@example.cz", "Skupina3.t09", false,
         [](const std::string&) { return QStringLiteral("Skupina má méně než 3 zvěstovatele"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString report = QString::fromStdString(TempFile("Skupina3.t19"));
        QFile::remove(report);
        m_boxes->Clear();
        Open(WriteGroup(GroupForSecretary(c.publishers, c.secretary), c.groupFile));
        Click(IDC_SEND_REPORT);
        EXPECT_EQ(m_boxes->Shown(), QStringList({c.shown(report.toStdString())}));
        EXPECT_EQ(QFile::exists(report), c.reportWritten);
        EXPECT_TRUE(m_mail.sent.empty());
        EXPECT_TRUE(ListHasFocus());
    }
}

TEST_F(SendMailTest, MailSystemProblemsAreShownOncePerAttemptAfterTheFileIsWritten)
{
    OpenGroup(GroupForSecretary(2));
    const std::string report = TempFile("Skupina3.t19");
    m_mail.load = CMailSystem::LoadResult::Missing;
    for (int attempt = 0; attempt < 2; ++attempt) {
        QFile::remove(QString::fromStdString(report));
        m_boxes->QueueAnswer(MsgAnswer::Yes);
        Click(IDC_SEND_REPORT);
        EXPECT_TRUE(QFile::exists(QString::fromStdString(report)));
    }
    EXPECT_EQ(m_boxes->Shown(), QStringList({Question(report), MAIL_MISSING, Question(report), MAIL_MISSING}));
    EXPECT_TRUE(m_mail.sent.empty());

    // A cancelled mail or logon is silent, a failed one is said.
    m_mail.load = CMailSystem::LoadResult::Loaded;
    for (const unsigned long result : {MAPI_USER_ABORT, MAPI_E_LOGIN_FAILURE, MAPI_E_FAILURE}) {
        m_mail.result = result;
        m_boxes->Clear();
        m_boxes->QueueAnswer(MsgAnswer::Yes);
        Click(IDC_SEND_REPORT);
        EXPECT_EQ(m_boxes->Last(), result == MAPI_E_FAILURE ? QStringLiteral("Send Mail failed to send message.")
                                                            : Question(report));
    }
}

TEST_F(SendMailTest, ReminderAndItsPreviewCarryTheReportMonthsText)
{
    fixtures::GroupBuilder group = SimpleGroup(2);
    group.AddPublisher({.firstName = "Jan", .surname = "Novák", .email = "jan.novak@example.cz"});
    OpenGroup(group);
    m_dlg->PublisherList()->setCurrentRow(2);
    const QString text = QStringLiteral("Předložte prosím váš přehled za Březen. \nDěkuji.");
    Click(IDC_PREVIEW_REMINDER);
    m_mail.composerWindow = true;
    Click(IDC_SEND_REMINDER);

    EXPECT_EQ(m_boxes->Shown(), QStringList({text, QStringLiteral("jan.novak@example.cz")}));
    ASSERT_EQ(m_mail.sent.size(), 1u);
    const MapiMessage& message = m_mail.sent[0].message;
    ASSERT_EQ(message.recipients.size(), 1u);
    EXPECT_EQ(message.recipients[0].address, "SMTP:jan.novak@example.cz");
    EXPECT_EQ(message.subject, "Report");
    EXPECT_EQ(message.noteText, text.toStdString());
    EXPECT_TRUE(message.files.empty());
    // The keyboard is back in the list even though the composer took the activation.
    EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == m_dlg.get(); }));
    EXPECT_TRUE(ListHasFocus());
}

} // namespace
} // namespace vak::test
