// The loaded group: the record buffer and note table of a group file, the report-month state,
// loading and saving, and the accessors through which the windows read and change reports.
#pragma once

#include "data/GroupFormat.h"
#include "data/PublisherName.h"
#include "data/ReportMonth.h"
#include "data/SafeFile.h"
#include "res/Messages.h"

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace vak {

// How the last LoadGroupFile ended.
enum class LoadStatus {
    Loaded,     // the file was read (it may hold zero publishers)
    NotOpened,  // the file could not be opened: empty group, no message
    Refused,    // the file is not a valid group file: empty group, message shown
    LowMemory,  // the buffers could not be allocated: empty group, "Low Memory" shown
};

// A typed note as the note table keeps it: without its leading blanks, cut to 36 characters.
std::string StoredNoteText(std::string_view typed);

class CGroupData {
public:
    // Messages (low memory, note table full, save refusal and errors) go to `messages`.
    explicit CGroupData(MessageSink& messages);
    virtual ~CGroupData() = default;
    CGroupData(const CGroupData&) = delete;
    CGroupData& operator=(const CGroupData&) = delete;

    // Start-up report month from the clock's date: sets m_nMonth, m_nClockMonth, m_nYear,
    // m_nYearSlot, m_nMonthIndex and m_bNewForm, and remembers `today` for loading.
    void InitReportMonth(CivilDate today);

    // Loading and saving.
    bool LoadGroupFile(const std::string& path);
    // Loads the group from the bytes of a group file (as LoadGroupFile does with the file it
    // reads); `path` only names the file in a refusal.
    bool LoadGroupBytes(std::span<const std::uint8_t> bytes, const std::string& path);
    // Sets the report month to `month` (0..11) as loading a file of that month does: the year
    // is the latest in which it is not after the clock's month, with its slot, index and form.
    void ApplyFileMonth(int month);
    // Writes the group to `path`; on failure shows the create error and, when `reason` is
    // given, leaves the system's reason there.
    bool SaveGroupFile(const std::string& path, std::error_code* reason = nullptr);
    // The writing of SaveGroupFile without its refusal and messages: false when `path` could
    // not be written (the previous file is then intact).
    bool WriteGroupFile(const std::string& path, std::error_code* reason = nullptr);
    bool AllocGroupData();
    void FreeGroupData();
    void ScrambleAll(std::uint8_t step);
    static void ScrambleRecord(std::uint8_t step, std::uint8_t* record);
    // The complete file bytes of the loaded group as SaveGroupFile writes them (scrambled copy).
    std::vector<std::uint8_t> BuildFileBytes() const;
    // The create-error message (text 1231) for `path`.
    void ShowCreateError(const std::string& path);
    // Whether the loaded file changed on disk (size, modification time or content) since it was
    // loaded or last saved there.
    bool FileChangedSinceLoad() const;
    // Whether the path now leads to another file than the one loaded or last saved there (a
    // link planted at its name, another file moved there).
    bool FileReplacedSinceLoad() const;
    // Reports and notes.
    std::uint16_t GetMonthValue(int p, int m, int s, int field) const;
    // The note text of the month (empty when it has none) and its note number, or 0.
    int GetNote(int p, int m, int s, std::string& text) const;
    // Stores `text` as StoredNoteText keeps it, as the month's note: into note n when that is
    // the month's own note or a free record, otherwise under a number taken now (a new one, or
    // a free record once the table is full), and links the month to it. Returns 1 when stored.
    // A text of blanks only clears the month's note (a record no month links any more is
    // erased) and returns 0; a text for which no note number is left returns 0 after "Mimo
    // prostor pro poznámky", the month keeping its note.
    int PutNote(int p, int m, int s, int n, const std::string& text);
    void SetLateMark(int p, int m);
    bool HasLateMark(int p, int m) const;
    bool HasServiceTime(int p, int m, int s) const;
    bool HasReport(int p, int m, int s) const;
    bool IsReportMissing(int p, int m, int s) const;

    // Raw words and bytes of a publisher's month and record.
    std::uint16_t GetField4Word(int p, int m, int s) const;
    std::uint16_t GetNoteSlot(int p, int m, int s) const;
    std::uint8_t GetCredit(int p, int m, int s) const;   // low byte of the credit word
    int GetPioneerStatus(int p, int m, int s) const;     // low 2 bits
    int GetAppointment(int p) const;                     // low 2 bits
    int GetPublisherGroup(int p) const;                  // signed byte 181
    std::uint8_t GetLateByte(int p, int m) const;
    void SetNoteSlot(int p, int m, int s, std::uint16_t n);

    // Publisher p's name as the windows and the sheet show it: FormatPublisherName on one line.
    std::string ShownName(int p, NameForm form, std::string_view language) const;

    // Text fields as UTF-8, read up to their zero byte (a telephone text may run on into the
    // next field, never beyond its record).
    std::string GetFirstName(int p) const;
    std::string GetSurname(int p) const;
    std::string GetEmail(int p) const;
    std::string GetPhone(int p, int index) const;  // index 0..2
    // Text fields set from UTF-8, cut to the field's room and zero-terminated within it.
    void SetFirstName(int p, const std::string& text);
    void SetSurname(int p, const std::string& text);
    void SetEmail(int p, const std::string& text);
    void SetPhone(int p, int index, const std::string& text);

    // The whole 816-byte record of publisher p (p = 0 is the header).
    std::uint8_t* Record(int p);
    const std::uint8_t* Record(int p) const;
    std::uint8_t* NoteRecord(int n);               // n is the 0-based index in the table
    const std::uint8_t* NoteRecord(int n) const;
    int NoteCapacity() const;                      // note records the buffer has room for

    // Secretary's address as stored in the header, whether valid or not.
    std::string HeaderSecretaryMail() const;

    // Group data.
    std::vector<std::uint8_t> m_pRecords;  // N + 1 records; publishers held unscrambled
    std::vector<std::uint8_t> m_pNotes;    // note records, room for M + 100 and at least 255
    std::uint16_t m_nPublishers = 0;
    std::uint16_t m_nNotes = 0;
    std::uint8_t m_nGroup = 0;
    bool m_bLoaded = false;
    std::string m_strPath;
    std::string m_strSecretaryMail;

    // Report-month state.
    std::uint8_t m_nMonth = 0;
    std::uint8_t m_nClockMonth = 0;
    std::uint8_t m_nYear = 0;
    std::uint8_t m_nYearSlot = 0;
    std::uint16_t m_nMonthIndex = 0;
    bool m_bNewForm = false;

    // Set when reports or notes were entered since loading or saving; only then is the file written.
    bool m_bEntered = false;
    LoadStatus m_loadStatus = LoadStatus::NotOpened;
    std::error_code m_loadError;  // why the last file could not be opened

protected:
    MessageSink& Messages() { return m_messages; }

private:
    std::string ReadText(int p, std::size_t offset, std::size_t limit) const;
    void WriteText(int p, std::size_t offset, std::size_t width, const std::string& text);
    void CopyGroupBytes(std::span<const std::uint8_t> bytes);
    void RefuseFile(const std::string& path);
    int TakeNoteNumber();
    int LastTextNote() const;   // the highest note number that may carry text
    bool IsNoteFree(int n) const;
    bool IsNoteLinked(int n) const;
    void UnlinkNote(int p, int m, int s);

    MessageSink& m_messages;
    CivilDate m_today;
    FileStamp m_loadedStamp;
};

} // namespace vak
