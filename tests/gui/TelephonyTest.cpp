// Dialing: the number shown and the caption name reach the telephony service, a machine
// without one says so, and the xdg-open back-end hands a tel: URI to the registered handler.
#include "MainWindowFixture.h"
#ifndef _WIN32
#include "RecordingDesktop.h"
#include "ui/SchemeHandlers.h"
#endif

#include "res/DialogTemplates.h"

#include <QTest>

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

TEST_F(DialTest, WithoutAWorkingTelephonyServiceDialingSaysSoAndChangesNothing)
{
    for (const CallRequest answer : {CallRequest::NoService, CallRequest::NoFunction}) {
        m_telephony.answer = answer;
        OpenGroup(GroupWithPhones());
        Click(IDC_DIAL);
        EXPECT_EQ(Text(IDC_PHONE), QStringLiteral("602 111 222"));
        EXPECT_TRUE(ListHasFocus());
    }
    EXPECT_EQ(m_boxes->Shown(), QStringList({"Telephone service not available", "bad procaddress"}));
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

// The Linux desktop's tel: handler.
#ifndef _WIN32
TEST(TelUriTest, NumberIsPercentEncodedAsStored)
{
    EXPECT_EQ(TelUri(QStringLiteral("+420 602 111 222")), QStringLiteral("tel:+420%20602%20111%20222"));
    EXPECT_EQ(TelUri(QStringLiteral("602-111/222")), QStringLiteral("tel:602-111%2F222"));
    EXPECT_EQ(TelUri(QStringLiteral("-v; rm x")), QStringLiteral("tel:-v%3B%20rm%20x"));
    EXPECT_EQ(TelUri(QStringLiteral("č. 602")), QStringLiteral("tel:%C4%8D.%20602"));
}

TEST(RecordingDialerTest, RegisteredHandlerReceivesTheTelUri)
{
    RecordingDesktop desktop;
    desktop.RegisterHandler(QStringLiteral("tel"));
    CXdgTelephony telephony;
    ASSERT_TRUE(HasSchemeHandler(QStringLiteral("tel")));
    ASSERT_EQ(telephony.RequestMakeCall(QStringLiteral("+420 602 111 222"), QStringLiteral("Novák, Jan")),
              CallRequest::Requested);
    EXPECT_EQ(desktop.WaitForArgument(), QByteArray("tel:+420%20602%20111%20222"));
}

TEST(RecordingDialerTest, WithoutARegisteredHandlerNoCallIsRequested)
{
    RecordingDesktop desktop;
    CXdgTelephony telephony;
    EXPECT_FALSE(HasSchemeHandler(QStringLiteral("tel")));
    EXPECT_EQ(telephony.RequestMakeCall(QStringLiteral("602 111 222"), QString()), CallRequest::NoService);
    QTest::qWait(200);
    EXPECT_FALSE(desktop.HandlerRan());
}
#endif

} // namespace
} // namespace vak::test
