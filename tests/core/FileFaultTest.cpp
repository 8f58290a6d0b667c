// The file layer's failure paths through its seam, on every machine and without root: whichever
// step of writing fails, the old file stays whole, no temporary file is left and the reason told.
#include "TestFiles.h"

#include "data/FileFaults.h"
#include "data/SafeFile.h"

#include <gtest/gtest.h>

namespace vak {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

TEST(FileFaultTest, AFailedStepLeavesTheOldFileAndNoTemporaryFile)
{
    const std::pair<FileStep, std::errc> cases[] = {
        {FileStep::Write, std::errc::no_space_on_device},
        {FileStep::Flush, std::errc::read_only_file_system},
        {FileStep::Rename, std::errc::permission_denied},
    };
    for (const auto& [step, error] : cases) {
        SCOPED_TRACE(static_cast<int>(step));
        TempDir dir;
        const std::string path = dir.File("Skupina.t09");
        const std::vector<std::uint8_t> old = {1, 2, 3};
        WriteBytes(path, old);
        std::error_code reason;
        {
            const FileFault fault(step, error);
            EXPECT_FALSE(WriteFileSafely(path, std::vector<std::uint8_t>(100, 7), &reason));
        }
        EXPECT_EQ(reason, error);
        EXPECT_EQ(ReadBytes(path), old);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
        // Once the step works again, so does the write.
        EXPECT_TRUE(WriteFileSafely(path, std::vector<std::uint8_t>(100, 7), &reason));
        EXPECT_EQ(ReadBytes(path).size(), 100u);
    }
}

} // namespace
} // namespace vak
