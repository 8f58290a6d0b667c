// Loading and saving group files: exact round trips, short files, refused files, failed writes.
#include "TestFiles.h"
#include "data/GroupData.h"
#include "res/StringTable.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <random>

namespace vak {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

constexpr CivilDate DECEMBER_2026{2026, 12, 8};

// Scrambles `text` into a file record as the format stores it: each character gets its position
// + 52 added (no 204 in these texts).
void PutScrambled(std::vector<std::uint8_t>& file, std::size_t at, const std::string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i)
        file[at + i] = static_cast<std::uint8_t>(static_cast<std::uint8_t>(text[i]) + 52 + i);
    file[at + text.size()] = 0;
}

// A file of `publishers` records of 816 bytes after the header and `notes` notes of 48 bytes,
// whose unused bytes are random and whose texts end inside their fields.
std::vector<std::uint8_t> RandomGroupFile(int publishers, int notes, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<std::uint8_t> file(816 * (publishers + 1u) + 48 * static_cast<std::size_t>(notes));
    for (auto& b : file)
        b = static_cast<std::uint8_t>(random());
    file[180] = static_cast<std::uint8_t>(publishers);
    file[184] = static_cast<std::uint8_t>(notes);
    file[185] = 0;
    file[238] = 10;  // November
    std::memcpy(file.data() + 44, "tajemnik@example.cz", 20);
    for (int p = 1; p <= publishers; ++p) {
        const std::size_t r = 816 * static_cast<std::size_t>(p);
        for (const std::size_t terminator : {22u, 43u, 106u, 121u, 160u, 169u})
            file[r + terminator] = 0;
        PutScrambled(file, r + 2, "Jana");
        PutScrambled(file, r + 23, "Novakova" + std::to_string(p));
        PutScrambled(file, r + 44, "jana@example.cz");
        PutScrambled(file, r + 107, "603 111 222");
        PutScrambled(file, r + 122, "");
        PutScrambled(file, r + 137, "12");
        PutScrambled(file, r + 152, std::string(1, '\1'));  // late mark of January
        PutScrambled(file, r + 161, "");
    }
    return file;
}

struct GroupFileTest : ::testing::Test {
    GroupFileTest() { group.InitReportMonth(DECEMBER_2026); }
    RecordingMessageSink messages;
    CGroupData group{messages};
    TempDir dir;
};

TEST_F(GroupFileTest, UnchangedFileIsWrittenBackByteForByte)
{
    const auto original = RandomGroupFile(5, 7, 42);
    WriteBytes(dir.File("a.t09"), original);
    ASSERT_TRUE(group.LoadGroupFile(dir.File("a.t09")));
    EXPECT_EQ(group.m_nPublishers, 5);
    EXPECT_EQ(group.GetFirstName(3), "Jana");
    EXPECT_EQ(group.GetSurname(3), "Novakova3");
    EXPECT_EQ(group.GetPhone(1, 0), "603 111 222");
    EXPECT_TRUE(group.HasLateMark(2, 0));
    ASSERT_TRUE(group.SaveGroupFile(dir.File("b.t19")));
    EXPECT_EQ(ReadBytes(dir.File("b.t19")), original);
    EXPECT_EQ(messages.count, 0);
}

TEST_F(GroupFileTest, SavingKeepsTheDataInMemoryPlain)
{
    WriteBytes(dir.File("a.t09"), RandomGroupFile(3, 0, 1));
    ASSERT_TRUE(group.LoadGroupFile(dir.File("a.t09")));
    const auto before = group.m_pRecords;
    ASSERT_TRUE(group.SaveGroupFile(dir.File("a.t09")));
    EXPECT_EQ(group.m_pRecords, before);
}

TEST_F(GroupFileTest, HeaderValuesAndSecretaryAddress)
{
    auto file = RandomGroupFile(2, 0, 7);
    file[181] = 200;  // the group number
    WriteBytes(dir.File("a.t09"), file);
    ASSERT_TRUE(group.LoadGroupFile(dir.File("a.t09")));
    EXPECT_EQ(group.m_nGroup, 200);
    EXPECT_EQ(group.m_nMonth, 10);
    EXPECT_EQ(group.m_strSecretaryMail, "tajemnik@example.cz");
    EXPECT_EQ(group.m_strPath, dir.File("a.t09"));

    for (const char* invalid : {"@example.cz", "tajemnik.example.cz", ""}) {
        std::memset(file.data() + 44, 0, 40);
        std::memcpy(file.data() + 44, invalid, std::strlen(invalid));
        WriteBytes(dir.File("a.t09"), file);
        ASSERT_TRUE(group.LoadGroupFile(dir.File("a.t09")));
        EXPECT_EQ(group.m_strSecretaryMail, "") << invalid;
    }
}

TEST_F(GroupFileTest, FileMonthSetsTheReportMonthAndYearSlot)
{
    group.InitReportMonth({2026, 1, 15});
    EXPECT_EQ(group.m_nMonth, 11);
    EXPECT_EQ(group.m_nYearSlot, 1);
    auto file = RandomGroupFile(2, 0, 13);
    file[238] = 0;
    WriteBytes(dir.File("a.t09"), file);
    ASSERT_TRUE(group.LoadGroupFile(dir.File("a.t09")));
    EXPECT_EQ(group.m_nMonth, 0);
    EXPECT_EQ(group.m_nYearSlot, 0);
    EXPECT_EQ(group.m_nMonthIndex, 312);
    EXPECT_EQ(group.m_nClockMonth, 11);

    group.InitReportMonth({2026, 2, 3});
    file[238] = 11;  // a December file opened in February stays in last year
    WriteBytes(dir.File("a.t09"), file);
    ASSERT_TRUE(group.LoadGroupFile(dir.File("a.t09")));
    EXPECT_EQ(group.m_nYearSlot, 1);
    EXPECT_EQ(group.m_nMonthIndex, 311);
}

TEST_F(GroupFileTest, ShortFileReadsMissingRecordsAsZero)
{
    auto file = RandomGroupFile(4, 3, 9);
    file.resize(816 * 2 + 100);  // header, publisher 1, part of publisher 2
    WriteBytes(dir.File("short.t09"), file);
    ASSERT_TRUE(group.LoadGroupFile(dir.File("short.t09")));
    EXPECT_EQ(group.m_nPublishers, 4);
    EXPECT_EQ(group.GetFirstName(1), "Jana");
    EXPECT_EQ(group.Record(2)[150], 0);  // past the end of the file
    for (std::size_t i = 0; i < 816; ++i)
        ASSERT_EQ(group.Record(4)[i], 0) << i;
    EXPECT_EQ(group.NoteRecord(0)[0], 0);
    EXPECT_EQ(messages.count, 0);
}

TEST_F(GroupFileTest, MissingFileLoadsAsEmptyGroupAndKeepsThePreviousPath)
{
    WriteBytes(dir.File("a.t09"), RandomGroupFile(2, 0, 3));
    ASSERT_TRUE(group.LoadGroupFile(dir.File("a.t09")));
    EXPECT_TRUE(group.LoadGroupFile(dir.File("missing.t09")));
    EXPECT_EQ(group.m_nPublishers, 0);
    EXPECT_EQ(group.m_loadStatus, LoadStatus::NotOpened);
    EXPECT_EQ(group.m_strPath, dir.File("a.t09"));
    EXPECT_EQ(messages.count, 0);

    auto empty = RandomGroupFile(0, 0, 4);
    WriteBytes(dir.File("empty.t09"), empty);
    EXPECT_TRUE(group.LoadGroupFile(dir.File("empty.t09")));
    EXPECT_EQ(group.m_nPublishers, 0);
    EXPECT_EQ(group.m_strPath, dir.File("a.t09"));
}

TEST_F(GroupFileTest, OutOfRangeCountOrMonthIsRefusedWithAMessage)
{
    // Publisher count (byte 180) 128 and more, month (byte 238) past December.
    for (const auto& [offset, value] : {std::pair{180u, 128}, {180u, 255}, {238u, 12}, {238u, 255}}) {
        auto file = RandomGroupFile(2, 0, 5);
        file[offset] = static_cast<std::uint8_t>(value);
        WriteBytes(dir.File("bad.t09"), file);
        messages.shown.clear();
        EXPECT_TRUE(group.LoadGroupFile(dir.File("bad.t09")));
        EXPECT_EQ(group.m_loadStatus, LoadStatus::Refused);
        EXPECT_EQ(group.m_nPublishers, 0);
        EXPECT_EQ(messages.shown, FormatText(ResString(IDS_FILE_INVALID), dir.File("bad.t09")) + "\n");
    }
    // Nothing is written back for a refused file.
    EXPECT_FALSE(group.SaveGroupFile(dir.File("bad.t09")));
}

TEST_F(GroupFileTest, GroupOfFewerThanTwoIsNotSaved)
{
    WriteBytes(dir.File("one.t09"), RandomGroupFile(1, 0, 6));
    ASSERT_TRUE(group.LoadGroupFile(dir.File("one.t09")));
    EXPECT_FALSE(group.SaveGroupFile(dir.File("out.t09")));
    EXPECT_EQ(messages.shown, std::string(TEXT_GROUP_TOO_SMALL) + "\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.t09")));

    WriteBytes(dir.File("two.t09"), RandomGroupFile(2, 0, 6));
    ASSERT_TRUE(group.LoadGroupFile(dir.File("two.t09")));
    EXPECT_TRUE(group.SaveGroupFile(dir.File("out.t09")));
}

TEST_F(GroupFileTest, NoteCountIsRewrittenOnSave)
{
    WriteBytes(dir.File("a.t09"), RandomGroupFile(2, 1, 8));
    ASSERT_TRUE(group.LoadGroupFile(dir.File("a.t09")));
    EXPECT_EQ(group.PutNote(1, 4, 0, 0, "0"), 1);
    ASSERT_TRUE(group.SaveGroupFile(dir.File("a.t09")));
    const auto saved = ReadBytes(dir.File("a.t09"));
    ASSERT_EQ(saved.size(), 816 * 3 + 48 * 2);
    EXPECT_EQ(saved[184], 2);            // M
    EXPECT_EQ(saved[816 * 3 + 48], '0');  // note 2
    EXPECT_EQ(saved[816 + 600 + 6 * 4], 2);  // May's note slot of publisher 1
    EXPECT_EQ(saved[816 + 600 + 6 * 4 + 1], 0);
}

TEST_F(GroupFileTest, CreateErrorNamesAbsolutePathsAsTheyAreAndPrefixesRelativeOnes)
{
    WriteBytes(dir.File("a.t09"), RandomGroupFile(2, 0, 10));
    ASSERT_TRUE(group.LoadGroupFile(dir.File("a.t09")));
    const std::string absolute = dir.File("no-such-folder/a.t19");
    EXPECT_FALSE(group.SaveGroupFile(absolute));
    EXPECT_EQ(messages.shown, FormatText(ResString(IDS_CREATE_ERROR), absolute) + "\n");

    messages.shown.clear();
    EXPECT_FALSE(group.SaveGroupFile("no-such-folder/a.t19"));
    const std::string expected = Utf8FromPath(std::filesystem::current_path()) + "/no-such-folder/a.t19";
    EXPECT_EQ(messages.shown, FormatText(ResString(IDS_CREATE_ERROR), expected) + "\n");
}

TEST_F(GroupFileTest, ChangeOnDiskSinceLoadingIsNoticed)
{
    WriteBytes(dir.File("a.t09"), RandomGroupFile(2, 0, 11));
    ASSERT_TRUE(group.LoadGroupFile(dir.File("a.t09")));
    EXPECT_FALSE(group.FileChangedSinceLoad());
    ASSERT_TRUE(group.SaveGroupFile(dir.File("a.t09")));  // our own save is not a change
    EXPECT_FALSE(group.FileChangedSinceLoad());
    // Another program rewrites it with the same size and puts its time back, as `cp -p` does.
    const auto written = std::filesystem::last_write_time(dir.File("a.t09"));
    WriteBytes(dir.File("a.t09"), RandomGroupFile(2, 0, 12));
    std::filesystem::last_write_time(dir.File("a.t09"), written);
    EXPECT_TRUE(group.FileChangedSinceLoad());
}

TEST_F(GroupFileTest, ReportFileReplacesALinkAtItsNameWhileTheGroupFileFollowsItsOwn)
{
    namespace fs = std::filesystem;
    fs::create_directory(dir.File("other"));
    const std::vector<std::uint8_t> other = RandomGroupFile(3, 0, 21);
    WriteBytes(dir.File("other/Skupina5.t09"), other);
    WriteBytes(dir.File("other/Skupina3.t09"), RandomGroupFile(2, 0, 22));
    std::error_code error;
    fs::create_symlink("../other/Skupina5.t09", dir.File("Skupina3.t19"), error);
    if (error)
        GTEST_SKIP() << "no symbolic links here: " << error.message();
    fs::create_symlink("other/Skupina3.t09", dir.File("Skupina3.t09"));
    ASSERT_TRUE(group.LoadGroupFile(dir.File("Skupina3.t09")));

    ASSERT_TRUE(group.SaveGroupFile(dir.File("Skupina3.t19")));
    EXPECT_EQ(ReadBytes(dir.File("other/Skupina5.t09")), other);
    EXPECT_FALSE(fs::is_symlink(dir.File("Skupina3.t19")));
    EXPECT_EQ(ReadBytes(dir.File("Skupina3.t19")).size(), 816u * 3);

    ASSERT_TRUE(group.SaveGroupFile(dir.File("Skupina3.t09")));
    EXPECT_TRUE(fs::is_symlink(dir.File("Skupina3.t09")));
    EXPECT_EQ(ReadBytes(dir.File("other/Skupina3.t09")), ReadBytes(dir.File("Skupina3.t19")));
}

} // namespace
} // namespace vak
