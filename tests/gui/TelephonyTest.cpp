// Dialing: the number shown and the caption name reach the telephony service, a machine
// without one says so, and the xdg-open back-end hands a tel: URI to the registered handler.
#include "MainWindowFixture.h"

#include "res/DialogTemplates.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <cstdlib>

namespace vak::test {
namespace {

using DialTest = MainWindowTest;

fixtures::GroupBuilder GroupWithPhones()
{
    fixtures::GroupBuilder group;
    group.Group(3).Month(2);
    group.AddPublisher({.firstName = "Jan", .surname = "Novák", .phones = {"602 111 222", "", "777 333 444"}});
    group.AddPublisher({.firstName = "Eva", .surname = "Malá"});
    return group;
}

TEST_F(DialTest, DialHandsTheShownNumberAndTheCaptionNameToTheService)
{
    OpenGroup(GroupWithPhones());
    Click(IDC_DIAL);
    Click(IDC_NEXT_PHONE);
    Click(IDC_DIAL);

    ASSERT_EQ(m_telephony.calls.size(), 2u);
    EXPECT_EQ(m_telephony.calls[0].number, QStringLiteral("602 111 222"));
    EXPECT_EQ(m_telephony.calls[0].party, QStringLiteral("Novák, Jan"));
    EXPECT_EQ(m_telephony.calls[1].number, QStringLiteral("777 333 444"));
    EXPECT_TRUE(m_boxes->Shown().isEmpty());
    EXPECT_TRUE(ListHasFocus());
}

TEST_F(DialTest, WithoutTelephonyServiceDialingSaysSoAndChangesNothing)
{
    m_telephony.available = false;
    OpenGroup(GroupWithPhones());
    Click(IDC_DIAL);
    EXPECT_EQ(m_boxes->Shown(), QStringList({"Telephone service not available"}));
    EXPECT_EQ(Text(IDC_PHONE), QStringLiteral("602 111 222"));
    EXPECT_TRUE(ListHasFocus());
}

TEST_F(DialTest, DialAfterTheFilteredListEmptiedCallsThePublisherWhoseNumberIsShown)
{
    TestMainDlg& dlg = OpenGroup(GroupWithPhones());
    dlg.onEntry = [](TestMainDlg& main, int p) {
        EnterHours(main, p);
        return true;
    };
    Click(IDC_FILTER);
    Press(Qt::Key_Down);
    Press(Qt::Key_Return);  // Malá reports
    Press(Qt::Key_Return);  // Novák reports: nobody is left in the list
    ASSERT_TRUE(ListTexts().isEmpty());
    ASSERT_EQ(Text(IDC_PHONE), QStringLiteral("602 111 222"));

    Click(IDC_DIAL);
    ASSERT_EQ(m_telephony.calls.size(), 1u);
    EXPECT_EQ(m_telephony.calls[0].party, QStringLiteral("Novák, Jan"));
    EXPECT_EQ(dlg.m_nContactPublisher, 1);
}

TEST(TelUriTest, NumberIsPercentEncodedAsStored)
{
    EXPECT_EQ(TelUri(QStringLiteral("+420 602 111 222")), QStringLiteral("tel:+420%20602%20111%20222"));
    EXPECT_EQ(TelUri(QStringLiteral("602-111/222")), QStringLiteral("tel:602-111%2F222"));
    EXPECT_EQ(TelUri(QStringLiteral("-v; rm x")), QStringLiteral("tel:-v%3B%20rm%20x"));
    EXPECT_EQ(TelUri(QStringLiteral("č. 602")), QStringLiteral("tel:%C4%8D.%20602"));
}

// Sets environment variables for the life of the object and restores them afterwards.
class ScopedEnvironment {
public:
    void Set(const char* name, const QByteArray& value)
    {
        m_saved.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
        qputenv(name, value);
    }
    void Unset(const char* name)
    {
        m_saved.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
        qunsetenv(name);
    }
    ~ScopedEnvironment()
    {
        for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
            if (it->wasSet)
                qputenv(it->name, it->value);
            else
                qunsetenv(it->name);
        }
    }

private:
    struct Saved {
        const char* name;
        bool wasSet;
        QByteArray value;
    };
    std::vector<Saved> m_saved;
};

// A desktop in a temporary folder whose tel: handler writes its argument into a file.
// Debian 12's xdg-utils (1.1.3) detects no desktop environment here and uses its generic
// mode, which starts the handler of x-scheme-handler/tel only when DISPLAY is set (the value
// is not used, no X server is needed); without DISPLAY it falls back to text browsers.
class RecordingDialerTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_output = m_dir.filePath(QStringLiteral("dialed.txt"));
        const QString script = m_dir.filePath(QStringLiteral("dialer.sh"));
        WriteFile(script, QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\n").arg(m_output));
        QFile::setPermissions(script, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QDir().mkpath(m_dir.filePath(QStringLiteral("data/applications")));
        QDir().mkpath(m_dir.filePath(QStringLiteral("config")));

        m_env.Set("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toUtf8());
        m_env.Set("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toUtf8());
        m_env.Set("XDG_DATA_DIRS", m_dir.filePath(QStringLiteral("nothing")).toUtf8());
        m_env.Set("DISPLAY", ":97");
        m_env.Unset("XDG_CURRENT_DESKTOP");
        m_env.Unset("DESKTOP_SESSION");
    }

    // A desktop entry for tel: URIs, named the default in mimeapps.list.
    void RegisterHandler()
    {
        const QString script = m_dir.filePath(QStringLiteral("dialer.sh"));
        WriteFile(m_dir.filePath(QStringLiteral("data/applications/vak-test-dialer.desktop")),
                  QStringLiteral("[Desktop Entry]\nType=Application\nName=Recording dialer\n"
                                 "Exec=%1 %u\nMimeType=x-scheme-handler/tel;\nNoDisplay=true\n")
                      .arg(script));
        WriteFile(m_dir.filePath(QStringLiteral("config/mimeapps.list")),
                  QStringLiteral("[Default Applications]\nx-scheme-handler/tel=vak-test-dialer.desktop\n"));
    }

    static void WriteFile(const QString& path, const QString& text)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }

    QTemporaryDir m_dir;
    QString m_output;
    ScopedEnvironment m_env;
};

TEST_F(RecordingDialerTest, RegisteredHandlerReceivesTheTelUri)
{
    RegisterHandler();
    CXdgTelephony telephony;
    ASSERT_TRUE(CXdgTelephony::HasTelHandler());
    ASSERT_TRUE(telephony.RequestMakeCall(QStringLiteral("+420 602 111 222"), QStringLiteral("Novák, Jan")));

    QFile output(m_output);
    ASSERT_TRUE(QTest::qWaitFor([&] { return output.exists() && output.size() > 0; }, 10000));
    ASSERT_TRUE(output.open(QIODevice::ReadOnly));
    EXPECT_EQ(output.readAll(), QByteArray("tel:+420%20602%20111%20222"));
}

TEST_F(RecordingDialerTest, WithoutARegisteredHandlerNoCallIsRequested)
{
    CXdgTelephony telephony;
    EXPECT_FALSE(CXdgTelephony::HasTelHandler());
    EXPECT_FALSE(telephony.RequestMakeCall(QStringLiteral("602 111 222"), QString()));
    QTest::qWait(200);
    EXPECT_FALSE(QFile::exists(m_output));
}

} // namespace
} // namespace vak::test
