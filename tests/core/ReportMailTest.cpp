// The mail a message carries: report-file names, subjects and texts, recipient lists,
// attachment positions and the mailto: URI, checked against texts written out by hand.
#include "mail/MapiMessage.h"
#include "mail/ReportMail.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vak {
namespace {

TEST(ReportMailTest, ReportFileNameChangesOnlyTheExtension)
{
    const std::pair<std::string, std::string> cases[] = {
        {"C:/Data/Skupina3.t09", "C:/Data/Skupina3.t19"},
        {"C:/Data/Skupina3.T09", "C:/Data/Skupina3.t19"},
        {"/home/jana/Sbor.t09/Skupina3.t09", "/home/jana/Sbor.t09/Skupina3.t19"},
        {"/home/jana/Sbor.T09/Skupina.t09.t09", "/home/jana/Sbor.T09/Skupina.t09.t19"},
        {"Skupina 3.t09", "Skupina 3.t19"},
        {"/home/jana/Skupina3.t19", ""},
        {"/home/jana/Skupina3.t09.bak", ""},
    };
    for (const auto& [group, report] : cases)
        EXPECT_EQ(ReportFileName(group), report) << group;
}

TEST(ReportMailTest, SubjectBodyAndTextsOfTheMails)
{
    EXPECT_EQ(ReportMailSubject(3, 2), "Sestavené soubory - Březen - Skupina 3");
    EXPECT_EQ(ReportMailBody(3, 2), "Březen .t19 soubor pro Skupina 3");
    EXPECT_EQ(ReportMailSubject(12, 11), "Sestavené soubory - Prosinec - Skupina 12");
    EXPECT_EQ(ReminderText(0), "Předložte prosím váš přehled za Leden. \nDěkuji.");

    EXPECT_EQ(ReportSavedMessage("/d/Skupina3.t19", ""), "Vaše aktualizované zprávy byly uloženy do souboru /d/Skupina3.t19");
    EXPECT_EQ(ReportSavedMessage("/d/Skupina3.t19", "tajemnik@example.cz"),
              "Vaše aktualizované zprávy byly uloženy do souboru /d/Skupina3.t19"
              "\n\nKlikněte na Ano pro odeslání souboru .t19 na e-mail tajemnik@example.cz"
              ",\n\n       nebo\n\n"
              "Klikněte na Ne pro pozdější odeslání souboru tajemníkovi.");
}

TEST(MapiMessageTest, RecipientListSplitsAtSemicolonsWithoutTrimming)
{
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"a@x.cz", {"a@x.cz"}},
        {"a@x.cz;b@y.cz", {"a@x.cz", "b@y.cz"}},
        {"a@x.cz; b@y.cz", {"a@x.cz", " b@y.cz"}},
        {";;a@x.cz;;;b@y.cz;", {"a@x.cz", "b@y.cz"}},
        {" ; ", {" ", " "}},
        {";", {}},
        {"", {}},
    };
    for (const auto& [list, tokens] : cases)
        EXPECT_EQ(SplitRecipientList(list), tokens) << list;
}

TEST(MapiMessageTest, AttachmentsArePlacedAtSpacesAddedToTheText)
{
    // 30 characters, 33 bytes: positions count characters.
    const std::string body = "Březen .t19 soubor pro Šárka 3";
    std::string oneFile = body;
    std::vector<MapiFileDesc> one(1);
    PlaceAttachments(oneFile, one);
    EXPECT_EQ(oneFile, body + " ");
    EXPECT_EQ(one[0].position, 30u);

    std::string twoFiles = body;
    std::vector<MapiFileDesc> two(2);
    PlaceAttachments(twoFiles, two);
    EXPECT_EQ(twoFiles, body + "  ");
    EXPECT_EQ(two[0].position, 30u);
    EXPECT_EQ(two[1].position, 31u);

    std::string noFile = body;
    std::vector<MapiFileDesc> none;
    PlaceAttachments(noFile, none);
    EXPECT_EQ(noFile, body);
}

MapiMessage MessageTo(std::vector<std::string> addresses, std::string subject, std::string body)
{
    MapiMessage message;
    for (std::string& address : addresses)
        message.recipients.push_back({MAPI_TO, address, "SMTP:" + address});
    message.subject = std::move(subject);
    message.noteText = std::move(body);
    return message;
}

TEST(MapiMessageTest, MailtoUriEncodesEveryFieldSoNothingLeavesIt)
{
    const std::pair<MapiMessage, std::string> cases[] = {
        {MessageTo({"tajemnik@example.cz", " druhy@example.cz "}, "Sestavené soubory - Březen - Skupina 3",
                   "Březen .t19 soubor pro Skupina 3 "),
         "mailto:tajemnik@example.cz,druhy@example.cz"
         "?subject=Sestaven%C3%A9%20soubory%20-%20B%C5%99ezen%20-%20Skupina%203"
         "&body=B%C5%99ezen%20.t19%20soubor%20pro%20Skupina%203%20"},
        {MessageTo({"--attach=/home/user/.ssh/id_rsa@x.cz"}, "Report", "Za Leden. \nDěkuji."),
         "mailto:--attach%3D%2Fhome%2Fuser%2F.ssh%2Fid_rsa@x.cz?subject=Report"
         "&body=Za%20Leden.%20%0D%0AD%C4%9Bkuji."},
        {MessageTo({"a?cc=b@x.cz", "c&body=d#e%41@x.cz", "f\ng@x.cz"}, "x&attach=/etc/passwd#?", "%0A\r\n+,;'\""),
         "mailto:a%3Fcc%3Db@x.cz,c%26body%3Dd%23e%2541@x.cz,f%0Ag@x.cz"
         "?subject=x%26attach%3D%2Fetc%2Fpasswd%23%3F&body=%250A%0D%0A%2B%2C%3B%27%22"},
        {MessageTo({" ", "\t\n", ""}, "", ""), "mailto:"},
        {MessageTo({}, "", "text"), "mailto:?body=text"},
    };
    for (const auto& [message, uri] : cases)
        EXPECT_EQ(MailtoUri(message), uri);
}

} // namespace
} // namespace vak
