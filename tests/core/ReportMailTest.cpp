// Recipient lists and attachment positions of a mail message.
#include "mail/MapiMessage.h"
#include "mail/ReportMail.h"

#include <gtest/gtest.h>

namespace vak {
namespace {

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
