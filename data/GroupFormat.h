// The byte layout of the group file (.t09) and the report file (.t19): every offset, width and
// scrambling mode in one place, with the one word reader and writer.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vak {

inline constexpr std::size_t RECORD_SIZE = 816;   // header and publisher records
inline constexpr std::size_t NOTE_SIZE = 48;      // note records
inline constexpr int MAX_PUBLISHERS = 127;        // the count byte is signed
inline constexpr int MONTHS = 12;
inline constexpr int YEAR_SLOTS = 3;              // slot 2 is only carried through
// The most a group file can use: the header, 127 publishers and the largest note table. Bytes
// beyond are never read.
inline constexpr std::size_t GROUP_FILE_MAX_BYTES = RECORD_SIZE * (MAX_PUBLISHERS + 1) + NOTE_SIZE * 0xFFFF;

// Header record (stored plain).
inline constexpr std::size_t HDR_SECRETARY_MAIL = 44;  // zero-terminated text
inline constexpr std::size_t HDR_PUBLISHERS = 180;     // signed byte N
inline constexpr std::size_t HDR_GROUP = 181;          // unsigned byte
inline constexpr std::size_t HDR_NOTES = 184;          // word M
inline constexpr std::size_t HDR_MONTH = 238;          // report month 0..11

// Publisher record.
inline constexpr std::size_t OFS_FIRST_NAME = 2;     // 21 bytes, byte 22 forced to 0
inline constexpr std::size_t OFS_SURNAME = 23;       // 21 bytes, byte 43 forced to 0
inline constexpr std::size_t OFS_EMAIL = 44;         // 63 bytes, byte 106 forced to 0
inline constexpr std::size_t OFS_PHONE1 = 107;       // 15 bytes, byte 121 forced to 0
inline constexpr std::size_t OFS_PHONE2 = 122;       // 15 bytes, no forced terminator
inline constexpr std::size_t OFS_PHONE3 = 137;       // 15 bytes, no forced terminator
inline constexpr std::size_t OFS_LATE_LOW = 152;     // late marks of months 0..5 at 152 + month
inline constexpr std::size_t OFS_LATE_HIGH = 161;    // late marks of months 6..11 at 155 + month
inline constexpr std::size_t OFS_PUBLISHER_GROUP = 181;  // signed byte
inline constexpr std::size_t OFS_PIONEER = 202;      // 202 + 3 * month + slot, low 2 bits
inline constexpr std::size_t OFS_APPOINTMENT = 239;  // low 2 bits
inline constexpr std::size_t OFS_VALUES = 240;       // fields 0..3: + 72 * field + 6 * month + 2 * slot
inline constexpr std::size_t OFS_FIELD4 = 528;       // + 6 * month + 2 * slot
inline constexpr std::size_t OFS_NOTE_SLOT = 600;    // + 6 * month + 2 * slot
inline constexpr std::size_t OFS_CREDIT = 672;       // + 6 * month + 2 * slot

inline constexpr std::size_t NAME_WIDTH = 21;
inline constexpr std::size_t EMAIL_WIDTH = 63;
inline constexpr std::size_t PHONE_WIDTH = 15;
inline constexpr std::size_t PHONE_OFFSETS[3] = {OFS_PHONE1, OFS_PHONE2, OFS_PHONE3};

// Bytes set to 0 before each scrambling pass.
inline constexpr std::size_t FORCED_TERMINATORS[] = {22, 43, 106, 121, 160, 169};

// Scrambled text fields in processing order, with their mode.
enum class ScrambleMode { A, B, C };
struct ScrambledField {
    std::size_t offset;
    ScrambleMode mode;
};
inline constexpr ScrambledField SCRAMBLED_FIELDS[] = {
    {OFS_FIRST_NAME, ScrambleMode::A}, {OFS_SURNAME, ScrambleMode::A},
    {OFS_EMAIL, ScrambleMode::B},      {OFS_PHONE1, ScrambleMode::C},
    {OFS_PHONE2, ScrambleMode::C},     {OFS_PHONE3, ScrambleMode::C},
    {OFS_LATE_LOW, ScrambleMode::C},   {OFS_LATE_HIGH, ScrambleMode::C},
};
inline constexpr std::uint8_t SCRAMBLE_EXEMPT = 204;   // kept in modes A and B
inline constexpr std::size_t MODE_B_EXEMPT_LAST = 29;  // mode B keeps 204 only up to this position
inline constexpr std::uint8_t STEP_UNSCRAMBLE = 255;
inline constexpr std::uint8_t STEP_SCRAMBLE = 1;

// Note record.
inline constexpr std::size_t NOTE_TEXT_LEN = 36;       // byte 36 is the terminator
inline constexpr int NOTES_FULL = 254;                 // from this count on no note is stored
inline constexpr int NOTE_ROOM_EXTRA = 100;            // the note buffer holds M + 100 records
inline constexpr int NOTE_ROOM_MIN = 255;              // and never fewer than this

// Monthly value fields.
inline constexpr int FIELD_PUBLICATIONS = 0;
inline constexpr int FIELD_VIDEOS = 1;
inline constexpr int FIELD_HOURS = 2;
inline constexpr int FIELD_RETURN_VISITS = 3;
inline constexpr int FIELD_STUDIES = 4;

// The field-4 word.
inline constexpr std::uint16_t STUDIES_MASK = 0x03FF;
inline constexpr std::uint16_t PARTICIPATION_BIT = 0x0800;
inline constexpr int QUARTERS_SHIFT = 12;

// Triples of the month region, addressed by word index 3 * (136 * p + t) + slot.
inline constexpr int TRIPLES_PER_RECORD = 136;
inline constexpr int TRIPLE_VALUES = 40;     // + 12 * field + month, fields 0..3
inline constexpr int TRIPLE_FIELD4 = 88;     // + month
inline constexpr int TRIPLE_NOTE_SLOT = 100; // + month
inline constexpr int TRIPLE_CREDIT = 112;    // + month

// The byte view and the triple view of the month region describe the same words.
static_assert(OFS_VALUES == 6 * TRIPLE_VALUES && OFS_FIELD4 == 6 * TRIPLE_FIELD4 &&
              OFS_NOTE_SLOT == 6 * TRIPLE_NOTE_SLOT && OFS_CREDIT == 6 * TRIPLE_CREDIT);

// Pioneer status and appointment values (the low 2 bits of their bytes).
inline constexpr std::uint8_t STATUS_MASK = 0x03;
inline constexpr int STATUS_PUBLISHER = 0;
inline constexpr int STATUS_AUXILIARY = 1;
inline constexpr int STATUS_REGULAR = 2;
inline constexpr int STATUS_SPECIAL = 3;

// Report month index 12 * (year - 2000) + month above which the new report form holds
// (284 is September 2023).
inline constexpr int NEW_FORM_AFTER_INDEX = 284;

// Little-endian words, read and written byte by byte.
inline std::uint16_t ReadWord(const std::uint8_t* bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

inline void WriteWord(std::uint8_t* bytes, std::size_t offset, std::uint16_t value)
{
    bytes[offset] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

// Offset of the late-mark byte of month 0..11 in a publisher record: months 0..5 at 152 + month,
// months 6..11 at 161 + (month - 6).
inline constexpr std::size_t LateMarkOffset(int month)
{
    return month < 6 ? OFS_LATE_LOW + static_cast<std::size_t>(month)
                     : OFS_LATE_HIGH + static_cast<std::size_t>(month - 6);
}

// Byte offset, in the record buffer, of the word with word index 3 * (136 * p + t) + slot.
// With p = 0 it is the offset within one publisher record.
inline constexpr std::size_t WordOffset(int p, int triple, int slot)
{
    return 2 * static_cast<std::size_t>(3 * (TRIPLES_PER_RECORD * p + triple) + slot);
}

// Offset, in a publisher record, of the pioneer-status byte of a month and year slot.
inline constexpr std::size_t PioneerOffset(int month, int slot)
{
    return OFS_PIONEER + static_cast<std::size_t>(3 * month + slot);
}

} // namespace vak
