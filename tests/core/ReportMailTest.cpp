// The report file's name, recipient lists and attachment positions of a mail message.
#include "data/GroupPaths.h"
#include "mail/MapiMessage.h"
#include "mail/ReportMail.h"

#include <gtest/gtest.h>

namespace vak {
namespace {

TEST(ReportMailTest, ReportFileNameChangesOnlyTheExtension)
{
    const std::pair<std::string, std::string> cases[] = {
        {"C:/Data/Skupina3.t09", "C:/Data/Skupina3.t19"},
        {"C:/Data/Skupina3.T09", "C:/Data/Skupina3.t19"},
        {"/home/jana/Sbor.t09/Skupina.t09.T09", "/home/jana/Sbor.t09/Skupina.t09.t19"},
        {"/home/jana/Skupina3.t09.bak", ""},
    };
    for (const auto& [group, report] : cases)
        EXPECT_EQ(ReportFileName(group), report) << group;
}

TEST(MapiMessageTest, RecipientListSplitsAtSemicolonsWithoutTrimming)
{
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"a@x.cz; b@y.cz", {"a@x.cz", " b@y.cz"}},
        {";;a@x.cz;;;b@y.cz;", {"a@x.cz", "b@y.cz"}},
        {";", {}},
    };
    for (const auto& [list, tokens] : cases)
        EXPECT_EQ(SplitRecipientList(list), tokens) << list;
}

TEST(MapiMessageTest, AttachmentsArePlacedAtSpacesAddedToTheText)
{
    // 30 characters in 33 bytes: positions count characters.
    std::string body = "Březen .t19 soubor pro Šárka 3";
    std::vector<MapiFileDesc> files(2);
    PlaceAttachments(body, files);
    EXPECT_EQ(body, "Březen .t19 soubor pro Šárka 3  ");
    EXPECT_EQ(files[0].position, 30u);
    EXPECT_EQ(files[1].position, 31u);
}

} // namespace
} // namespace vak
