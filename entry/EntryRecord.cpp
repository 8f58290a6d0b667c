// The entry dialog's working copy of a publisher record.
#include "entry/EntryRecord.h"

#include <algorithm>

namespace vak {

CEntryRecord::CEntryRecord(const std::uint8_t* record)
{
    std::copy_n(record, RECORD_SIZE, m_bytes.begin());
}

std::uint16_t CEntryRecord::Word(int triple, int s) const
{
    return ReadWord(m_bytes.data(), WordOffset(0, triple, s));
}

void CEntryRecord::SetWord(int triple, int s, unsigned value)
{
    WriteWord(m_bytes.data(), WordOffset(0, triple, s), static_cast<std::uint16_t>(value & 0xFFFF));
}

std::uint16_t CEntryRecord::Value(int field, int m, int s) const
{
    return Word(TRIPLE_VALUES + MONTHS * field + m, s);
}

std::uint16_t CEntryRecord::Field4(int m, int s) const
{
    return Word(TRIPLE_FIELD4 + m, s);
}

std::uint16_t CEntryRecord::NoteSlot(int m, int s) const
{
    return Word(TRIPLE_NOTE_SLOT + m, s);
}

void CEntryRecord::SetNoteSlot(int m, int s, std::uint16_t n)
{
    SetWord(TRIPLE_NOTE_SLOT + m, s, n);
}

std::uint8_t CEntryRecord::Credit(int m, int s) const
{
    return static_cast<std::uint8_t>(Word(TRIPLE_CREDIT + m, s) & 0xFF);
}

std::uint8_t CEntryRecord::PioneerByte(int m, int s) const
{
    return m_bytes[PioneerOffset(m, s)];
}

int CEntryRecord::Appointment() const
{
    return m_bytes[OFS_APPOINTMENT] & STATUS_MASK;
}

int CEntryRecord::Group() const
{
    return static_cast<std::int8_t>(m_bytes[OFS_PUBLISHER_GROUP]);
}

void CEntryRecord::StoreMonth(int m, int s, const MonthEntry& entry)
{
    SetWord(TRIPLE_VALUES + MONTHS * FIELD_PUBLICATIONS + m, s, entry.publications);
    SetWord(TRIPLE_VALUES + MONTHS * FIELD_VIDEOS + m, s, entry.videos);
    SetWord(TRIPLE_VALUES + MONTHS * FIELD_HOURS + m, s, entry.hours);
    SetWord(TRIPLE_VALUES + MONTHS * FIELD_RETURN_VISITS + m, s, entry.returnVisits);
    const unsigned field4 = ((entry.quarters << QUARTERS_SHIFT) | (entry.studies & STUDIES_MASK)) |
                            (entry.participation ? PARTICIPATION_BIT : 0u);
    SetWord(TRIPLE_FIELD4 + m, s, field4);

    std::uint8_t& status = m_bytes[PioneerOffset(m, s)];
    if ((status & STATUS_MASK) < STATUS_REGULAR)
        status = static_cast<std::uint8_t>((status & ~STATUS_MASK) | (entry.auxPioneer ? STATUS_AUXILIARY : STATUS_PUBLISHER));
    SetWord(TRIPLE_CREDIT + m, s, entry.credit);
}

} // namespace vak
