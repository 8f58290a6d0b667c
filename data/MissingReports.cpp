// The list of publishers whose report is missing.
#include "data/MissingReports.h"

#include "data/GroupData.h"
#include "data/PublisherName.h"
#include "res/StringTable.h"

#include <algorithm>

namespace vak {

namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

} // namespace

bool TrimAndCheckEmail(std::string& address)
{
    const auto first = std::find_if_not(address.begin(), address.end(), IsSpace);
    const auto last = std::find_if_not(address.rbegin(), address.rend(), IsSpace).base();
    address = first < last ? std::string(first, last) : std::string();

    const std::size_t at = address.find('@');
    if (at == std::string::npos || at == 0)
        return false;
    return address.find('.', at + 1) != std::string::npos;
}

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
