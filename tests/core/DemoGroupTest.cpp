// Tests that the committed demo group is what its generator writes, and that it opens as the
// group of November 2026 it is meant to be.
#include "fixtures/DemoGroup.h"

#include "data/GroupData.h"
#include "res/Messages.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace vak::fixtures {
namespace {

std::string DemoPath()
{
    return std::string(VAK_SOURCE_DIR) + "/" + DEMO_GROUP_FILE;
}

std::vector<std::uint8_t> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(DemoGroup, CommittedFileIsWhatTheGeneratorWrites)
{
    const std::vector<std::uint8_t> committed = ReadFile(DemoPath());
    ASSERT_FALSE(committed.empty()) << DemoPath() << " is missing";
    // When this fails after a change to DemoGroup.cpp: cmake --build <build> --target demo-group
    EXPECT_TRUE(committed == BuildDemoGroup().Bytes())
        << "samples/Skupina7.t09 is out of date; regenerate it with the demo-group target";
}

TEST(DemoGroup, OpensAsNovember2026WithAThirdMissing)
{
    RecordingMessageSink messages;
    CGroupData group(messages);
    group.InitReportMonth({2026, 12, 3});
    ASSERT_TRUE(group.LoadGroupFile(DemoPath()));
    EXPECT_EQ(messages.count, 0);

    ASSERT_EQ(group.m_nPublishers, 40);
    EXPECT_EQ(group.m_nGroup, 7);
    EXPECT_EQ(group.m_nMonth, 10);
    EXPECT_EQ(group.m_nYearSlot, 0);
    EXPECT_TRUE(group.m_bNewForm);
    EXPECT_EQ(group.m_strSecretaryMail, "tajemnik.sboru@example.cz");

    int missing = 0;
    bool statusSeen[4] = {};
    bool appointmentSeen[4] = {};
    bool oldFormSeen = false;
    for (int p = 1; p <= group.m_nPublishers; ++p) {
        missing += group.IsReportMissing(p, group.m_nMonth, group.m_nYearSlot) ? 1 : 0;
        appointmentSeen[group.GetAppointment(p)] = true;
        for (int m = 0; m < MONTHS; ++m) {
            statusSeen[group.GetPioneerStatus(p, m, 0)] = true;
            oldFormSeen = oldFormSeen || group.GetMonthValue(p, m, 1, FIELD_PUBLICATIONS) != 0;
        }
    }
    EXPECT_EQ(missing, 14);
    EXPECT_TRUE(oldFormSeen);
    for (int value = 0; value < 4; ++value) {
        EXPECT_TRUE(statusSeen[value]) << "pioneer status " << value;
        EXPECT_TRUE(appointmentSeen[value]) << "appointment " << value;
    }
}

TEST(DemoGroup, SavingUnchangedWritesTheSameBytes)
{
    RecordingMessageSink messages;
    CGroupData group(messages);
    group.InitReportMonth({2026, 12, 3});
    ASSERT_TRUE(group.LoadGroupFile(DemoPath()));
    EXPECT_TRUE(group.BuildFileBytes() == ReadFile(DemoPath()));
}

} // namespace
} // namespace vak::fixtures
