// Whole-file writes: the old file survives any failure, links and permissions are kept.
#include "TestFiles.h"
#include "data/SafeFile.h"

#include "fixtures/FileSizeLimit.h"
#include "fixtures/SystemConditions.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace vak {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

const std::vector<std::uint8_t> OLD(4096, 'o');
const std::vector<std::uint8_t> NEW(3000, 'n');

using fixtures::FileSizeLimit;
using fixtures::RunAsOrdinaryUser;
using fixtures::SmallTmpfs;

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

TEST(SafeFile, LinkAtTheNameIsFollowedOrReplacedAsAsked)
{
    struct Case {
        LinkAtName links;
        const char* pointee;   // where the link points, inside the folder
        bool pointeeExists;
        bool linkKept;         // the name is still a link afterwards
        bool pointeeWritten;
    };
    const Case cases[] = {
        {LinkAtName::Follow, "data/a.t09", true, true, true},
        {LinkAtName::Follow, "data/new.t09", false, true, true},    // a dangling link gets its file
        {LinkAtName::Replace, "data/a.t09", true, false, false},
        {LinkAtName::Replace, "data/new.t09", false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pointee + std::string(c.links == LinkAtName::Follow ? " followed" : " replaced"));
        TempDir dir;
        fs::create_directory(dir.File("data"));
        WriteBytes(dir.File("data/a.t09"), OLD);
        fs::permissions(dir.File("data/a.t09"), fs::perms(0600));
        fs::create_symlink(fs::path("..") / dir.Path().filename() / c.pointee, dir.File("link.t19"));
        EXPECT_TRUE(WriteFileSafely(dir.File("link.t19"), NEW, nullptr, c.links));
        EXPECT_EQ(fs::is_symlink(dir.File("link.t19")), c.linkKept);
        EXPECT_EQ(ReadBytes(dir.File("link.t19")), NEW);
        const std::vector<std::uint8_t> pointee = ReadBytes(dir.File(c.pointee));
        EXPECT_EQ(pointee, c.pointeeWritten ? NEW : c.pointeeExists ? OLD : std::vector<std::uint8_t>());
    }
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

TEST(SafeFile, AnyFileNameLeavesRoomForTheTemporaryName)
{
    TempDir dir;
    // 250 characters: no longer name fits in the folder, yet the new file is still made beside
    // it, and a failed write leaves the old content whole.
    const std::string name = std::string(246, 'g') + ".t09";
    WriteBytes(dir.File(name), OLD);
    EXPECT_TRUE(WriteFileSafely(dir.File(name), NEW));
    EXPECT_EQ(ReadBytes(dir.File(name)), NEW);
    {
        const FileSizeLimit limit(1000);
        EXPECT_FALSE(WriteFileSafely(dir.File(name), OLD));
    }
    EXPECT_EQ(ReadBytes(dir.File(name)), NEW);
    EXPECT_EQ(FilesIn(dir.Path()), 1u);
}

TEST(SafeFile, FullDiskKeepsTheOldFileAlsoWithALongName)
{
    SmallTmpfs disk(64);
    if (!disk.Mounted())
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    const std::string path = disk.File(std::string(246, 'g') + ".t09");
    const std::vector<std::uint8_t> old(2448, 'o');
    WriteBytes(path, old);
    disk.Fill();
    std::error_code reason;
    EXPECT_FALSE(WriteFileSafely(path, std::vector<std::uint8_t>(8 * 816, 'n'), &reason));
    EXPECT_EQ(reason, std::errc::no_space_on_device);
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(FilesIn(disk.Path()), 2u);  // the group file and the filler, no temporary file
}

TEST(SafeFile, ReadOnlyFileIsRefusedAndStaysAsItWas)
{
    TempDir dir;
    WriteBytes(dir.File("a.t09"), OLD);
    fs::permissions(dir.File("a.t09"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    std::error_code reason;
    EXPECT_FALSE(WriteFileSafely(dir.File("a.t09"), NEW, &reason));
    EXPECT_EQ(reason, std::errc::permission_denied);
    EXPECT_EQ(ReadBytes(dir.File("a.t09")), OLD);
    EXPECT_EQ(fs::status(dir.File("a.t09")).permissions(), fs::perms(0444));
}

TEST(SafeFile, FolderThatRefusesNewFilesGetsTheFileWrittenInPlaceOnlyWhenItFits)
{
    TempDir dir;
    const std::string path = dir.File("a.t09");
    WriteBytes(path, NEW);
    fs::permissions(path, fs::perms(0666));
    fs::permissions(dir.Path(), fs::perms(0555));
    const std::vector<std::uint8_t> longer(5000, 'l');
    const std::vector<std::uint8_t> shorter(100, 's');
    // As an ordinary user: the folder takes no new file, the file itself may be written.
    EXPECT_TRUE(RunAsOrdinaryUser([&] {
        {
            // No room for the longer content: nothing of the old content is touched.
            const FileSizeLimit limit(4096);
            if (WriteFileSafely(path, longer) || ReadBytes(path) != NEW)
                return false;
        }
        return WriteFileSafely(path, longer) && ReadBytes(path) == longer &&
               WriteFileSafely(path, shorter) && ReadBytes(path) == shorter;
    }));
    EXPECT_EQ(FilesIn(dir.Path()), 1u);
}

TEST(SafeFile, OwnerAndGroupOfTheReplacedFileAreKept)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "handing a file to another owner needs root";
    TempDir dir;
    WriteBytes(dir.File("a.t09"), OLD);
    ASSERT_EQ(::chown(dir.File("a.t09").c_str(), 65534, 65534), 0);
    EXPECT_TRUE(WriteFileSafely(dir.File("a.t09"), NEW));
    struct stat info {};
    ASSERT_EQ(::stat(dir.File("a.t09").c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(info.st_gid, 65534u);
}

TEST(SafeFile, OnlyRegularFilesAreOpenedOrReplacedAndNothingBlocks)
{
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.File("fifo.t09").c_str(), 0666), 0);
    fs::create_directory(dir.File("folder.t09"));
    ::alarm(20);  // a read that blocks on the FIFO ends the test run instead of hanging it
    const std::pair<const char*, std::string> cases[] = {
        {"fifo.t09", "Not a regular file"},
        {"folder.t09", "Is a directory"},
        {"none.t09", "No such file or directory"},
    };
    for (const auto& [name, message] : cases) {
        SCOPED_TRACE(name);
        std::error_code reason;
        EXPECT_EQ(OpenRegularFile(dir.File(name), reason), nullptr);
        EXPECT_EQ(reason.message(), message);
    }
    std::error_code reason;
    EXPECT_FALSE(WriteFileSafely(dir.File("fifo.t09"), NEW, &reason));
    EXPECT_EQ(reason.message(), "Not a regular file");
    EXPECT_TRUE(fs::is_fifo(dir.File("fifo.t09")));
    ::alarm(0);
}

TEST(SafeFile, StampTellsEveryChangedByteEvenWithTheTimePutBack)
{
    TempDir dir;
    const std::string path = dir.File("a.t09");
    EXPECT_FALSE(StampOf(path).exists);
    // 4099 bytes: four lanes of 32-byte blocks and a tail of 3 single bytes.
    const std::vector<std::uint8_t> original(4099, 'o');
    WriteBytes(path, original);
    const auto time = fs::last_write_time(path);
    const FileStamp before = StampOf(path);
    EXPECT_TRUE(before.exists);
    EXPECT_EQ(StampOf(path), before);
    for (const std::size_t changed : {std::size_t{0}, std::size_t{8}, std::size_t{2050}, std::size_t{4098}}) {
        SCOPED_TRACE(changed);
        std::vector<std::uint8_t> bytes = original;
        bytes[changed] = 'x';
        WriteBytes(path, bytes);
        fs::last_write_time(path, time);
        EXPECT_NE(StampOf(path), before);
    }
    WriteBytes(path, original);
    fs::last_write_time(path, time);
    EXPECT_EQ(StampOf(path), before);
    // Only the part read counts: a change past it is told by size and time alone.
    const FileStamp start = StampOf(path, 4000);
    std::vector<std::uint8_t> bytes = original;
    bytes[4000] = 'x';
    WriteBytes(path, bytes);
    fs::last_write_time(path, time);
    EXPECT_EQ(StampOf(path, 4000), start);
}

} // namespace
} // namespace vak
