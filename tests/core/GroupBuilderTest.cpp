// The fixtures builder against bytes worked out by hand from the file format, and the program's
// loader and writer against the builder: two implementations of the format that share no code.
#include "fixtures/GroupBuilder.h"

#include "TestFiles.h"
#include "data/GroupData.h"
#include "res/Messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vak::fixtures {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Slice(const Bytes& bytes, std::size_t from, std::size_t count)
{
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                 bytes.begin() + static_cast<std::ptrdiff_t>(from + count));
}

TEST(GroupBuilder, BytesFollowTheFormatWorkedOutByHand)
{
    GroupBuilder b;
    b.Group(200).Month(10).SecretaryMail("tajemník@example.cz");
    b.AddPublisher({.firstName = "Jan", .phones = {"603123456789012", "", ""}})
        .Report(10, 1, {.hours = 300, .studies = 3, .quarters = 8, .participation = true})
        .Note(10, 1, "0")
        .Late(0).Late(1).Late(7);
    const Bytes bytes = b.Bytes();
    ASSERT_EQ(bytes.size(), 2 * 816u + 48);

    // Header, plain: N = 1, group 200, M = 1 as a little-endian word, month 10; "í" is 0xED.
    EXPECT_EQ(Slice(bytes, 180, 6), (Bytes{1, 200, 0, 0, 1, 0}));
    EXPECT_EQ(bytes[238], 10);
    EXPECT_EQ(Slice(bytes, 44, 10), (Bytes{'t', 'a', 'j', 'e', 'm', 'n', 0xED, 'k', '@', 'e'}));

    // Publisher 1 from byte 816. Texts get their position + 52 added: "Jan" is 126, 150, 164; a
    // telephone 1 of 15 characters loses the last to the terminator at 121.
    EXPECT_EQ(Slice(bytes, 816 + 2, 4), (Bytes{126, 150, 164, 0}));
    EXPECT_EQ(Slice(bytes, 816 + 107, 16),
              (Bytes{106, 101, 105, 104, 106, 108, 110, 112, 114, 116, 118, 120, 112, 114, 0, 0}));
    // Late marks of January, February and August: the scrambling stops at the first unset month.
    EXPECT_EQ(Slice(bytes, 816 + 152, 11), (Bytes{53, 54, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
    // November (month 10), slot 1: hours 300 at 240 + 2 * 72 + 6 * 10 + 2, the field-4 word
    // 0x8803 (quarter code 8, participation, 3 studies) at 528 + 62, note 1 at 600 + 62.
    EXPECT_EQ(Slice(bytes, 816 + 446, 2), (Bytes{44, 1}));
    EXPECT_EQ(Slice(bytes, 816 + 590, 2), (Bytes{0x03, 0x88}));
    EXPECT_EQ(Slice(bytes, 816 + 662, 2), (Bytes{1, 0}));
    // The note record, plain.
    EXPECT_EQ(Slice(bytes, 2 * 816, 3), (Bytes{'0', 0, 0}));
}

TEST(GroupBuilder, LoaderReadsBackWhatWasDescribedAndWritesTheSameBytes)
{
    GroupBuilder b;
    b.Group(3).Month(10).SecretaryMail("tajemník@example.cz");
    // "Ě" is byte 204, kept by the scrambling in names and in the first 30 e-mail characters
    // (here at positions 0 and 29), scrambled from position 30 on.
    const std::string email = "Ěva.nováková.z.brna.a.okolí@eĚĚmple.cz";
    b.AddPublisher({.firstName = "Jiří", .surname = "ŠTĚPÁNEK", .email = email,
                    .phones = {"603 123 456 789", "", "212 345 678"}, .appointment = 2, .group = 3})
        .Status(10, 0, 2)
        .Report(10, 0, {.hours = 52, .studies = 3, .quarters = 2, .participation = true, .credit = 12})
        .Note(10, 0, "12 +Hod")
        .Late(8);
    b.AddPublisher({.firstName = "Žofie", .surname = "Šťastná", .group = 3})
        .Report(2, 1, {.publications = 14, .videos = 2, .hours = 9, .returnVisits = 5, .studies = 1})
        .Late(1)
        .Late(11);
    test::TempDir dir;
    ASSERT_TRUE(b.WriteTo(dir.File("g.t09")));

    RecordingMessageSink messages;
    CGroupData group(messages);
    group.InitReportMonth({2026, 12, 15});
    ASSERT_TRUE(group.LoadGroupFile(dir.File("g.t09")));
    EXPECT_EQ(messages.count, 0);
    ASSERT_EQ(group.m_nPublishers, 2);
    EXPECT_EQ(group.m_nGroup, 3);
    EXPECT_EQ(group.m_nMonth, 10);
    EXPECT_EQ(group.m_strSecretaryMail, "tajemník@example.cz");

    EXPECT_EQ(group.GetFirstName(1), "Jiří");
    EXPECT_EQ(group.GetSurname(1), "ŠTĚPÁNEK");
    EXPECT_EQ(group.GetEmail(1), email);
    EXPECT_EQ(group.GetPhone(1, 0), "603 123 456 78");  // 14 characters: byte 121 is a terminator
    EXPECT_EQ(group.GetPhone(1, 1), "");
    EXPECT_EQ(group.GetPhone(1, 2), "212 345 678");
    EXPECT_EQ(group.GetAppointment(1), 2);
    EXPECT_EQ(group.GetPublisherGroup(1), 3);
    EXPECT_EQ(group.GetPioneerStatus(1, 10, 0), 2);
    EXPECT_EQ(group.GetMonthValue(1, 10, 0, FIELD_HOURS), 52);
    EXPECT_EQ(group.GetField4Word(1, 10, 0), 0x2803);
    EXPECT_EQ(group.GetCredit(1, 10, 0), 12);
    std::string note;
    EXPECT_EQ(group.GetNote(1, 10, 0, note), 1);
    EXPECT_EQ(note, "12 +Hod");
    EXPECT_TRUE(group.HasLateMark(1, 8));
    EXPECT_FALSE(group.HasLateMark(1, 7));

    EXPECT_EQ(group.GetSurname(2), "Šťastná");
    const int march[5] = {14, 2, 9, 5, 1};
    for (int field = 0; field < 5; ++field) {
        EXPECT_EQ(group.GetMonthValue(2, 2, 1, field), march[field]) << field;
        EXPECT_EQ(group.GetMonthValue(2, 2, 0, field), 0) << field;  // the other year slot
    }
    EXPECT_TRUE(group.HasLateMark(2, 1));
    EXPECT_TRUE(group.HasLateMark(2, 11));
    EXPECT_TRUE(group.IsReportMissing(2, 10, 0));

    // Written back unchanged, the program's bytes are the builder's.
    EXPECT_TRUE(group.BuildFileBytes() == b.Bytes());
}

} // namespace
} // namespace vak::fixtures
