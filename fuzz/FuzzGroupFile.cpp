// libFuzzer target: loads arbitrary bytes as a group file, reads every value of every publisher
// and month, reserves and stores notes, and saves the group again.
#include "data/GroupData.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

class SilentSink : public vak::MessageSink {
public:
    vak::MsgAnswer Show(const std::string&, vak::MsgButtons, vak::MsgIcon) override { return vak::MsgAnswer::No; }
};

const std::string& ScratchPath(const char* suffix)
{
    static const std::string base = "/tmp/vak-fuzz-" + std::to_string(getpid());
    static std::string path;
    path = base + suffix;
    return path;
}

// Touches every accessor so that the sanitizers see every read the windows could make.
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
                for (int field = 0; field <= vak::FIELD_STUDIES; ++field)
                    sum += group.GetMonthValue(p, m, s, field);
                sum += group.HasServiceTime(p, m, s) + group.HasReport(p, m, s) + group.IsReportMissing(p, m, s);
                sum += static_cast<std::size_t>(group.GetPioneerStatus(p, m, s)) + group.GetCredit(p, m, s);
                sum += static_cast<std::size_t>(group.GetNote(p, m, s, text)) + text.size();
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
    const std::string input = ScratchPath(".t09");
    std::FILE* file = std::fopen(input.c_str(), "wb");
    if (file == nullptr)
        return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    SilentSink messages;
    vak::CGroupData group(messages);
    group.InitReportMonth({2026, 12, 8});
    group.LoadGroupFile(input);
    volatile std::size_t sink = ReadEverything(group);
    (void)sink;
    ChangeSomething(group);
    const std::string output = ScratchPath(".t19");
    group.SaveGroupFile(output);
    group.FreeGroupData();
    // Nothing of a run stays behind in the temporary folder.
    std::remove(input.c_str());
    std::remove(output.c_str());
    return 0;
}
