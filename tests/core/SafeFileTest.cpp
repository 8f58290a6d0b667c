// Whole-file writes: the old file survives any failure, links and permissions are kept.
#include "data/SafeFile.h"
#include "TestFiles.h"

#include "fixtures/FileSizeLimit.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vak {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

const std::vector<std::uint8_t> OLD(4096, 'o');
const std::vector<std::uint8_t> NEW(3000, 'n');

using fixtures::FileSizeLimit;

std::size_t FilesIn(const fs::path& folder)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(SafeFile, ReplacesTheWholeFile)
{
    TempDir dir;
    WriteBytes(dir.File("a.t09"), OLD);
    EXPECT_TRUE(WriteFileSafely(dir.File("a.t09"), NEW));
    EXPECT_EQ(ReadBytes(dir.File("a.t09")), NEW);
    EXPECT_EQ(FilesIn(dir.Path()), 1u);
}

TEST(SafeFile, FailedWriteLeavesTheOldFileIntact)
{
    TempDir dir;
    WriteBytes(dir.File("a.t09"), OLD);
    {
        const FileSizeLimit limit(1000);
        EXPECT_FALSE(WriteFileSafely(dir.File("a.t09"), NEW));
    }
    EXPECT_EQ(ReadBytes(dir.File("a.t09")), OLD);
    EXPECT_EQ(FilesIn(dir.Path()), 1u);  // no temporary file left behind
}

TEST(SafeFile, FailedReplaceLeavesNoTemporaryFile)
{
    TempDir dir;
    fs::create_directory(dir.File("folder.t09"));
    EXPECT_FALSE(WriteFileSafely(dir.File("folder.t09"), NEW));
    EXPECT_TRUE(fs::is_directory(dir.File("folder.t09")));
    EXPECT_EQ(FilesIn(dir.Path()), 1u);
}

TEST(SafeFile, MissingFolderFails)
{
    TempDir dir;
    EXPECT_FALSE(WriteFileSafely(dir.File("missing/a.t09"), NEW));
}

TEST(SafeFile, SymbolicLinkIsFollowedAndKept)
{
    TempDir dir;
    fs::create_directory(dir.File("data"));
    WriteBytes(dir.File("data/a.t09"), OLD);
    fs::create_symlink("data/a.t09", dir.File("link.t09"));
    EXPECT_TRUE(WriteFileSafely(dir.File("link.t09"), NEW));
    EXPECT_TRUE(fs::is_symlink(dir.File("link.t09")));
    EXPECT_EQ(ReadBytes(dir.File("data/a.t09")), NEW);
    EXPECT_EQ(FilesIn(dir.Path()), 2u);
}

TEST(SafeFile, PermissionsOfTheOldFileAreKept)
{
    TempDir dir;
    WriteBytes(dir.File("a.t09"), OLD);
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(dir.File("a.t09"), mode);
    EXPECT_TRUE(WriteFileSafely(dir.File("a.t09"), NEW));
    EXPECT_EQ(fs::status(dir.File("a.t09")).permissions(), mode);
}

TEST(SafeFile, WritesInPlaceWhereNoFileCanBeMadeBesideIt)
{
    TempDir dir;
    // A name so long that no longer name fits beside it: the temporary file cannot be made,
    // as in a read-only folder, and the file itself is written in place, checked.
    const std::string name = std::string(250, 'g') + ".t09";
    WriteBytes(dir.File(name), OLD);
    EXPECT_TRUE(WriteFileSafely(dir.File(name), NEW));
    EXPECT_EQ(ReadBytes(dir.File(name)), NEW);
    {
        const FileSizeLimit limit(1000);
        EXPECT_FALSE(WriteFileSafely(dir.File(name), NEW));  // a failed write is reported
    }
}

TEST(SafeFile, StampChangesWithContent)
{
    TempDir dir;
    EXPECT_FALSE(StampOf(dir.File("a.t09")).exists);
    WriteBytes(dir.File("a.t09"), OLD);
    const FileStamp before = StampOf(dir.File("a.t09"));
    EXPECT_TRUE(before.exists);
    EXPECT_EQ(before.size, OLD.size());
    WriteBytes(dir.File("a.t09"), NEW);
    EXPECT_NE(StampOf(dir.File("a.t09")), before);
}

} // namespace
} // namespace vak
