// vak-cli missing and summary on the month group, whose figures were worked out by hand from
// what the group holds (see tests/fixtures/MonthGroup.cpp), in both report forms.
#include "CliRun.h"
#include "fixtures/GroupBuilder.h"
#include "fixtures/MonthGroup.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace vak {
namespace {

using test::CliRun;
using test::RunCli;
using test::TempDir;

// By status: count, reported, participated, publications, videos, hours, return visits,
// studies, credit.
std::string Status(const char* key, const char* figures)
{
    return std::string("\"") + key + "\":" + figures;
}

TEST(MonthCommands, SummaryCountsEveryStatusInBothForms)
{
    struct Case {
        const char* name;
        int month;
        const char* date;
        std::string json;
    };
    const Case cases[] = {
        {"new form, October 2025", 9, "2025-11-10",
         "{\"month\":10,\"year\":2025,\"form\":\"new\",\"publishers\":8,\"reported\":6,\"missing\":2,\"by_status\":{" +
             Status("publisher", "{\"count\":4,\"reported\":3,\"participated\":1,\"publications\":0,\"videos\":0,"
                                 "\"hours\":3.75,\"return_visits\":0,\"studies\":2,\"credit\":0},") +
             Status("auxiliary", "{\"count\":1,\"reported\":1,\"participated\":1,\"publications\":0,\"videos\":0,"
                                 "\"hours\":12.75,\"return_visits\":0,\"studies\":1,\"credit\":0},") +
             Status("regular", "{\"count\":2,\"reported\":1,\"participated\":1,\"publications\":0,\"videos\":0,"
                               "\"hours\":50.25,\"return_visits\":0,\"studies\":3,\"credit\":5},") +
             Status("special", "{\"count\":1,\"reported\":1,\"participated\":1,\"publications\":0,\"videos\":0,"
                               "\"hours\":101,\"return_visits\":0,\"studies\":2,\"credit\":0}") +
             "},\"late\":[{\"month\":11,\"reports\":1},{\"month\":9,\"reports\":1}]}\n"},
        {"old form, March 2023", 2, "2023-04-10",
         "{\"month\":3,\"year\":2023,\"form\":\"old\",\"publishers\":8,\"reported\":6,\"missing\":2,\"by_status\":{" +
             Status("publisher", "{\"count\":4,\"reported\":3,\"participated\":0,\"publications\":5,\"videos\":1,"
                                 "\"hours\":3.75,\"return_visits\":4,\"studies\":2,\"credit\":0},") +
             Status("auxiliary", "{\"count\":1,\"reported\":1,\"participated\":0,\"publications\":0,\"videos\":0,"
                                 "\"hours\":12.75,\"return_visits\":0,\"studies\":1,\"credit\":0},") +
             Status("regular", "{\"count\":2,\"reported\":1,\"participated\":0,\"publications\":0,\"videos\":0,"
                               "\"hours\":50.25,\"return_visits\":0,\"studies\":3,\"credit\":5},") +
             Status("special", "{\"count\":1,\"reported\":1,\"participated\":0,\"publications\":0,\"videos\":0,"
                               "\"hours\":101,\"return_visits\":0,\"studies\":2,\"credit\":0}") +
             "},\"late\":[{\"month\":4,\"reports\":1},{\"month\":2,\"reports\":1}]}\n"},
    };
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.File("Skupina5.t09");
        ASSERT_TRUE(fixtures::MonthGroup(c.month).WriteTo(path));
        const CliRun run = RunCli("summary '" + path + "' --json --date " + c.date, dir.File("err"));
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, c.json);
        // The same month chosen by --month from a file of another month.
        ASSERT_TRUE(fixtures::MonthGroup(c.month).RawHeaderByte(238, 0).WriteTo(path));
        EXPECT_EQ(RunCli("summary '" + path + "' --month " + std::to_string(c.month + 1) + " --json --date " + c.date,
                         dir.File("err"))
                      .out,
                  c.json);
    }
}

TEST(MonthCommands, MissingListsAddressesAndValidNumbersInPublisherOrder)
{
    TempDir dir;
    const std::string path = dir.File("Skupina5.t09");
    ASSERT_TRUE(fixtures::MonthGroup(9).WriteTo(path));
    const std::string json = "[{\"publisher\":3,\"name\":\"Malá, Eva\",\"email\":\"eva.mala@example.cz\","
                             "\"phones\":[\"602 111 003\"]},"
                             "{\"publisher\":6,\"name\":\"Novák, Karel\",\"email\":null,\"phones\":[]}]\n";
    EXPECT_EQ(RunCli("missing '" + path + "' --json --date 2025-11-10", dir.File("err")).out, json);
    EXPECT_EQ(RunCli("missing '" + path + "' --date 2025-11-10", dir.File("err")).out,
              "Malá, Eva - eva.mala@example.cz - 602 111 003\nNovák, Karel - bez e-mailu\n");

    const CliRun wrong = RunCli("missing '" + path + "' --pdf out.pdf", dir.File("err"));
    EXPECT_EQ(wrong.status, 1);
    EXPECT_NE(test::ReadText(dir.File("err")).find("vak-cli: missing does not know the option --pdf."),
              std::string::npos);
}

// A line break or other control character in a name, an address or a number from the file is
// shown visibly, so that each publisher stays one line; JSON keeps the text, escaped.
TEST(MonthCommands, ControlCharactersFromTheFileKeepEachPublisherOnOneLine)
{
    fixtures::GroupBuilder group;
    group.Group(5).Month(9);
    group.AddPublisher({.firstName = "Eva", .surname = "Malá\nNová", .email = "eva@x.cz\r\nbcc:b@y.cz",
                        .phones = {"602\t111 003"}});
    group.AddPublisher({.firstName = "Karel\u0081", .surname = "Novák\x01"});
    TempDir dir;
    const std::string path = dir.File("Skupina5.t09");
    ASSERT_TRUE(group.WriteTo(path));
    EXPECT_EQ(RunCli("missing '" + path + "' --date 2025-11-10", dir.File("err")).out,
              "Malá\u2424Nová, Eva - eva@x.cz\u2424bcc:b@y.cz - 602?111 003\nNovák?, Karel? - bez e-mailu\n");
    EXPECT_EQ(RunCli("missing '" + path + "' --json --date 2025-11-10", dir.File("err")).out,
              "[{\"publisher\":1,\"name\":\"Malá\\u000aNová, Eva\",\"email\":\"eva@x.cz\\u000d\\u000abcc:b@y.cz\","
              "\"phones\":[\"602\\u0009111 003\"]},"
              "{\"publisher\":2,\"name\":\"Novák\\u0001, Karel\\u0081\",\"email\":null,\"phones\":[]}]\n");
}

} // namespace
} // namespace vak
