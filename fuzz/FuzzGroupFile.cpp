// libFuzzer target: loads arbitrary bytes as a group file, reads every value of every publisher
// and month, reserves and stores notes, and builds the bytes a save writes, all in memory.
#include "data/GroupData.h"
#include "fuzz/FuzzedGroup.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

namespace {

// Touches every accessor so that the sanitizers see every read the windows could make: the
// texts and notes of every publisher (what they read depends on the bytes), the values of every
// month on the first and last publisher and of the report month on all (their offsets do not).
std::size_t ReadEverything(vak::CGroupData& group)
{
    std::size_t sum = group.m_strSecretaryMail.size() + group.HeaderSecretaryMail().size();
    std::string text;
    for (int p = 1; p <= group.m_nPublishers; ++p) {
        sum += group.GetFirstName(p).size() + group.GetSurname(p).size() + group.GetEmail(p).size();
        for (int i = 0; i < 3; ++i)
            sum += group.GetPhone(p, i).size();
        sum += static_cast<std::size_t>(group.GetAppointment(p) + group.GetPublisherGroup(p));
        for (int m = 0; m < vak::MONTHS; ++m) {
            sum += group.HasLateMark(p, m);
            for (int s = 0; s < 2; ++s) {
                sum += static_cast<std::size_t>(group.GetNote(p, m, s, text)) + text.size();
                if (p != 1 && p != group.m_nPublishers && m != group.m_nMonth)
                    continue;
                for (int field = 0; field <= vak::FIELD_STUDIES; ++field)
                    sum += group.GetMonthValue(p, m, s, field);
                sum += group.HasServiceTime(p, m, s) + group.HasReport(p, m, s) + group.IsReportMissing(p, m, s);
                sum += static_cast<std::size_t>(group.GetPioneerStatus(p, m, s)) + group.GetCredit(p, m, s);
            }
        }
    }
    return sum;
}

void ChangeSomething(vak::CGroupData& group)
{
    if (group.m_nPublishers == 0)
        return;
    std::string text;
    const int month = group.m_nMonth;
    const int n = group.GetNote(1, month, group.m_nYearSlot, text);
    group.PutNote(1, month, group.m_nYearSlot, n, "Žádná zpráva, nemoc");
    group.SetLateMark(group.m_nPublishers, 11 - month);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vak::fuzz::FuzzedGroup fuzzed(std::span(data, size));
    vak::CGroupData& group = fuzzed.group;
    volatile std::size_t sink = ReadEverything(group);
    (void)sink;
    if (!group.m_bLoaded)
        return 0;  // a refused file: nothing is kept to be saved
    ChangeSomething(group);
    // A save writes the header, every publisher record and every note record, nothing else.
    const std::vector<std::uint8_t> saved = group.BuildFileBytes();
    if (saved.size() != vak::RECORD_SIZE * (group.m_nPublishers + 1u) + vak::NOTE_SIZE * group.m_nNotes)
        std::abort();
    return 0;
}
