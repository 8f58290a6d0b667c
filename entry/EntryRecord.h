// The report entry's working copy of one publisher record: the month words it shows and the
// way it stores a month's report into them.
#pragma once

#include "data/GroupFormat.h"

#include <array>
#include <cstdint>

namespace vak {

// One month's report as the entry dialog stores it.
struct MonthEntry {
    unsigned publications = 0;
    unsigned videos = 0;
    unsigned hours = 0;
    unsigned returnVisits = 0;
    unsigned studies = 0;
    unsigned quarters = 0;       // quarter-hour code 0..3
    bool participation = false;  // bit 11: took part (new form) or "<1 h" (old form)
    bool auxPioneer = false;     // "Pomocný průkopník" ticked
    std::uint8_t credit = 0;
};

class CEntryRecord {
public:
    CEntryRecord() = default;
    // A copy of the 816 bytes at `record`.
    explicit CEntryRecord(const std::uint8_t* record);

    const std::uint8_t* Bytes() const { return m_bytes.data(); }

    // Words of month m in year slot s.
    std::uint16_t Value(int field, int m, int s) const;  // fields 0..3
    std::uint16_t Field4(int m, int s) const;
    std::uint16_t NoteSlot(int m, int s) const;
    void SetNoteSlot(int m, int s, std::uint16_t n);
    std::uint8_t Credit(int m, int s) const;           // low byte of the credit word
    std::uint8_t PioneerByte(int m, int s) const;      // the whole byte
    int PioneerStatus(int m, int s) const { return PioneerByte(m, s) & STATUS_MASK; }
    int Appointment() const;                           // low 2 bits
    int Group() const;                                 // signed byte

    // Writes the report of month m, slot s: fields 0..3 cut to 16 bits, the field-4 word of
    // quarters, studies and the participation bit (bit 10 clear), the auxiliary-pioneer bit of a
    // publisher or auxiliary pioneer (regular and special pioneers keep their status, every
    // status keeps its upper 6 bits) and the credit word.
    void StoreMonth(int m, int s, const MonthEntry& entry);

private:
    std::uint16_t Word(int triple, int s) const;
    void SetWord(int triple, int s, unsigned value);

    std::array<std::uint8_t, RECORD_SIZE> m_bytes{};
};

} // namespace vak
