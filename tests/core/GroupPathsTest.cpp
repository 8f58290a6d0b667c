// The rules on the group's file names: the group and report files, the start-up path and the
// command line it comes from, reminder addresses, and the names of kept copies.
#include "data/GroupPaths.h"
#include "data/MissingReports.h"

#include <gtest/gtest.h>

#include <ctime>
#include <tuple>

namespace vak {
namespace {

TEST(GroupPathsTest, ReportFileNameChangesOnlyTheExtension)
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

TEST(GroupPathsTest, CommandLineArgumentsAreJoinedIntoOnePath)
{
    EXPECT_EQ(JoinedCommandLine({"/data/Skupina", "3.t09"}), "/data/Skupina 3.t09");
    EXPECT_EQ(JoinedCommandLine({}), "");
}

TEST(GroupPathsTest, PathsAndAddresses)
{
    for (const char* path : {"a.t09", "/x/Skupina.T09", "C:\\Data\\S.t09"})
        EXPECT_TRUE(HasGroupExtension(path)) << path;
    for (const char* path : {"", "t09", "a.t19", "a.t09 ", "a.t090"})
        EXPECT_FALSE(HasGroupExtension(path)) << path;

    // Every double quote goes, not only the surrounding ones.
    const std::pair<const char*, const char*> commandLines[] = {
        {"\"C:\\Data\\Skupina 3.t09\"", "C:\\Data\\Skupina 3.t09"},
        {"\"C:\\Data\\Sku\"pina.t09\"", "C:\\Data\\Skupina.t09"},
        {"\"/data/\"\"S.t09", "/data/S.t09"},
        {"notes.txt", "x.t09"},
        {"\"S.t09\" \"", "x.t09"},  // the path does not end in .t09
    };
    for (const auto& [commandLine, path] : commandLines)
        EXPECT_EQ(StartupGroupPath(commandLine, "x.t09"), path) << commandLine;

    // An address is trimmed and needs an "@" that is not first and a "." somewhere after it.
    const std::tuple<const char*, bool, const char*> addresses[] = {
        {" \t a@b.cz \r\n", true, "a@b.cz"}, {"   ", false, ""},  {"a.b@c", false, "a.b@c"},
        {"@b.cz", false, "@b.cz"},           {"a@.", true, "a@."}, {"a.b.cz", false, "a.b.cz"},
    };
    for (const auto& [typed, valid, trimmed] : addresses) {
        std::string address = typed;
        EXPECT_EQ(TrimAndCheckEmail(address), valid) << typed;
        EXPECT_EQ(address, trimmed);
    }
}

TEST(GroupPathsTest, KeptCopyNamesCarryTheTimeAndStayUnique)
{
    std::tm now{};
    now.tm_year = 2026 - 1900;
    now.tm_mon = 2;
    now.tm_mday = 10;
    now.tm_hour = 14;
    now.tm_min = 5;
    EXPECT_EQ(KeptCopyName("Skupina3.t09", now, 1, 255), "Skupina3 (Vak 2026-03-10 14-05).t09");
    EXPECT_EQ(KeptCopyName("Skupina 3.T09", now, 2, 255), "Skupina 3 (Vak 2026-03-10 14-05 2).T09");
    EXPECT_EQ(KeptCopyName("Skupina.v2.t09", now, 1, 255), "Skupina.v2 (Vak 2026-03-10 14-05).t09");
    // " (Vak 2026-03-10 14-05).t09" takes 27 bytes, so a 255-byte name keeps 228 of the stem;
    // "ž" takes 2 bytes and is never cut in half.
    const std::string ascii(240, 'a');
    std::string zs;
    for (int i = 0; i < 120; ++i)
        zs += "ž";
    EXPECT_EQ(KeptCopyName(ascii + ".t09", now, 1, 255), std::string(228, 'a') + " (Vak 2026-03-10 14-05).t09");
    EXPECT_EQ(KeptCopyName(ascii + ".t09", now, 3, 255), std::string(226, 'a') + " (Vak 2026-03-10 14-05 3).t09");
    EXPECT_EQ(KeptCopyName("S" + zs + ".t09", now, 1, 255), "S" + zs.substr(0, 226) + " (Vak 2026-03-10 14-05).t09");
    EXPECT_EQ(KeptCopyName(ascii + ".t09", now, 1, 20), " (Vak 2026-03-10 14-05).t09");
}

} // namespace
} // namespace vak
