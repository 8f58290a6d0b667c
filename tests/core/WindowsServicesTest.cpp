// Simple MAPI and assisted telephony as Windows programs meet them: a missing library, a library
// without the entry points, Wine's real MAPI32.DLL and tapi32.dll, and a recording stand-in that
// shows what the services receive and answers with each MAPI result.
#include "TestFiles.h"

#include "mail/SimpleMapi.h"
#include "main/TelephonyService.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace vak {
namespace {

using test::TempDir;

const wchar_t* const STAND_IN = L"" VAK_FAKE_SERVICES_DLL;
const wchar_t* const STAND_IN_WITHOUT_LOGON = L"" VAK_FAKE_SERVICES_WITHOUT_LOGON_DLL;

class WindowsServicesTest : public ::testing::Test {
protected:
    void SetUp() override { ::_putenv_s("VAK_FAKE_SERVICES_LOG", log.c_str()); }
    void TearDown() override
    {
        ::_putenv_s("VAK_FAKE_SERVICES_LOG", "");
        ::_putenv_s("VAK_FAKE_MAPI_RESULT", "");
    }
    std::string Log() const
    {
        const auto bytes = test::ReadBytes(log);
        return std::string(bytes.begin(), bytes.end());
    }

    TempDir dir;
    std::string log = dir.File("services.log");
};

TEST_F(WindowsServicesTest, MailSystemLoadsOnlyWithBothEntryPoints)
{
    EXPECT_EQ(CSimpleMapi(L"vak-no-such-mapi.dll").Load(), CMailSystem::LoadResult::Missing);
    EXPECT_EQ(CSimpleMapi(STAND_IN_WITHOUT_LOGON).Load(), CMailSystem::LoadResult::Invalid);
    EXPECT_EQ(CSimpleMapi(L"kernel32.dll").Load(), CMailSystem::LoadResult::Invalid);
    EXPECT_EQ(CSimpleMapi(STAND_IN).Load(), CMailSystem::LoadResult::Loaded);
    EXPECT_EQ(CSimpleMapi().Load(), CMailSystem::LoadResult::Loaded) << "Wine's MAPI32.DLL";
    EXPECT_EQ(Log(), "") << "MAPILogon is looked up, never called";
}

TEST_F(WindowsServicesTest, MessageReachesMapiAsSingleByteDescriptorsAndItsResultComesBack)
{
    const std::string attachment = dir.File("Skupina Dvořáková.t19");
    test::WriteBytes(attachment, {1, 2, 3});
    MapiMessage message;
    message.subject = "Report";
    message.noteText = "Posílám zprávu. ";
    message.originator = {MAPI_ORIG, "Vak", ""};
    message.recipients = {{MAPI_TO, "jan@example.cz", "SMTP:jan@example.cz"},
                          {MAPI_TO, " eva@example.cz", "SMTP: eva@example.cz"}};
    message.files = {{21, attachment, ""}};

    for (const unsigned long result : {SUCCESS_SUCCESS, MAPI_USER_ABORT, MAPI_E_FAILURE, MAPI_E_LOGIN_FAILURE, 17ul}) {
        ::_putenv_s("VAK_FAKE_MAPI_RESULT", std::to_string(result).c_str());
        CSimpleMapi mapi(STAND_IN);
        ASSERT_EQ(mapi.Load(), CMailSystem::LoadResult::Loaded);
        EXPECT_EQ(mapi.SendMail(message, MAPI_LOGON_UI), result);
    }
    // "á" and "í" are the same byte in the Czech and in the Western code page.
    std::string once = "session=0 window=none flags=1\n"
                       "subject=Report\n"
                       "note=Pos\xEDl\xE1m zpr\xE1vu. \n"
                       "from=0 Vak\n"
                       "to=1 jan@example.cz <SMTP:jan@example.cz>\n"
                       "to=1  eva@example.cz <SMTP: eva@example.cz>\n"
                       "file=21 opens (null)\n";
    std::string all;
    for (int i = 0; i < 5; ++i)
        all += once;
    EXPECT_EQ(Log(), all);
}

TEST_F(WindowsServicesTest, AnAddressTheCodePageCannotCarryIsRefused)
{
    MapiMessage message;
    message.recipients = {{MAPI_TO, "jan@example.cz", "SMTP:jan@example.cz"},
                          {MAPI_TO, "pavel@пример.рф", "SMTP:pavel@пример.рф"}};
    EXPECT_EQ(CSimpleMapi(STAND_IN).UncarriedAddress(message), "pavel@пример.рф");
    message.recipients.pop_back();
    EXPECT_EQ(CSimpleMapi(STAND_IN).UncarriedAddress(message), "");
}

TEST_F(WindowsServicesTest, DialingNeedsTheLibraryAndItsFunction)
{
    EXPECT_EQ(RequestTapiCall("602 111 222", "Novák, Jan", L"vak-no-such-tapi.dll"), CallRequest::NoService);
    EXPECT_EQ(RequestTapiCall("602 111 222", "Novák, Jan", L"kernel32.dll"), CallRequest::NoFunction);
    EXPECT_EQ(RequestTapiCall("602 111 222", "Novák, Jan"), CallRequest::Requested) << "Wine's tapi32.dll";
    EXPECT_EQ(RequestTapiCall("+420 602 111 222", "Novák, Jan", STAND_IN), CallRequest::Requested);
    EXPECT_EQ(RequestTapiCall("602 111 222", "", STAND_IN), CallRequest::Requested);
    EXPECT_EQ(Log(), "dial=+420 602 111 222 app=(null) party=Nov\xE1k, Jan comment=(null)\n"
                     "dial=602 111 222 app=(null) party=(null) comment=(null)\n");
}

} // namespace
} // namespace vak
