// Report values, notes, late marks and the report-month state of a loaded group.
#include "data/GroupData.h"
#include "data/PublisherName.h"
#include "res/StringTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace vak {
namespace {

struct ReportDataTest : ::testing::Test {
    ReportDataTest()
    {
        group.m_nPublishers = 3;
        group.AllocGroupData();
    }
    // The little-endian word at `offset` of publisher p's 816-byte record.
    void SetWord(int p, std::size_t offset, std::uint16_t value)
    {
        group.Record(p)[offset] = static_cast<std::uint8_t>(value & 0xFF);
        group.Record(p)[offset + 1] = static_cast<std::uint8_t>(value >> 8);
    }
    void SetNotes(int count)
    {
        group.m_nNotes = static_cast<std::uint16_t>(count);
    }
    RecordingMessageSink messages;
    CGroupData group{messages};
};

TEST_F(ReportDataTest, WordsAreAddressedByFieldMonthAndSlot)
{
    // April (month 3), slot 1 of publisher 2: hours at 240 + 2 * 72 + 6 * 3 + 2, the field-4
    // word at 528 + 20, the credit word at 672 + 20, the pioneer status at 202 + 3 * 3 + 1.
    SetWord(2, 404, 17);
    SetWord(2, 548, 0x3C05);
    EXPECT_EQ(group.GetMonthValue(2, 3, 1, FIELD_HOURS), 17);
    EXPECT_EQ(group.GetMonthValue(2, 3, 1, FIELD_STUDIES), 5);
    EXPECT_EQ(group.GetMonthValue(2, 3, 0, FIELD_HOURS), 0);  // the other year's slot
    EXPECT_EQ(group.GetMonthValue(1, 3, 1, FIELD_HOURS), 0);  // the other publisher
    EXPECT_EQ(group.GetMonthValue(2, 4, 1, FIELD_HOURS), 0);  // the next month
    group.Record(2)[212] = 0xFE;  // upper bits are not the status
    group.Record(2)[239] = 0x07;  // appointment
    group.Record(2)[181] = 0xFF;  // the publisher's group, a signed byte
    SetWord(2, 692, 0x0214);
    EXPECT_EQ(group.GetPioneerStatus(2, 3, 1), 2);
    EXPECT_EQ(group.GetAppointment(2), 3);
    EXPECT_EQ(group.GetPublisherGroup(2), -1);
    EXPECT_EQ(group.GetCredit(2, 3, 1), 0x14);
}

TEST_F(ReportDataTest, WhatCountsAsAReport)
{
    struct Case {
        std::uint16_t hours, field4, note;
        bool serviceTime, report, missing;
    };
    const Case cases[] = {
        {0, 0, 0, false, false, true},        // nothing at all
        {3, 0, 0, true, true, false},         // hours
        {0, 0x1000, 0, true, true, false},    // a quarter hour only
        {0, 0x8000, 0, true, true, false},    // quarter-hours code 8
        {0, 0x0800, 0, false, true, false},   // participation (or "<1 h") only
        {0, 0x0005, 0, false, false, true},   // studies alone are no report
        {0, 0, 1, false, false, false},       // a note alone ("0" for a zero report)
    };
    SetNotes(1);
    for (const Case& c : cases) {
        // June (month 5), slot 0: hours, field-4 word and note slot.
        SetWord(1, 240 + 144 + 30, c.hours);
        SetWord(1, 528 + 30, c.field4);
        SetWord(1, 600 + 30, c.note);
        EXPECT_EQ(group.HasServiceTime(1, 5, 0), c.serviceTime) << c.hours << ' ' << c.field4 << ' ' << c.note;
        EXPECT_EQ(group.HasReport(1, 5, 0), c.report) << c.hours << ' ' << c.field4 << ' ' << c.note;
        EXPECT_EQ(group.IsReportMissing(1, 5, 0), c.missing) << c.hours << ' ' << c.field4 << ' ' << c.note;
    }
}

TEST_F(ReportDataTest, YearSlotsOfOneMonthDoNotDisturbEachOther)
{
    SetWord(1, 384, 10);  // January hours, slot 0
    EXPECT_TRUE(group.HasReport(1, 0, 0));
    EXPECT_TRUE(group.IsReportMissing(1, 0, 1));
    SetWord(1, 386, 20);  // slot 1
    EXPECT_EQ(group.GetMonthValue(1, 0, 0, FIELD_HOURS), 10);
    EXPECT_EQ(group.GetMonthValue(1, 0, 1, FIELD_HOURS), 20);
}

TEST_F(ReportDataTest, LateMarksUseOneByteAMonthAndCountOnlyWhenExactlyOne)
{
    for (int m = 0; m < MONTHS; ++m) {
        EXPECT_FALSE(group.HasLateMark(1, m));
        group.SetLateMark(1, m);
        EXPECT_TRUE(group.HasLateMark(1, m));
    }
    EXPECT_EQ(group.Record(1)[152], 1);
    EXPECT_EQ(group.Record(1)[157], 1);
    EXPECT_EQ(group.Record(1)[158], 0);  // spare
    EXPECT_EQ(group.Record(1)[161], 1);  // July
    EXPECT_EQ(group.Record(1)[166], 1);  // December
    group.Record(2)[155] = 2;
    EXPECT_FALSE(group.HasLateMark(2, 3));
}

TEST_F(ReportDataTest, StoredNoteIsLinkedAndItsTextReadBack)
{
    SetNotes(2);
    std::string text = "stale";
    EXPECT_EQ(group.GetNote(1, 6, 0, text), 0);
    EXPECT_EQ(text, "");
    EXPECT_EQ(group.m_nNotes, 2);  // reading takes no number
    EXPECT_EQ(group.PutNote(1, 6, 0, 0, "Nemocná, zpráva příště"), 1);
    EXPECT_EQ(group.GetNoteSlot(1, 6, 0), 3);
    EXPECT_EQ(group.GetNote(1, 6, 0, text), 3);
    EXPECT_EQ(text, "Nemocná, zpráva příště");
    EXPECT_EQ(group.NoteRecord(2)[0], 'N');
    EXPECT_EQ(group.NoteRecord(2)[6], 0xE1);  // "á" in Windows-1250
    EXPECT_TRUE(group.m_bEntered);
}

// Which note a text goes into. Publisher 1's July (slot 0) starts with note slot `slot`; notes
// 1..`notes` exist, the first `filled` of them with text, and publisher 2 links note `linked`.
// Afterwards note `erased` (0: none) is all zero.
struct PutNoteCase {
    const char* name;
    int notes, filled, linked, slot, n;
    const char* text;
    int result, slotAfter, notesAfter;
    bool fullMessage;
    int erased = 0;
};

TEST_F(ReportDataTest, NoteTextTakesTheMonthsNoteANewNumberOrAFreeRecord)
{
    const PutNoteCase cases[] = {
        {"new number", 5, 5, 0, 0, 0, "x", 1, 6, 6, false},
        {"the month's own note", 5, 5, 0, 2, 2, "x", 1, 2, 5, false},
        {"its note cleared before, now free", 5, 1, 0, 0, 2, "x", 1, 2, 5, false},
        {"a record with another text is not written over", 5, 5, 0, 0, 2, "x", 1, 6, 6, false},
        {"a slot beyond the table is no note", 1, 1, 0, 9, 9, "x", 1, 2, 2, false},
        {"leading blanks are dropped", 5, 5, 0, 3, 3, "  x", 1, 3, 5, false},
        {"blanks only clear and erase the note", 5, 5, 0, 3, 3, " \t ", 0, 0, 5, false, 3},
        {"empty clears; another month's link keeps the note", 5, 5, 3, 3, 3, "", 0, 0, 5, false},
        {"253 notes: a free record", 253, 250, 251, 0, 0, "x", 1, 252, 253, false},
        {"253 notes, all used", 253, 252, 253, 0, 0, "x", 0, 0, 253, true},
        {"254 notes: edited in place", 254, 253, 0, 1, 1, "x", 1, 1, 254, false},
        {"254 notes: a free record", 254, 200, 0, 0, 0, "x", 1, 201, 254, false},
        {"254 notes: number 254 carries no text", 254, 253, 0, 0, 254, "x", 0, 0, 254, true},
        {"254 notes: clearing still works", 254, 1, 0, 1, 1, "", 0, 0, 254, false, 1},
    };
    for (const PutNoteCase& c : cases) {
        SCOPED_TRACE(c.name);
        group.AllocGroupData();
        messages.shown.clear();
        SetNotes(c.notes);
        for (int n = 1; n <= c.filled; ++n)
            group.NoteRecord(n - 1)[0] = 'a';
        SetWord(2, 600 + 6 * 5, static_cast<std::uint16_t>(c.linked));  // publisher 2's June
        SetWord(1, 600 + 6 * 6, static_cast<std::uint16_t>(c.slot));    // publisher 1's July
        EXPECT_EQ(group.PutNote(1, 6, 0, c.n, c.text), c.result);
        EXPECT_EQ(group.GetNoteSlot(1, 6, 0), c.slotAfter);
        EXPECT_EQ(group.m_nNotes, c.notesAfter);
        EXPECT_EQ(messages.shown, c.fullMessage ? std::string(TEXT_NOTES_FULL) + "\n" : "");
        if (c.result == 1) {
            EXPECT_EQ(std::string(reinterpret_cast<const char*>(group.NoteRecord(c.slotAfter - 1))), "x");
        }
        if (c.erased != 0) {
            EXPECT_EQ(std::vector<std::uint8_t>(group.NoteRecord(c.erased - 1), group.NoteRecord(c.erased - 1) + 48),
                      std::vector<std::uint8_t>(48, 0));
        }
    }
}

TEST_F(ReportDataTest, StoredNoteIsCutTo36CharactersAndEndsAtByte36)
{
    // A note record of a file that runs through all its 48 bytes without a zero.
    SetNotes(1);
    std::memset(group.NoteRecord(0), 'x', 48);
    SetWord(2, 600 + 6 + 2, 1);  // February, slot 1
    std::string text;
    EXPECT_EQ(group.GetNote(2, 1, 1, text), 1);
    EXPECT_EQ(text, std::string(48, 'x'));

    EXPECT_EQ(group.PutNote(2, 1, 1, 1, "Žluťoučký kůň úpěl ďábelské ódy; a ještě něco navíc"), 1);
    group.GetNote(2, 1, 1, text);
    EXPECT_EQ(text, "Žluťoučký kůň úpěl ďábelské ódy; a j");  // 36 characters
    // A shorter text clears the rest of the old one and byte 36; bytes 37..47 are carried through.
    EXPECT_EQ(group.PutNote(2, 1, 1, 1, "0"), 1);
    std::vector<std::uint8_t> expected(48, 0);
    expected[0] = '0';
    std::fill(expected.begin() + 37, expected.end(), 'x');
    EXPECT_EQ(std::vector<std::uint8_t>(group.NoteRecord(0), group.NoteRecord(0) + 48), expected);
}

TEST_F(ReportDataTest, NoteNumberBeyondTheTableIsNoNote)
{
    SetNotes(1);
    SetWord(1, 600 + 18, 9);  // April's note slot
    std::string text;
    EXPECT_EQ(group.GetNote(1, 3, 0, text), 0);
    EXPECT_FALSE(group.IsReportMissing(1, 3, 0));  // a slot value still counts as a note
}

TEST_F(ReportDataTest, TextFieldsConvertBetweenWindows1250AndUtf8)
{
    group.SetFirstName(1, "Řehoř");
    group.SetSurname(1, "Šťastný-Žďárský s dlouhým jménem");
    group.SetEmail(1, "rehor@example.cz");
    group.SetPhone(1, 2, "+420 603 111 222 333");
    EXPECT_EQ(group.GetFirstName(1), "Řehoř");
    EXPECT_EQ(group.Record(1)[2], 0xD8);  // "Ř" in Windows-1250
    EXPECT_EQ(group.GetSurname(1), "Šťastný-Žďárský s dl");  // 20 characters
    EXPECT_EQ(group.GetEmail(1), "rehor@example.cz");
    EXPECT_EQ(group.GetPhone(1, 2), "+420 603 111 2");       // 14 characters
    // A telephone 2 that fills its field runs on into telephone 3 when read.
    std::memcpy(group.Record(1) + 122, "123456789012345", 15);
    EXPECT_EQ(group.GetPhone(1, 1), "123456789012345+420 603 111 2");
}

TEST_F(ReportDataTest, TextRunningToTheRecordEndIsReadNoFurther)
{
    std::memset(group.Record(1) + 137, 'x', 816 - 137);  // telephone 3 to the record's end
    std::memset(group.Record(2), 'y', 816);
    EXPECT_EQ(group.GetPhone(1, 2), std::string(816 - 137, 'x'));
}

TEST(PublisherName, ListAndCaptionForms)
{
    EXPECT_EQ(FormatPublisherName("Jana", "Nováková", NameForm::List, "en"), "Nováková, Jana");
    EXPECT_EQ(FormatPublisherName("Jana", "Nováková", NameForm::Caption, "cz"), "Nováková, Jana");
    EXPECT_EQ(FormatPublisherName("Jana", "Nováková", NameForm::Caption, "sk"), "Jana Nováková");
}

struct MonthCase {
    CivilDate today;
    int month, year, slot, index;
    bool newForm;
};

TEST(ReportMonth, FromTheClockIsThePreviousCalendarMonth)
{
    const MonthCase cases[] = {
        {{2026, 1, 15}, 11, 25, 1, 311, true},
        {{2026, 3, 1}, 1, 26, 0, 313, true},
        {{2023, 10, 5}, 8, 23, 1, 284, false},  // September 2023: old form
        {{2023, 11, 5}, 9, 23, 1, 285, true},   // October 2023: new form
    };
    for (const MonthCase& c : cases) {
        const ReportMonthState state = ReportMonthFromClock(c.today);
        EXPECT_EQ(state.month, c.month);
        EXPECT_EQ(state.year, c.year);
        EXPECT_EQ(state.yearSlot, c.slot);
        EXPECT_EQ(state.monthIndex, c.index);
        EXPECT_EQ(state.newForm, c.newForm);
    }
}

TEST(ReportMonth, FileMonthBelongsToTheLatestYearNotAfterToday)
{
    const MonthCase cases[] = {
        {{2026, 1, 15}, 0, 26, 0, 312, true},    // January file in January: this year
        {{2026, 1, 15}, 11, 25, 1, 311, true},   // December file in January: last year
        {{2026, 2, 10}, 11, 25, 1, 311, true},   // December file in February: last year
        {{2023, 11, 2}, 8, 23, 1, 284, false},   // September 2023 file in November: old form
        {{2026, 12, 8}, 10, 26, 0, 322, true},
        {{2026, 12, 8}, 11, 26, 0, 323, true},   // the current calendar month itself
    };
    for (const MonthCase& c : cases) {
        const ReportMonthState state = ReportMonthForFile(c.month, c.today);
        EXPECT_EQ(state.year, c.year) << c.today.year << '-' << c.today.month << " file " << c.month;
        EXPECT_EQ(state.yearSlot, c.slot);
        EXPECT_EQ(state.monthIndex, c.index);
        EXPECT_EQ(state.newForm, c.newForm);
    }
}

} // namespace
} // namespace vak
