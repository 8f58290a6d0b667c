// Saving the entered work of a group as closing does: in place when the file may take it, else
// in a kept copy beside it (or in the user's data folder), never dropped without a word.
#include "TestFiles.h"

#include "data/FileFaults.h"
#include "data/GroupData.h"
#include "data/SavePolicy.h"
#include "fixtures/GroupBuilder.h"
#include "fixtures/SystemConditions.h"

#include <gtest/gtest.h>

#include <functional>

namespace vak {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempDir;

fixtures::GroupBuilder Group(int publishers, int group = 3)
{
    fixtures::GroupBuilder builder;
    builder.Group(group).Month(2);
    for (int p = 1; p <= publishers; ++p)
        builder.AddPublisher({.firstName = "Jméno" + std::to_string(p), .surname = "Příjmení" + std::to_string(p)});
    return builder;
}

// The file the secretary's program writes over ours meanwhile: another group of four.
const fixtures::GroupBuilder THEIRS = Group(4, 9);

// Kept copies of "Skupina3.t09" in `folder`.
std::vector<std::string> KeptCopies(const fs::path& folder)
{
    std::vector<std::string> copies;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (entry.path().filename().string().rfind("Skupina3 (Vak ", 0) == 0)
            copies.push_back(entry.path().string());
    return copies;
}

class SavePolicyTest : public testing::Test {
protected:
    // Loads a group of `publishers` from Skupina3.t09; `entered` stores a zero report (a note).
    void Load(int publishers, bool entered)
    {
        ASSERT_TRUE(Group(publishers).WriteTo(m_path));
        group.InitReportMonth({2026, 4, 10});
        ASSERT_TRUE(group.LoadGroupFile(m_path));
        if (entered)
            group.PutNote(1, 2, 0, 0, "0");
    }
    // Whether the file at `path` holds our group with its entered note.
    bool HoldsOurReport(const std::string& path)
    {
        RecordingMessageSink quiet;
        CGroupData saved(quiet);
        saved.InitReportMonth({2026, 4, 10});
        std::string note;
        return saved.LoadGroupFile(path) && saved.m_nPublishers == group.m_nPublishers &&
               saved.GetNote(1, 2, 0, note) != 0 && note == "0";
    }

    TempDir m_dir;
    const std::string m_path = m_dir.File("Skupina3.t09");
    test::ScopedEnv m_data{"XDG_DATA_HOME", m_dir.File("data").c_str()};
    test::ScopedEnv m_localData{"LOCALAPPDATA", m_dir.File("data").c_str()};
    RecordingMessageSink messages;
    CGroupData group{messages};
};

TEST_F(SavePolicyTest, TheFileTakesTheWorkWhenItMayElseAKeptCopyBesideIt)
{
    enum class File { Ours, Theirs, AsLoaded };
    struct Case {
        const char* name;
        int publishers;
        bool entered;
        std::function<void(const std::string& path)> meanwhile;
        const char* answers;    // to the question 1501
        File file;              // what the group file holds afterwards
        bool kept;              // a kept copy holds the work
        int messages;           // how many were shown
        const char* last;       // how the last one begins
    };
    const auto theirsWritten = [](const std::string& path) { ASSERT_TRUE(THEIRS.WriteTo(path)); };
    const auto sameBytesMovedThere = [](const std::string& path) {
        fs::copy_file(path, path + ".new");
        fs::rename(path + ".new", path);
    };
#ifndef _WIN32
    const auto linkPlanted = [](const std::string& path) {
        ASSERT_TRUE(THEIRS.WriteTo(path + ".other"));
        fs::remove(path);
        fs::create_symlink(path + ".other", path);
    };
#endif
    const auto readOnly = [](const std::string& path) {
        fs::permissions(path, fs::perms::owner_read | fs::perms::group_read, fs::perm_options::replace);
    };
    const Case cases[] = {
        {"saved in place", 3, true, {}, "", File::Ours, false, 0, ""},
        {"nothing entered, another program's file left alone", 3, false, theirsWritten, "", File::Theirs, false, 0, ""},
        {"changed on disk, Yes overwrites", 3, true, theirsWritten, "y", File::Ours, false, 1, "Soubor %s byl od"},
        {"changed on disk, No keeps both", 3, true, theirsWritten, "n", File::Theirs, true, 2, "Soubor %s nemohl"},
        {"another file moved there: no question", 3, true, sameBytesMovedThere, "y", File::AsLoaded, true, 1,
         "Soubor %s nemohl"},
#ifndef _WIN32
        {"a link planted at its name: no question", 3, true, linkPlanted, "y", File::Theirs, true, 1, "Soubor %s nemohl"},
#endif
        {"a read-only file", 3, true, readOnly, "", File::AsLoaded, true, 2, "Soubor %s nemohl"},
        {"a group of one is never written", 1, true, {}, "", File::AsLoaded, false, 1, "Skupina má méně"},
        {"a group of one with nothing entered", 1, false, {}, "", File::AsLoaded, false, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::error_code error;  // the case before may have left a read-only file
        fs::permissions(m_path, fs::perms::owner_write, fs::perm_options::add, error);
        fs::remove_all(m_dir.Path());
        fs::create_directories(m_dir.Path());
        Load(c.publishers, c.entered);
        const std::vector<std::uint8_t> loaded = ReadBytes(m_path);
        if (c.meanwhile)
            c.meanwhile(m_path);
        messages = {};
        messages.answers = c.answers;

        EXPECT_TRUE(SaveEnteredWork(group, messages));
        if (c.file == File::Ours) {
            EXPECT_TRUE(HoldsOurReport(m_path));
        } else {
            EXPECT_EQ(ReadBytes(m_path), c.file == File::Theirs ? THEIRS.Bytes() : loaded);
        }
        const std::vector<std::string> copies = KeptCopies(m_dir.Path());
        ASSERT_EQ(copies.size(), c.kept ? 1u : 0u);
        if (c.kept) {
            EXPECT_TRUE(HoldsOurReport(copies[0]));
        }
        EXPECT_EQ(messages.count, c.messages) << messages.shown;
        std::string last = c.last;
        if (const auto at = last.find("%s"); at != std::string::npos)
            last.replace(at, 2, m_path);
        EXPECT_NE(messages.shown.rfind(last), std::string::npos) << messages.shown;
    }
    std::error_code error;
    fs::permissions(m_path, fs::perms::owner_write, fs::perm_options::add, error);
}

TEST_F(SavePolicyTest, WorkThatCanBeKeptNowhereIsSaidToBeUnsaved)
{
    Load(3, true);
    const std::vector<std::uint8_t> loaded = ReadBytes(m_path);
    const FileFault full(FileStep::Write, std::errc::no_space_on_device);
    EXPECT_FALSE(SaveEnteredWork(group, messages));
    EXPECT_EQ(ReadBytes(m_path), loaded);
    EXPECT_TRUE(KeptCopies(m_dir.Path()).empty());
}

TEST_F(SavePolicyTest, ReportsGoToTheUsersDataFolderWhenTheGroupsFolderTakesNoFiles)
{
    fixtures::SmallTmpfs disk(256);
    if (!disk.Mounted())
        GTEST_SKIP() << "a read-only folder the administrator cannot write needs a mounted file system";
    ASSERT_TRUE(Group(3).WriteTo(disk.File("Skupina3.t09")));
    group.InitReportMonth({2026, 4, 10});
    ASSERT_TRUE(group.LoadGroupFile(disk.File("Skupina3.t09")));
    group.PutNote(1, 2, 0, 0, "0");
    ASSERT_TRUE(disk.MakeReadOnly());

    EXPECT_TRUE(SaveEnteredWork(group, messages));
    const std::vector<std::string> copies = KeptCopies(m_dir.Path() / "data" / "Vak");
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_NE(messages.shown.find(copies[0]), std::string::npos);
}

} // namespace
} // namespace vak
