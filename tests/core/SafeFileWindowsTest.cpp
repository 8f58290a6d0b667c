// The file layer on Windows: Czech paths, the previous file kept until the new one is in place
// (with the attributes the user gave it), the read-only attribute, and names that are devices.
#include "TestFiles.h"

#include "data/FilePath.h"
#include "data/SafeFile.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace vak {
namespace {

using test::TempDir;

std::span<const std::uint8_t> Bytes(const std::string& text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::string ReadAll(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    FileStamp stamp;
    std::error_code reason;
    EXPECT_TRUE(ReadFileStart(path, WHOLE_FILE, bytes, stamp, reason)) << path << ": " << reason.message();
    return std::string(bytes.begin(), bytes.end());
}

DWORD Attributes(const std::string& path)
{
    return ::GetFileAttributesW(PathFromUtf8(path).c_str());
}

std::vector<std::string> FilesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(Utf8FromPath(entry.path().filename()));
    return names;
}

TEST(SafeFileWindowsTest, CzechPathIsWrittenReplacedAndReadBackKeepingItsAttributes)
{
    TempDir dir;
    const std::filesystem::path folder = dir.Path() / PathFromUtf8("Sbor Dvořáková");
    std::filesystem::create_directory(folder);
    const std::string path = Utf8FromPath(folder / PathFromUtf8("Skupina Dvořáková.t09"));

    ASSERT_TRUE(WriteFileSafely(path, Bytes("první")));
    EXPECT_EQ(ReadAll(path), "první");
    const FileStamp first = StampOf(path);
    ASSERT_TRUE(::SetFileAttributesW(PathFromUtf8(path).c_str(), FILE_ATTRIBUTE_HIDDEN));

    ASSERT_TRUE(WriteFileSafely(path, Bytes("druhá, delší")));
    EXPECT_EQ(ReadAll(path), "druhá, delší");
    EXPECT_NE(StampOf(path), first);
    EXPECT_TRUE(Attributes(path) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"Skupina Dvořáková.t09"}) << "no temporary file left";
    EXPECT_GE(FileNameLimit(Utf8FromPath(folder)), 255u);
}

TEST(SafeFileWindowsTest, ReadOnlyAttributeRefusesTheSaveAndKeepsTheFile)
{
    TempDir dir;
    const std::string path = dir.File("Skupina3.t09");
    ASSERT_TRUE(WriteFileSafely(path, Bytes("old")));
    ASSERT_TRUE(::SetFileAttributesW(PathFromUtf8(path).c_str(), FILE_ATTRIBUTE_READONLY));

    std::error_code reason;
    EXPECT_FALSE(WriteFileSafely(path, Bytes("new"), &reason));
    EXPECT_EQ(reason, std::errc::permission_denied);
    ::SetFileAttributesW(PathFromUtf8(path).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadAll(path), "old");
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"Skupina3.t09"});
}

TEST(SafeFileWindowsTest, FoldersAndDevicesAreNeitherReadNorWritten)
{
    TempDir dir;
    for (const std::string& device : {std::string("NUL"), std::string("CON"), dir.File("NUL"), dir.File("COM1")}) {
        std::error_code reason;
        EXPECT_EQ(OpenRegularFile(device, reason), nullptr) << device;
        EXPECT_TRUE(reason) << device;
        EXPECT_FALSE(WriteFileSafely(device, Bytes("x"), &reason)) << device;
        EXPECT_TRUE(reason) << device;
    }
    std::error_code nul;
    EXPECT_EQ(OpenRegularFile("NUL", nul), nullptr);
    EXPECT_EQ(nul.message(), "Not a regular file");
    std::error_code reason;
    EXPECT_EQ(OpenRegularFile(Utf8FromPath(dir.Path()), reason), nullptr);
    EXPECT_EQ(reason, std::errc::is_a_directory);
    EXPECT_FALSE(WriteFileSafely(Utf8FromPath(dir.Path()), Bytes("x"), &reason));
    EXPECT_EQ(reason, std::errc::is_a_directory);
    EXPECT_TRUE(FilesIn(dir.Path()).empty());
}

} // namespace
} // namespace vak
