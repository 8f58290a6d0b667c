// Loading, saving and scrambling of the group file, and the accessors of the loaded group.
#include "data/GroupData.h"

#include "data/Cp1250.h"
#include "data/FilePath.h"
#include "res/StringTable.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <new>

namespace vak {

namespace {

// Length of the zero-terminated text at `text`, looking at no more than `limit` bytes.
std::size_t BoundedLength(const std::uint8_t* text, std::size_t limit)
{
    const auto* end = std::find(text, text + limit, std::uint8_t{0});
    return static_cast<std::size_t>(end - text);
}

std::string TextAt(const std::uint8_t* text, std::size_t limit)
{
    return Cp1250ToUtf8(std::string_view(reinterpret_cast<const char*>(text), BoundedLength(text, limit)));
}

// A valid secretary address has an "@" that is not its first character.
bool IsValidSecretaryMail(const std::string& address)
{
    const auto at = address.find('@');
    return at != std::string::npos && at != 0;
}

} // namespace

CGroupData::CGroupData(MessageSink& messages)
    : m_messages(messages)
{
    InitReportMonth(LocalToday());
}

void CGroupData::InitReportMonth(CivilDate today)
{
    m_today = today;
    const ReportMonthState state = ReportMonthFromClock(today);
    m_nMonth = m_nClockMonth = state.month;
    m_nYear = state.year;
    m_nYearSlot = state.yearSlot;
    m_nMonthIndex = state.monthIndex;
    m_bNewForm = state.newForm;
}

// ---- Loading and saving ---------------------------------------------------------------------

bool CGroupData::LoadGroupFile(const std::string& path)
{
    m_nPublishers = 0;
    m_nNotes = 0;
    if (m_bLoaded)
        FreeGroupData();

    std::vector<std::uint8_t> bytes;
    FileStamp stamp;
    if (!ReadFileStart(path, GROUP_FILE_MAX_BYTES, bytes, stamp, m_loadError)) {
        m_loadStatus = LoadStatus::NotOpened;
        return true;
    }
    if (!LoadGroupBytes(bytes, path))
        return false;
    if (m_nPublishers != 0) {
        m_strPath = path;
        m_loadedStamp = stamp;  // the state of the file the group will be saved to
    }
    return true;
}

bool CGroupData::LoadGroupBytes(std::span<const std::uint8_t> bytes, const std::string& path)
{
    m_nPublishers = 0;
    m_nNotes = 0;
    if (m_bLoaded)
        FreeGroupData();
    std::uint8_t header[RECORD_SIZE] = {};
    std::memcpy(header, bytes.data(), std::min(bytes.size(), RECORD_SIZE));

    const auto count = static_cast<std::int8_t>(header[HDR_PUBLISHERS]);
    const int month = header[HDR_MONTH];
    // A negative count or a month past December would address memory outside the group.
    if (count < 0 || month >= MONTHS) {
        RefuseFile(path);
        return true;
    }
    m_nPublishers = static_cast<std::uint16_t>(count);
    m_nGroup = header[HDR_GROUP];
    m_nNotes = ReadWord(header, HDR_NOTES);
    ApplyFileMonth(month);

    const std::string secretary = TextAt(header + HDR_SECRETARY_MAIL, RECORD_SIZE - HDR_SECRETARY_MAIL);
    m_strSecretaryMail = IsValidSecretaryMail(secretary) ? secretary : std::string();

    if (!AllocGroupData()) {
        m_nPublishers = 0;
        m_nNotes = 0;
        m_loadStatus = LoadStatus::LowMemory;
        m_messages.Show(TEXT_LOW_MEMORY, MsgButtons::Ok, MsgIcon::Error);
        return false;
    }
    std::memcpy(m_pRecords.data(), header, RECORD_SIZE);
    CopyGroupBytes(bytes);

    if (m_nPublishers != 0)
        ScrambleAll(STEP_UNSCRAMBLE);
    m_bEntered = false;
    m_loadStatus = LoadStatus::Loaded;
    return true;
}

void CGroupData::ApplyFileMonth(int month)
{
    const ReportMonthState state = ReportMonthForFile(month, m_today);
    m_nMonth = state.month;
    m_nYear = state.year;
    m_nYearSlot = state.yearSlot;
    m_nMonthIndex = state.monthIndex;
    m_bNewForm = state.newForm;
}

void CGroupData::CopyGroupBytes(std::span<const std::uint8_t> bytes)
{
    // Records and notes the file does not hold stay all zero; a last one cut short is kept as
    // far as it goes.
    std::size_t offset = RECORD_SIZE;
    const auto copy = [&](std::uint8_t* into, std::size_t size) {
        if (offset >= bytes.size())
            return false;
        const std::size_t got = std::min(size, bytes.size() - offset);
        std::memcpy(into, bytes.data() + offset, got);
        offset += got;
        return true;
    };
    for (int p = 1; p <= m_nPublishers; ++p)
        if (!copy(Record(p), RECORD_SIZE))
            return;
    for (int n = 0; n < m_nNotes; ++n)
        if (!copy(NoteRecord(n), NOTE_SIZE))
            return;
}

void CGroupData::RefuseFile(const std::string& path)
{
    m_nPublishers = 0;
    m_nNotes = 0;
    m_loadStatus = LoadStatus::Refused;
    m_messages.Show(FormatText(ResString(IDS_FILE_INVALID), path), MsgButtons::Ok, MsgIcon::Warning);
}

bool CGroupData::SaveGroupFile(const std::string& path, std::error_code* reason)
{
    if (m_nPublishers < 2) {
        m_messages.Show(TEXT_GROUP_TOO_SMALL, MsgButtons::Ok, MsgIcon::Warning);
        return false;
    }
    if (!WriteGroupFile(path, reason)) {
        ShowCreateError(path);
        return false;
    }
    return true;
}

bool CGroupData::WriteGroupFile(const std::string& path, std::error_code* reason)
{
    WriteWord(Record(0), HDR_NOTES, m_nNotes);
    // The group file is written where its link leads; a link at any other name (the report
    // file, a kept copy) may have been planted there and is replaced, never written through.
    const LinkAtName links = path == m_strPath ? LinkAtName::Follow : LinkAtName::Replace;
    if (!WriteFileSafely(path, BuildFileBytes(), reason, links))
        return false;
    if (path == m_strPath) {
        m_loadedStamp = StampOf(path, GROUP_FILE_MAX_BYTES);
        m_bEntered = false;
    }
    return true;
}

std::vector<std::uint8_t> CGroupData::BuildFileBytes() const
{
    const std::size_t recordBytes = RECORD_SIZE * (m_nPublishers + 1u);
    std::vector<std::uint8_t> bytes(recordBytes + NOTE_SIZE * m_nNotes);
    std::memcpy(bytes.data(), m_pRecords.data(), recordBytes);
    WriteWord(bytes.data(), HDR_NOTES, m_nNotes);
    for (int p = 1; p <= m_nPublishers; ++p)
        ScrambleRecord(STEP_SCRAMBLE, bytes.data() + RECORD_SIZE * static_cast<std::size_t>(p));
    if (m_nNotes != 0)
        std::memcpy(bytes.data() + recordBytes, m_pNotes.data(), NOTE_SIZE * m_nNotes);
    return bytes;
}

void CGroupData::ShowCreateError(const std::string& path)
{
    namespace fs = std::filesystem;
    std::string shown = path;
    std::error_code error;
    if (PathFromUtf8(path).is_relative()) {
        const fs::path current = fs::current_path(error);
        if (!error)
            shown = Utf8FromPath(current / PathFromUtf8(path));
    }
    m_messages.Show(FormatText(ResString(IDS_CREATE_ERROR), shown), MsgButtons::Ok, MsgIcon::Warning);
}

bool CGroupData::FileChangedSinceLoad() const
{
    return StampOf(m_strPath, GROUP_FILE_MAX_BYTES) != m_loadedStamp;
}

bool CGroupData::FileReplacedSinceLoad() const
{
    const FileStamp now = StampOf(m_strPath, GROUP_FILE_MAX_BYTES);
    return now.exists && m_loadedStamp.exists && now.identity != m_loadedStamp.identity;
}

bool CGroupData::AllocGroupData()
{
    try {
        m_pRecords.assign(RECORD_SIZE * (m_nPublishers + 1u), 0);
        const std::size_t noteRoom = std::max<std::size_t>(m_nNotes + std::size_t{NOTE_ROOM_EXTRA}, NOTE_ROOM_MIN);
        m_pNotes.assign(NOTE_SIZE * noteRoom, 0);
    } catch (const std::bad_alloc&) {
        FreeGroupData();
        return false;
    }
    m_bLoaded = true;
    return true;
}

void CGroupData::FreeGroupData()
{
    std::vector<std::uint8_t>().swap(m_pRecords);
    std::vector<std::uint8_t>().swap(m_pNotes);
    m_nPublishers = 0;
    m_nNotes = 0;
    m_bLoaded = false;
}

void CGroupData::ScrambleAll(std::uint8_t step)
{
    for (int p = 1; p <= m_nPublishers; ++p)
        ScrambleRecord(step, Record(p));
}

void CGroupData::ScrambleRecord(std::uint8_t step, std::uint8_t* record)
{
    for (const std::size_t terminator : FORCED_TERMINATORS)
        record[terminator] = 0;
    for (const ScrambledField& field : SCRAMBLED_FIELDS) {
        std::uint8_t* text = record + field.offset;
        // The length is measured once: bytes that become 0 do not end the field early. A text
        // without a zero byte runs on into the next field, but never past the record.
        const std::size_t length = BoundedLength(text, RECORD_SIZE - field.offset);
        for (std::size_t i = 0; i < length; ++i) {
            const bool exempt = text[i] == SCRAMBLE_EXEMPT &&
                                (field.mode == ScrambleMode::A ||
                                 (field.mode == ScrambleMode::B && i <= MODE_B_EXEMPT_LAST));
            if (!exempt)
                text[i] = static_cast<std::uint8_t>(text[i] + step * (i + 52));
        }
    }
}

// ---- Reports and notes ----------------------------------------------------------------------

std::uint16_t CGroupData::GetMonthValue(int p, int m, int s, int field) const
{
    if (field == FIELD_STUDIES)
        return GetField4Word(p, m, s) & STUDIES_MASK;
    return ReadWord(m_pRecords.data(), WordOffset(p, TRIPLE_VALUES + 12 * field + m, s));
}

std::uint16_t CGroupData::GetField4Word(int p, int m, int s) const
{
    return ReadWord(m_pRecords.data(), WordOffset(p, TRIPLE_FIELD4 + m, s));
}

std::uint16_t CGroupData::GetNoteSlot(int p, int m, int s) const
{
    return ReadWord(m_pRecords.data(), WordOffset(p, TRIPLE_NOTE_SLOT + m, s));
}

void CGroupData::SetNoteSlot(int p, int m, int s, std::uint16_t n)
{
    WriteWord(m_pRecords.data(), WordOffset(p, TRIPLE_NOTE_SLOT + m, s), n);
}

std::uint8_t CGroupData::GetCredit(int p, int m, int s) const
{
    return m_pRecords[WordOffset(p, TRIPLE_CREDIT + m, s)];
}

int CGroupData::GetPioneerStatus(int p, int m, int s) const
{
    return Record(p)[OFS_PIONEER + static_cast<std::size_t>(3 * m + s)] & 3;
}

int CGroupData::GetAppointment(int p) const
{
    return Record(p)[OFS_APPOINTMENT] & 3;
}

int CGroupData::GetPublisherGroup(int p) const
{
    return static_cast<std::int8_t>(Record(p)[OFS_PUBLISHER_GROUP]);
}

std::uint8_t CGroupData::GetLateByte(int p, int m) const
{
    return Record(p)[LateMarkOffset(m)];
}

int CGroupData::GetNote(int p, int m, int s, std::string& text) const
{
    text.clear();
    const int n = GetNoteSlot(p, m, s);
    if (n < 1 || n > m_nNotes)
        return 0;
    text = TextAt(NoteRecord(n - 1), NOTE_SIZE);
    return n;
}

// A note number is taken only for a text that is stored: a new one while the table has room,
// else a free record (empty, linked by no month), such as a number an earlier version reserved
// and left. The number NOTES_FULL and those after it never carry text.
int CGroupData::TakeNoteNumber()
{
    if (m_nNotes + 1 < NOTES_FULL) {
        ++m_nNotes;
        std::memset(NoteRecord(m_nNotes - 1), 0, NOTE_SIZE);
        return m_nNotes;
    }
    for (int n = 1; n <= LastTextNote(); ++n)
        if (IsNoteFree(n))
            return n;
    return 0;
}

int CGroupData::LastTextNote() const
{
    return std::min<int>(m_nNotes, NOTES_FULL - 1);
}

bool CGroupData::IsNoteFree(int n) const
{
    return NoteRecord(n - 1)[0] == 0 && !IsNoteLinked(n);
}

// Whether any month of any publisher, in any year slot, refers to note number n.
bool CGroupData::IsNoteLinked(int n) const
{
    for (int p = 1; p <= m_nPublishers; ++p)
        for (int m = 0; m < MONTHS; ++m)
            for (int s = 0; s < YEAR_SLOTS; ++s)
                if (GetNoteSlot(p, m, s) == n)
                    return true;
    return false;
}

// The month lets go of its note; a record no month links any more is erased, so that a deleted
// note does not travel to the secretary and its record is free again.
void CGroupData::UnlinkNote(int p, int m, int s)
{
    const int n = GetNoteSlot(p, m, s);
    if (n == 0)
        return;
    SetNoteSlot(p, m, s, 0);
    m_bEntered = true;
    if (n <= m_nNotes && !IsNoteLinked(n))
        std::memset(NoteRecord(n - 1), 0, NOTE_SIZE);
}

int CGroupData::PutNote(int p, int m, int s, int n, const std::string& typed)
{
    const std::string text = StoredNoteText(typed);
    if (text.empty()) {
        UnlinkNote(p, m, s);
        return 0;
    }
    // The month's own note is rewritten where it is, as is a free record the caller names (the
    // month's note cleared and typed again); otherwise the text gets a number now.
    const bool inPlace = n >= 1 && n <= LastTextNote() && (GetNoteSlot(p, m, s) == n || IsNoteFree(n));
    if (!inPlace)
        n = TakeNoteNumber();
    if (n == 0) {
        // The month keeps the note it had; the caller keeps the typed text for the user.
        m_messages.Show(TEXT_NOTES_FULL, MsgButtons::Ok, MsgIcon::Warning);
        return 0;
    }
    const std::string bytes = Utf8ToCp1250(text);
    std::uint8_t* note = NoteRecord(n - 1);
    std::memset(note, 0, NOTE_TEXT_LEN + 1);
    std::memcpy(note, bytes.data(), bytes.size());
    const int previous = GetNoteSlot(p, m, s);
    if (previous != n)
        UnlinkNote(p, m, s);
    SetNoteSlot(p, m, s, static_cast<std::uint16_t>(n));
    m_bEntered = true;
    return 1;
}

std::string StoredNoteText(std::string_view typed)
{
    const std::size_t first = typed.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return Cp1250ToUtf8(Utf8ToCp1250(std::string(typed.substr(first))).substr(0, NOTE_TEXT_LEN));
}

void CGroupData::SetLateMark(int p, int m)
{
    Record(p)[LateMarkOffset(m)] = 1;
}

bool CGroupData::HasLateMark(int p, int m) const
{
    return GetLateByte(p, m) == 1;
}

bool CGroupData::HasServiceTime(int p, int m, int s) const
{
    return GetMonthValue(p, m, s, FIELD_HOURS) != 0 || (GetField4Word(p, m, s) >> QUARTERS_SHIFT) != 0;
}

bool CGroupData::HasReport(int p, int m, int s) const
{
    return HasServiceTime(p, m, s) || (GetField4Word(p, m, s) & PARTICIPATION_BIT) != 0;
}

bool CGroupData::IsReportMissing(int p, int m, int s) const
{
    return !HasReport(p, m, s) && GetNoteSlot(p, m, s) == 0;
}

// ---- Text fields ----------------------------------------------------------------------------

std::string CGroupData::ShownName(int p, NameForm form, std::string_view language) const
{
    return ShownOnOneLine(FormatPublisherName(GetFirstName(p), GetSurname(p), form, language));
}

std::string CGroupData::ReadText(int p, std::size_t offset, std::size_t limit) const
{
    return TextAt(Record(p) + offset, limit);
}

void CGroupData::WriteText(int p, std::size_t offset, std::size_t width, const std::string& text)
{
    std::string bytes = Utf8ToCp1250(text);
    bytes.resize(std::min(bytes.size(), width - 1));
    std::uint8_t* field = Record(p) + offset;
    std::memset(field, 0, width);
    std::memcpy(field, bytes.data(), bytes.size());
}

std::string CGroupData::GetFirstName(int p) const { return ReadText(p, OFS_FIRST_NAME, NAME_WIDTH); }
std::string CGroupData::GetSurname(int p) const { return ReadText(p, OFS_SURNAME, NAME_WIDTH); }
std::string CGroupData::GetEmail(int p) const { return ReadText(p, OFS_EMAIL, EMAIL_WIDTH); }

std::string CGroupData::GetPhone(int p, int index) const
{
    const std::size_t offset = PHONE_OFFSETS[index];
    return ReadText(p, offset, RECORD_SIZE - offset);
}

void CGroupData::SetFirstName(int p, const std::string& text) { WriteText(p, OFS_FIRST_NAME, NAME_WIDTH, text); }
void CGroupData::SetSurname(int p, const std::string& text) { WriteText(p, OFS_SURNAME, NAME_WIDTH, text); }
void CGroupData::SetEmail(int p, const std::string& text) { WriteText(p, OFS_EMAIL, EMAIL_WIDTH, text); }

void CGroupData::SetPhone(int p, int index, const std::string& text)
{
    WriteText(p, PHONE_OFFSETS[index], PHONE_WIDTH, text);
}

std::string CGroupData::HeaderSecretaryMail() const
{
    if (!m_bLoaded)
        return {};
    return TextAt(Record(0) + HDR_SECRETARY_MAIL, RECORD_SIZE - HDR_SECRETARY_MAIL);
}

// ---- Raw records ----------------------------------------------------------------------------

std::uint8_t* CGroupData::Record(int p)
{
    return m_pRecords.data() + RECORD_SIZE * static_cast<std::size_t>(p);
}

const std::uint8_t* CGroupData::Record(int p) const
{
    return m_pRecords.data() + RECORD_SIZE * static_cast<std::size_t>(p);
}

std::uint8_t* CGroupData::NoteRecord(int n)
{
    return m_pNotes.data() + NOTE_SIZE * static_cast<std::size_t>(n);
}

const std::uint8_t* CGroupData::NoteRecord(int n) const
{
    return m_pNotes.data() + NOTE_SIZE * static_cast<std::size_t>(n);
}

int CGroupData::NoteCapacity() const
{
    return static_cast<int>(m_pNotes.size() / NOTE_SIZE);
}

} // namespace vak
