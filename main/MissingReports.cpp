// The list of publishers whose report is missing.
#include "main/MissingReports.h"

#include "data/GroupData.h"
#include "data/PublisherName.h"
#include "main/MainRules.h"
#include "res/StringTable.h"

namespace vak {

std::string ReminderAddress(const CGroupData& group, int p)
{
    std::string address = group.IsReportMissing(p, group.m_nMonth, group.m_nYearSlot) ? group.GetEmail(p) : std::string();
    return TrimAndCheckEmail(address) ? address : std::string();
}

std::vector<MissingPublisher> MissingPublishers(const CGroupData& group)
{
    std::vector<MissingPublisher> missing;
    for (int p = 1; p <= group.m_nPublishers; ++p) {
        if (!group.IsReportMissing(p, group.m_nMonth, group.m_nYearSlot))
            continue;
        std::array<std::string, 3> phones;
        const int valid = GatherValidPhones({group.GetPhone(p, 0), group.GetPhone(p, 1), group.GetPhone(p, 2)}, phones);
        missing.push_back({p, FormatPublisherName(group.GetFirstName(p), group.GetSurname(p), NameForm::List, ""),
                           ReminderAddress(group, p), {phones.begin(), phones.begin() + valid}});
    }
    return missing;
}

std::string MissingLine(const MissingPublisher& missing)
{
    std::string line = missing.name + " - " + (missing.email.empty() ? ResString(IDS_NO_EMAIL) : missing.email);
    for (std::size_t i = 0; i < missing.phones.size(); ++i)
        line += (i == 0 ? " - " : ", ") + missing.phones[i];
    return ShownOnOneLine(line);
}

} // namespace vak
