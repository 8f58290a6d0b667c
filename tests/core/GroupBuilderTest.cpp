// Tests that the fixtures builder writes the group-file layout the loader reads back.
#include "fixtures/GroupBuilder.h"

#include "data/Cp1250.h"
#include "data/GroupData.h"
#include "res/Messages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace vak::fixtures {
namespace {

// A file name in the temporary folder that is removed with the object.
class TempFile {
public:
    explicit TempFile(const std::string& name)
        : m_path((std::filesystem::temp_directory_path()
                  / ("vak-builder-" + std::to_string(::getpid()) + "-" + name)).string())
    {
    }
    ~TempFile() { std::filesystem::remove(m_path); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

GroupBuilder TwoPublishers()
{
    GroupBuilder b;
    b.Group(3).Month(10).SecretaryMail("tajemník@example.cz");
    b.AddPublisher({.firstName = "Jiří",
                    .surname = "Dvořák",
                    .email = "jiri.dvorak@example.cz",
                    .phones = {"603 123 456", "", "212 345 678"},
                    .appointment = 2,
                    .group = 3})
        .Status(10, 0, STATUS_REGULAR)
        .Report(10, 0, {.hours = 52, .studies = 3, .quarters = 2, .participation = true, .credit = 12})
        .Note(10, 0, "12 +Hod")
        .Late(8);
    b.AddPublisher({.firstName = "Žofie", .surname = "Šťastná", .group = 3})
        .Report(2, 1, {.publications = 14, .videos = 2, .hours = 9, .returnVisits = 5, .studies = 1})
        .Late(1)
        .Late(11);
    return b;
}

TEST(GroupBuilder, FileHasHeaderScrambledRecordsAndNotes)
{
    const GroupBuilder b = TwoPublishers();
    const std::vector<std::uint8_t> bytes = b.Bytes();

    ASSERT_EQ(bytes.size(), RECORD_SIZE * 3 + NOTE_SIZE * 1);
    EXPECT_EQ(bytes[HDR_PUBLISHERS], 2);
    EXPECT_EQ(bytes[HDR_GROUP], 3);
    EXPECT_EQ(bytes[HDR_MONTH], 10);
    EXPECT_EQ(ReadWord(bytes.data(), HDR_NOTES), 1);
    // The header is plain Windows-1250: "í" is 0xED.
    EXPECT_EQ(std::string(bytes.begin() + HDR_SECRETARY_MAIL, bytes.begin() + HDR_SECRETARY_MAIL + 20),
              std::string("tajemn\xEDk@example.cz\0", 20));

    // Publisher records are scrambled: unscrambling the file's record gives the plain one.
    Record first{};
    std::copy_n(bytes.begin() + RECORD_SIZE, RECORD_SIZE, first.begin());
    EXPECT_NE(first, b.PlainRecord(1));
    CGroupData::ScrambleRecord(STEP_UNSCRAMBLE, first.data());
    EXPECT_EQ(first, b.PlainRecord(1));

    // The note record is plain, zero-terminated at byte 36.
    const auto note = bytes.begin() + static_cast<std::ptrdiff_t>(3 * RECORD_SIZE);
    EXPECT_EQ(std::string(note, note + 8), std::string("12 +Hod\0", 8));
}

TEST(GroupBuilder, LoaderReadsBackWhatWasDescribed)
{
    TempFile file("described.t09");
    ASSERT_TRUE(TwoPublishers().WriteTo(file.Path()));

    RecordingMessageSink messages;
    CGroupData group(messages);
    group.InitReportMonth({2026, 12, 15});
    ASSERT_TRUE(group.LoadGroupFile(file.Path()));
    EXPECT_EQ(messages.count, 0);
    ASSERT_EQ(group.m_nPublishers, 2);
    EXPECT_EQ(group.m_nGroup, 3);
    EXPECT_EQ(group.m_nMonth, 10);
    EXPECT_EQ(group.m_strSecretaryMail, "tajemník@example.cz");

    EXPECT_EQ(group.GetFirstName(1), "Jiří");
    EXPECT_EQ(group.GetSurname(1), "Dvořák");
    EXPECT_EQ(group.GetEmail(1), "jiri.dvorak@example.cz");
    EXPECT_EQ(group.GetPhone(1, 0), "603 123 456");
    EXPECT_EQ(group.GetPhone(1, 1), "");
    EXPECT_EQ(group.GetPhone(1, 2), "212 345 678");
    EXPECT_EQ(group.GetAppointment(1), 2);
    EXPECT_EQ(group.GetPublisherGroup(1), 3);
    EXPECT_EQ(group.GetPioneerStatus(1, 10, 0), STATUS_REGULAR);
    EXPECT_EQ(group.GetMonthValue(1, 10, 0, FIELD_HOURS), 52);
    EXPECT_EQ(group.GetField4Word(1, 10, 0), 0x2803);
    EXPECT_EQ(group.GetCredit(1, 10, 0), 12);
    std::string note;
    EXPECT_EQ(group.GetNote(1, 10, 0, note, true), 1);
    EXPECT_EQ(note, "12 +Hod");
    EXPECT_TRUE(group.HasLateMark(1, 8));
    EXPECT_FALSE(group.HasLateMark(1, 7));

    EXPECT_EQ(group.GetSurname(2), "Šťastná");
    EXPECT_EQ(group.GetMonthValue(2, 2, 1, FIELD_PUBLICATIONS), 14);
    EXPECT_EQ(group.GetMonthValue(2, 2, 1, FIELD_VIDEOS), 2);
    EXPECT_EQ(group.GetMonthValue(2, 2, 1, FIELD_HOURS), 9);
    EXPECT_EQ(group.GetMonthValue(2, 2, 1, FIELD_RETURN_VISITS), 5);
    EXPECT_EQ(group.GetMonthValue(2, 2, 1, FIELD_STUDIES), 1);
    EXPECT_EQ(group.GetMonthValue(2, 2, 0, FIELD_PUBLICATIONS), 0);  // the other year slot
    EXPECT_TRUE(group.HasLateMark(2, 1));
    EXPECT_TRUE(group.HasLateMark(2, 11));
    EXPECT_TRUE(group.IsReportMissing(2, 10, 0));
}

TEST(GroupBuilder, RawBytesMakeOddFiles)
{
    GroupBuilder b;
    b.Group(1).Month(4);
    b.AddPublisher({.surname = "Řezníček", .phones = {"", "123456789012345", "77"}});
    b.AddPublisher({.surname = "Čermák"});

    // A telephone of 15 characters fills its field without a terminator.
    EXPECT_EQ(b.PlainRecord(1)[OFS_PHONE2 + PHONE_WIDTH - 1], '5');
    EXPECT_EQ(b.PlainRecord(1)[OFS_PHONE3], '7');

    b.RawPublisherByte(2, OFS_FIRST_NAME, 204).RawHeaderByte(HDR_PUBLISHERS, 200);
    const int note = b.AddNote("poznámka, která je mnohem delší než třicet šest znaků");
    b.RawNoteByte(note, NOTE_TEXT_LEN, 'x');
    const std::vector<std::uint8_t> bytes = b.Bytes();

    EXPECT_EQ(bytes[HDR_PUBLISHERS], 200);         // the raw byte wins over the count
    EXPECT_EQ(bytes[RECORD_SIZE * 2 + OFS_FIRST_NAME], 204);  // exempt from scrambling
    const std::size_t noteStart = RECORD_SIZE * 3;
    // A long note keeps its first 36 characters.
    EXPECT_EQ(std::string(bytes.begin() + noteStart, bytes.begin() + noteStart + NOTE_TEXT_LEN),
              Utf8ToCp1250("poznámka, která je mnohem delší než "));
    EXPECT_EQ(bytes[noteStart + NOTE_TEXT_LEN], 'x');

    EXPECT_THROW(b.Publisher(3), std::out_of_range);
    EXPECT_THROW(b.Publisher(1).Report(12, 0, {}), std::out_of_range);
    EXPECT_THROW(b.RawPublisherByte(1, RECORD_SIZE, 0), std::out_of_range);
}

} // namespace
} // namespace vak::fixtures
