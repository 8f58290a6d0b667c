// The field scrambling of a publisher record, pinned with bytes computed by hand.
#include "data/GroupData.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace vak {
namespace {

using RecordBytes = std::array<std::uint8_t, RECORD_SIZE>;

void Put(RecordBytes& record, std::size_t offset, std::initializer_list<int> bytes)
{
    for (const int b : bytes)
        record[offset++] = static_cast<std::uint8_t>(b);
}

void PutText(RecordBytes& record, std::size_t offset, const char* text)
{
    std::memcpy(record.data() + offset, text, std::strlen(text));
}

TEST(Scramble, NameBytesGetPositionPlus52Added)
{
    RecordBytes record{};
    PutText(record, OFS_FIRST_NAME, "Jan");
    CGroupData::ScrambleRecord(STEP_SCRAMBLE, record.data());
    // 'J' 74 + 52, 'a' 97 + 53, 'n' 110 + 54
    EXPECT_EQ(record[2], 126);
    EXPECT_EQ(record[3], 150);
    EXPECT_EQ(record[4], 164);
    EXPECT_EQ(record[5], 0);
    CGroupData::ScrambleRecord(STEP_UNSCRAMBLE, record.data());
    EXPECT_EQ(std::memcmp(record.data() + 2, "Jan", 4), 0);
}

TEST(Scramble, SumsWrapAroundModulo256)
{
    RecordBytes record{};
    Put(record, OFS_SURNAME, {0xF0, 0xFE});
    CGroupData::ScrambleRecord(STEP_SCRAMBLE, record.data());
    EXPECT_EQ(record[23], (0xF0 + 52) % 256);
    EXPECT_EQ(record[24], (0xFE + 53) % 256);
}

TEST(Scramble, LateMarksStopAtTheFirstUnsetMonth)
{
    RecordBytes record{};
    Put(record, OFS_LATE_LOW, {1, 1, 0, 1});
    Put(record, OFS_LATE_HIGH, {1});  // July
    CGroupData::ScrambleRecord(STEP_SCRAMBLE, record.data());
    EXPECT_EQ(record[152], 53);
    EXPECT_EQ(record[153], 54);
    EXPECT_EQ(record[154], 0);
    EXPECT_EQ(record[155], 1);
    EXPECT_EQ(record[161], 53);
}

TEST(Scramble, Byte204IsKeptInNamesAndInTheFirst30EmailCharacters)
{
    RecordBytes record{};
    Put(record, OFS_FIRST_NAME, {204, 'a'});
    Put(record, OFS_SURNAME, {'b', 204});
    for (std::size_t i = 0; i < 29; ++i)
        record[OFS_EMAIL + i] = 'x';
    Put(record, OFS_EMAIL + 29, {204, 204});
    CGroupData::ScrambleRecord(STEP_SCRAMBLE, record.data());
    EXPECT_EQ(record[2], 204);
    EXPECT_EQ(record[3], 'a' + 53);
    EXPECT_EQ(record[23], 'b' + 52);
    EXPECT_EQ(record[24], 204);
    EXPECT_EQ(record[OFS_EMAIL + 28], 'x' + 52 + 28);
    EXPECT_EQ(record[OFS_EMAIL + 29], 204);             // position 29: still exempt
    EXPECT_EQ(record[OFS_EMAIL + 30], (204 + 52 + 30) % 256);  // position 30: scrambled, 30
    // Telephones and late marks have no exemption.
    RecordBytes phone{};
    Put(phone, OFS_PHONE1, {204});
    CGroupData::ScrambleRecord(STEP_SCRAMBLE, phone.data());
    EXPECT_EQ(phone[OFS_PHONE1], 0);
}

TEST(Scramble, FullTelephone2RunsOnIntoTelephone3)
{
    RecordBytes record{};
    PutText(record, OFS_PHONE2, "123456789012345");  // 15 characters, no terminator
    PutText(record, OFS_PHONE3, "77");
    CGroupData::ScrambleRecord(STEP_SCRAMBLE, record.data());
    // Telephone 2's pass covers 17 bytes, then telephone 3's pass scrambles its two bytes again.
    EXPECT_EQ(record[122], '1' + 52);
    EXPECT_EQ(record[136], '5' + 52 + 14);
    EXPECT_EQ(record[137], '7' + 52 + 15 + 52);  // 174
    EXPECT_EQ(record[138], '7' + 52 + 16 + 53);  // 176
    EXPECT_EQ(record[139], 0);
    CGroupData::ScrambleRecord(STEP_UNSCRAMBLE, record.data());
    EXPECT_EQ(std::memcmp(record.data() + OFS_PHONE2, "12345678901234577", 18), 0);
}

TEST(Scramble, ForcedTerminatorsAreZeroedBeforeScrambling)
{
    RecordBytes record{};
    record.fill('k');
    CGroupData::ScrambleRecord(STEP_SCRAMBLE, record.data());
    for (const std::size_t terminator : FORCED_TERMINATORS)
        EXPECT_EQ(record[terminator], 0) << terminator;
    // First name: 20 characters, scrambled, then the terminator.
    EXPECT_EQ(record[21], 'k' + 52 + 19);
    // Bytes outside every text field are not touched.
    EXPECT_EQ(record[0], 'k');
    EXPECT_EQ(record[170], 'k');
    EXPECT_EQ(record[RECORD_SIZE - 1], 'k');
}

TEST(Scramble, LengthIsMeasuredBeforeBytesTurnZero)
{
    RecordBytes record{};
    // Position 1 holds 53, which unscrambles to 0; the byte after it is processed all the same.
    Put(record, OFS_FIRST_NAME, {100, 53, 100});
    CGroupData::ScrambleRecord(STEP_UNSCRAMBLE, record.data());
    EXPECT_EQ(record[2], 100 - 52);
    EXPECT_EQ(record[3], 0);
    EXPECT_EQ(record[4], 100 - 54);
}

} // namespace
} // namespace vak
