// Sending the report file to the secretary and reminders to publishers from the main window:
// what is written, what the user is asked and told, and the message the mail client receives.
#include "MainWindowFixture.h"

#include "app/CzechTranslation.h"
#include "mail/MapiMail.h"
#include "res/DialogTemplates.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace vak::test {
namespace {

using SendReportTest = MainWindowTest;
using ReminderTest = MainWindowTest;

const QString SAVED = QStringLiteral("Vaše aktualizované zprávy byly uloženy do souboru ");
const QString MAIL_MISSING = QStringLiteral("Unable to load mail system support.");
const QString MAIL_FAILED = QStringLiteral("Send Mail failed to send message.");

fixtures::GroupBuilder GroupForSecretary(int publishers, const std::string& secretary = "tajemnik@example.cz")
{
    fixtures::GroupBuilder group = MainWindowTest::SimpleGroup(publishers);
    group.SecretaryMail(secretary);
    return group;
}

// The question of the send flow for `reportFile`, written out in full.
QString Question(const std::string& reportFile, const QString& address = QStringLiteral("tajemnik@example.cz"))
{
    return SAVED + QString::fromStdString(reportFile) + QStringLiteral("\n\nKlikněte na Ano pro odeslání souboru .t19 na e-mail ") +
           address + QStringLiteral(",\n\n       nebo\n\nKlikněte na Ne pro pozdější odeslání souboru tajemníkovi.");
}

TEST_F(SendReportTest, YesHandsTheWrittenReportFileToTheMailClient)
{
    const std::string group = WriteGroup(GroupForSecretary(2));
    const std::string report = TempFile("Skupina3.t19");
    Open(group);
    m_boxes->QueueAnswer(MsgAnswer::Yes);
    Click(IDC_SEND_REPORT);

    EXPECT_EQ(m_boxes->Shown(), QStringList({Question(report)}));
    // An unchanged group is written byte for byte as it was read.
    EXPECT_EQ(ReadFile(report), ReadFile(group));
    ASSERT_EQ(m_mail.sent.size(), 1u);
    const RecordingMail::Sent& sent = m_mail.sent[0];
    EXPECT_EQ(sent.message.originator.name, "Vak");
    EXPECT_EQ(sent.message.originator.recipClass, MAPI_ORIG);
    ASSERT_EQ(sent.message.recipients.size(), 1u);
    EXPECT_EQ(sent.message.recipients[0].recipClass, MAPI_TO);
    EXPECT_EQ(sent.message.recipients[0].name, "tajemnik@example.cz");
    EXPECT_EQ(sent.message.recipients[0].address, "SMTP:tajemnik@example.cz");
    EXPECT_EQ(sent.message.subject, "Sestavené soubory - Březen - Skupina 3");
    EXPECT_EQ(sent.message.noteText, "Březen .t19 soubor pro Skupina 3 ");
    ASSERT_EQ(sent.message.files.size(), 1u);
    EXPECT_EQ(sent.message.files[0].pathName, report);
    EXPECT_EQ(sent.message.files[0].fileName, "");
    EXPECT_EQ(sent.message.files[0].position, 32u);
    EXPECT_EQ(sent.flags, MAPI_LOGON_UI);

    // The window waits for the hand-off and is usable again afterwards, the list focused.
    EXPECT_TRUE(sent.windowDisabled);
    EXPECT_TRUE(sent.waitCursor);
    EXPECT_TRUE(m_dlg->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(ListHasFocus());
    EXPECT_EQ(m_mail.loads, 1);
    EXPECT_EQ(m_mail.unloads, 1);
}

TEST_F(SendReportTest, FlowsThatSendNoMail)
{
    struct Case {
        const char* name;
        int publishers;
        std::string secretary;
        std::string groupFile;
        bool reportFolderInTheWay;  // a folder stands where the report file goes
        bool reportWritten;
        std::function<QStringList(const std::string& report)> shown;
    };
    const Case cases[] = {
        {"answer No", 2, "tajemnik@example.cz", "Skupina3.t09", false, true,
         [](const std::string& report) { return QStringList{Question(report)}; }},
        {"group file named .T09", 2, "tajemnik@example.cz", "Skupina3.T09", false, true,
         [](const std::string& report) { return QStringList{Question(report)}; }},
        {"no secretary address", 2, "", "Skupina3.t09", false, true,
         [](const std::string& report) { return QStringList{SAVED + QString::fromStdString(report)}; }},
        {"one publisher", 1, "tajemnik@example.cz", "Skupina3.t09", false, false,
         [](const std::string&) { return QStringList{QStringLiteral("Skupina má méně než 3 zvěstovatele")}; }},
        {"report file cannot be created", 2, "tajemnik@example.cz", "Skupina3.t09", true, false,
         [](const std::string& report) {
             return QStringList{QStringLiteral("Nelze-li vytvořit nový soubor: %1.\nZrušte atribut souboru \"Jen pro "
                                               "čtení\" nebo získejte oprávnění k vytváření souborů v tomto adresáři.")
                                    .arg(QString::fromStdString(report))};
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string report = TempFile("Skupina3.t19");
        QFile::remove(QString::fromStdString(report));
        if (c.reportFolderInTheWay) {
            ASSERT_TRUE(QDir().mkpath(QString::fromStdString(report)));
        }
        m_boxes->Clear();
        Open(WriteGroup(GroupForSecretary(c.publishers, c.secretary), c.groupFile));
        Click(IDC_SEND_REPORT);

        EXPECT_EQ(m_boxes->Shown(), c.shown(report));
        EXPECT_EQ(QFileInfo(QString::fromStdString(report)).isFile(), c.reportWritten);
        EXPECT_TRUE(m_mail.sent.empty());
        EXPECT_EQ(m_mail.loads, 0);
        EXPECT_TRUE(ListHasFocus());
        m_dlg.reset();
        QDir(QString::fromStdString(report)).removeRecursively();
        QFile::remove(QString::fromStdString(TempFile(c.groupFile)));
    }
}

TEST_F(SendReportTest, EachSecretaryAddressBecomesARecipientAsWritten)
{
    OpenGroup(GroupForSecretary(2, "tajemnik@example.cz; zastupce@example.cz"));
    m_boxes->QueueAnswer(MsgAnswer::Yes);
    Click(IDC_SEND_REPORT);

    ASSERT_EQ(m_mail.sent.size(), 1u);
    const auto& recipients = m_mail.sent[0].message.recipients;
    ASSERT_EQ(recipients.size(), 2u);
    EXPECT_EQ(recipients[0].name, "tajemnik@example.cz");
    EXPECT_EQ(recipients[0].address, "SMTP:tajemnik@example.cz");
    EXPECT_EQ(recipients[1].name, " zastupce@example.cz");
    EXPECT_EQ(recipients[1].address, "SMTP: zastupce@example.cz");
}

TEST_F(SendReportTest, MailSystemProblemsAreShownOncePerAttemptAfterTheFileIsWritten)
{
    const std::pair<CMailSystem::LoadResult, QString> problems[] = {
        {CMailSystem::LoadResult::Missing, MAIL_MISSING},
        {CMailSystem::LoadResult::Invalid, QStringLiteral("Mail system DLL is invalid.")},
    };
    for (const auto& [load, text] : problems) {
        SCOPED_TRACE(text.toStdString());
        m_mail.load = load;
        m_boxes->Clear();
        Open(WriteGroup(GroupForSecretary(2)));
        const std::string report = TempFile("Skupina3.t19");
        for (int attempt = 0; attempt < 2; ++attempt) {
            QFile::remove(QString::fromStdString(report));
            m_boxes->QueueAnswer(MsgAnswer::Yes);
            Click(IDC_SEND_REPORT);
            EXPECT_TRUE(QFile::exists(QString::fromStdString(report)));
        }
        EXPECT_EQ(m_boxes->Shown(), QStringList({Question(report), text, Question(report), text}));
        EXPECT_TRUE(m_mail.sent.empty());
        EXPECT_TRUE(ListHasFocus());
    }
}

TEST_F(SendReportTest, WithoutAnyMailSystemTheMissingMessageIsShown)
{
    m_mailSystem = nullptr;
    OpenGroup(GroupForSecretary(2));
    m_boxes->QueueAnswer(MsgAnswer::Yes);
    Click(IDC_SEND_REPORT);
    EXPECT_EQ(m_boxes->Last(), MAIL_MISSING);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(TempFile("Skupina3.t19"))));
}

TEST_F(SendReportTest, OnlyTheMailClientsRealFailuresAreReported)
{
    const std::pair<unsigned long, bool> results[] = {
        {SUCCESS_SUCCESS, false}, {MAPI_USER_ABORT, false}, {MAPI_E_LOGIN_FAILURE, false},
        {MAPI_E_FAILURE, true},   {5, true},                {26, true},
    };
    OpenGroup(GroupForSecretary(2));
    for (const auto& [result, reported] : results) {
        SCOPED_TRACE(result);
        m_mail.result = result;
        m_boxes->Clear();
        m_boxes->QueueAnswer(MsgAnswer::Yes);
        Click(IDC_SEND_REPORT);
        EXPECT_EQ(m_boxes->Shown().size(), reported ? 2 : 1);
        EXPECT_EQ(m_boxes->Last() == MAIL_FAILED, reported);
        EXPECT_TRUE(m_dlg->isEnabled());
        EXPECT_TRUE(ListHasFocus());
    }
}

// Calls `answer` with the real message box once it is open and has the keyboard.
void WhenMessageBoxIsOpen(std::function<void(QMessageBox&)> answer)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isActiveWindow() || !QApplication::focusWidget())
            return;
        poll->stop();
        poll->deleteLater();
        answer(*box);
    });
    poll->start(10);
}

TEST_F(SendReportTest, QuestionIsAnsweredInCzechFromTheKeyboard)
{
    const CCzechTranslation czech;
    OpenGroup(GroupForSecretary(2));
    m_boxes.reset();
    QStringList buttons;
    WhenMessageBoxIsOpen([&](QMessageBox& box) {
        for (QAbstractButton* button : box.buttons())
            buttons.append(button->text());
        // Yes has the focus; Tab moves to No, Space presses it.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    });
    m_dlg->GetDlgItem(IDC_SEND_REPORT)->setFocus();
    Press(Qt::Key_Space);
    m_boxes.emplace();

    buttons.sort();
    EXPECT_EQ(buttons, QStringList({QStringLiteral("&Ano"), QStringLiteral("&Ne")}));
    EXPECT_TRUE(m_mail.sent.empty());
    EXPECT_TRUE(QFile::exists(QString::fromStdString(TempFile("Skupina3.t19"))));
    // The window is activated again once the box has gone.
    EXPECT_TRUE(QTest::qWaitFor([this] { return ListHasFocus(); }, 2000));
}

fixtures::GroupBuilder GroupWithReminderAddress(const std::string& email)
{
    fixtures::GroupBuilder group;
    group.Group(3).Month(2);
    group.AddPublisher({.firstName = "Jan", .surname = "Novák", .email = email});
    group.AddPublisher({.firstName = "Eva", .surname = "Malá"});
    return group;
}

TEST_F(ReminderTest, PreviewAndReminderCarryTheReportMonthsText)
{
    OpenGroup(GroupWithReminderAddress("jan.novak@example.cz"));
    ASSERT_TRUE(Visible(IDC_SEND_REMINDER));
    const QString text = QStringLiteral("Předložte prosím váš přehled za Březen. \nDěkuji.");

    Click(IDC_PREVIEW_REMINDER);
    EXPECT_EQ(m_boxes->Shown(), QStringList({text}));
    EXPECT_TRUE(m_mail.sent.empty());
    EXPECT_TRUE(ListHasFocus());

    Click(IDC_SEND_REMINDER);
    EXPECT_EQ(m_boxes->Shown(), QStringList({text, QStringLiteral("jan.novak@example.cz")}));
    ASSERT_EQ(m_mail.sent.size(), 1u);
    const MapiMessage& message = m_mail.sent[0].message;
    EXPECT_EQ(message.originator.name, "Vak");
    ASSERT_EQ(message.recipients.size(), 1u);
    EXPECT_EQ(message.recipients[0].address, "SMTP:jan.novak@example.cz");
    EXPECT_EQ(message.subject, "Report");
    EXPECT_EQ(message.noteText, text.toStdString());
    EXPECT_TRUE(message.files.empty());
    EXPECT_EQ(m_mail.sent[0].flags, MAPI_LOGON_UI);
    EXPECT_TRUE(m_mail.sent[0].windowDisabled);
    EXPECT_TRUE(ListHasFocus());
}

TEST_F(ReminderTest, WithoutMailSystemTheReminderSaysSoAndSendsNothing)
{
    m_mail.load = CMailSystem::LoadResult::Missing;
    OpenGroup(GroupWithReminderAddress("jan.novak@example.cz;jana@example.cz"));
    Click(IDC_SEND_REMINDER);
    EXPECT_EQ(m_boxes->Shown(), QStringList({QStringLiteral("jan.novak@example.cz;jana@example.cz"), MAIL_MISSING}));
    EXPECT_TRUE(m_mail.sent.empty());
    EXPECT_TRUE(ListHasFocus());
}

TEST(MapiMailTest, TakeErrorReportsTheLoadingProblemOnce)
{
    const MessageBoxScript boxes;
    RecordingMail broken;
    broken.load = CMailSystem::LoadResult::Invalid;
    const std::pair<CMailSystem*, int> systems[] = {{nullptr, MAIL_ERROR_NO_SYSTEM}, {&broken, MAIL_ERROR_INVALID_SYSTEM}};
    for (const auto& [system, error] : systems) {
        CMapiMail mail(system, nullptr);
        EXPECT_EQ(mail.TakeError(), error);
        EXPECT_EQ(mail.TakeError(), MAIL_ERROR_NONE);
        EXPECT_FALSE(mail.SendMail(0));
    }
    EXPECT_TRUE(broken.sent.empty());
    EXPECT_EQ(boxes.Shown().size(), 2);
}

} // namespace
} // namespace vak::test
