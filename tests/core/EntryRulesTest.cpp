// The rules of the report entry fields: hours text and credit hours, and the words a stored
// month leaves in the record. Count validation and the warning text are tested in the dialog.
#include "entry/EntryRecord.h"
#include "entry/EntryRules.h"

#include <gtest/gtest.h>

namespace vak {
namespace {

TEST(HoursTextTest, QuarterHoursAreShownRoundedUpAndReadBack)
{
    struct Case {
        const char* typed;
        const char* left;  // the field's text once left
        unsigned hours;
        unsigned quarters;
    };
    const Case cases[] = {
        {"7.3", "7.25", 7, 1}, {"7.5", "7.5", 7, 2},   {"7.9", "7.75", 7, 3}, {"7.", "7", 7, 0},
        {"7.0", "7", 7, 0},    {"7.05", "7", 7, 0},    {".0", "0", 0, 0},     {".5", ".5", 0, 2},
        {"12", "12", 12, 0},   {"1.2.3", "1.25", 1, 1}, {"", "", 0, 0},       {"70000", "70000", 0xFFFF, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::string left = NormalizeHoursText(c.typed);
        EXPECT_EQ(left, c.left);
        // What is stored is what the field shows, also when OK reads a field never left.
        for (const char* read : {c.typed, left.c_str()}) {
            const HoursValue value = ParseHoursText(read);
            EXPECT_EQ(value.hours, c.hours);
            EXPECT_EQ(value.quarters, c.quarters);
        }
    }
    EXPECT_EQ(FormatHoursText(12, 2), "12.5");
    EXPECT_EQ(FormatHoursText(12, 3), "12.75");
    EXPECT_EQ(FormatHoursText(0, 0), "0");
    EXPECT_EQ(FormatHoursText(5, 4), "5");  // codes 4..15 add nothing
}

TEST(CreditTest, HoursAndCreditStayWithin75UnlessTheNoteSaysOtherwise)
{
    struct Case {
        const char* name;
        unsigned hours;
        unsigned stored;
        const char* note;
        unsigned credit;
        const char* noteAfter;
        const char* label;
    };
    const Case cases[] = {
        {"cut to the room left", 60, 30, "", 15, "15 +Hod", "( + 15 Hod )"},
        {"star grants its credit", 60, 0, "30*", 30, "30*", "( + 30 Hod )"},
        {"star grants at most 40", 70, 0, "50*", 40, "50*", "( + 40 Hod )"},
        {"bang lifts the cap", 60, 0, "50!", 50, "50!", "( + 50 Hod )"},
        {"bang past position 5 does not", 60, 0, "50 abc!", 15, "50 abc!", "( + 15 Hod )"},
        {"star past position 4 does not", 60, 0, "12345*", 15, "12345*", "( + 15 Hod )"},
        {"star in the first position does not", 60, 30, "*", 15, "*", "( + 15 Hod )"},
        {"no room at 80 hours", 80, 0, "10", 0, "10", ""},
        {"a zero report", 10, 20, "0", 0, "0", ""},
        {"three digits, low byte", 0, 0, "3001!", 44, "3001!", "( + 44 Hod )"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CreditValue value = ComputeCredit(c.hours, static_cast<std::uint8_t>(c.stored), c.note);
        EXPECT_EQ(value.credit, c.credit);
        EXPECT_EQ(value.note, c.noteAfter);
        EXPECT_EQ(value.label, c.label);
    }
}

TEST(StoreMonthTest, WordsOfAStoredMonth)
{
    // March (month 2) in slot 1: fields at 240 + 72 * field + 14, field 4 at 542, status byte
    // at 202 + 7 = 209, credit at 686.
    std::uint8_t bytes[RECORD_SIZE] = {};
    bytes[209] = 0xC0;        // upper bits of the secretary's program
    bytes[542 + 1] = 0x04;    // bit 10 of the old field-4 word
    CEntryRecord record(bytes);
    record.StoreMonth(2, 1, {.publications = 70000, .videos = 2, .hours = 12, .returnVisits = 4, .studies = 0x403,
                             .quarters = 3, .participation = true, .auxPioneer = true, .credit = 9});
    const std::uint8_t* stored = record.Bytes();
    const std::pair<std::size_t, int> words[] = {
        {254, 70000 & 0xFFFF}, {326, 2}, {398, 12}, {470, 4}, {542, 0x3803}, {686, 9},
    };
    for (const auto& [offset, value] : words)
        EXPECT_EQ(stored[offset] | stored[offset + 1] << 8, value) << offset;
    EXPECT_EQ(stored[209], 0xC1);

    // A regular pioneer keeps the status whatever the box says.
    bytes[209] = 0xC2;
    CEntryRecord regular(bytes);
    regular.StoreMonth(2, 1, {.auxPioneer = true});
    EXPECT_EQ(regular.Bytes()[209], 0xC2);
}

} // namespace
} // namespace vak
