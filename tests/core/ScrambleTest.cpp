// The field scrambling of a publisher record, pinned with bytes computed by hand.
#include "data/GroupData.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace vak {
namespace {

using RecordBytes = std::array<std::uint8_t, 816>;

struct BytesAt {
    std::size_t at;
    std::vector<int> bytes;
};

RecordBytes RecordWith(const std::vector<BytesAt>& runs)
{
    RecordBytes record{};
    for (const BytesAt& run : runs)
        for (std::size_t i = 0; i < run.bytes.size(); ++i)
            record.at(run.at + i) = static_cast<std::uint8_t>(run.bytes[i]);
    return record;
}

std::vector<int> Text(const std::string& text)
{
    return std::vector<int>(text.begin(), text.end());
}

TEST(Scramble, EachTextByteGetsItsPositionPlus52Added)
{
    struct Case {
        const char* what;
        std::vector<BytesAt> plain, scrambled;
    };
    const std::string x29(29, 'x');
    const Case cases[] = {
        {"first name", {{2, Text("Jan")}}, {{2, {126, 150, 164, 0}}}},
        {"sums wrap around", {{23, {0xF0, 0xFE}}}, {{23, {36, 51}}}},
        {"204 is kept in names", {{2, {204, 'a'}}, {23, {'b', 204}}}, {{2, {204, 150}}, {23, {150, 204}}}},
        {"204 is kept in the first 30 e-mail characters",
         {{44, Text(x29 + "\xCC\xCC")}}, {{44 + 28, {200, 204, 30, 0}}}},
        {"204 is scrambled in a telephone", {{107, {204}}}, {{107, {0}}}},
        // Telephone 1 fills its 15 bytes: byte 121 is cleared before, so telephone 2 is separate.
        {"full telephone 1", {{107, Text("123456789012345")}, {122, Text("77")}},
         {{107, {101, 103, 105, 107, 109, 111, 113, 115, 117, 109, 111, 113, 115, 117, 0, 107, 108, 0}}}},
        // Telephone 2 has no terminator: its pass covers telephone 3 too, which is then scrambled
        // again by its own pass.
        {"full telephone 2", {{122, Text("123456789012345")}, {137, Text("77")}},
         {{122, {101}}, {136, {119, 174, 176, 0}}}},
        // Marks 1, 1, 0, 1 from January: the length stops at the first unset month.
        {"late marks", {{152, {1, 1, 0, 1}}, {161, {1}}}, {{152, {53, 54, 0, 1}}, {161, {53, 0}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordBytes record = RecordWith(c.plain);
        CGroupData::ScrambleRecord(STEP_SCRAMBLE, record.data());
        for (const BytesAt& expected : c.scrambled)
            for (std::size_t i = 0; i < expected.bytes.size(); ++i)
                EXPECT_EQ(record[expected.at + i], expected.bytes[i]) << "byte " << expected.at + i;
    }
}

TEST(Scramble, ForcedTerminatorsAreZeroedAndOtherBytesLeftAlone)
{
    RecordBytes record;
    record.fill('k');
    CGroupData::ScrambleRecord(STEP_SCRAMBLE, record.data());
    for (const std::size_t terminator : {22u, 43u, 106u, 121u, 160u, 169u})
        EXPECT_EQ(record[terminator], 0) << terminator;
    EXPECT_EQ(record[21], 'k' + 52 + 19);  // the first name's 20th character
    EXPECT_EQ(record[120], 'k' + 52 + 13);  // telephone 1's 14th character
    for (const std::size_t untouched : {0u, 1u, 170u, 815u})
        EXPECT_EQ(record[untouched], 'k') << untouched;
}

TEST(Scramble, UnscramblingMeasuresTheLengthBeforeBytesTurnZero)
{
    // Position 1 holds 53, which unscrambles to 0; the byte after it is processed all the same.
    RecordBytes record = RecordWith({{2, {100, 53, 100}}, {122, {101, 103, 0}}});
    CGroupData::ScrambleRecord(STEP_UNSCRAMBLE, record.data());
    EXPECT_EQ(record[2], 100 - 52);
    EXPECT_EQ(record[3], 0);
    EXPECT_EQ(record[4], 100 - 54);
    EXPECT_EQ(record[122], '1');
    EXPECT_EQ(record[123], '2');
}

} // namespace
} // namespace vak
