// Who has not reported for the report month: the publishers the reminder dialog lists and
// `vak-cli missing` prints, with the address a reminder may go to and the numbers to call.
#pragma once

#include <string>
#include <vector>

namespace vak {

class CGroupData;

struct MissingPublisher {
    int publisher = 0;                // record number 1..N
    std::string name;                 // list form, "Novák, Jiří"
    std::string email;                // the reminder address, "" when there is none
    std::vector<std::string> phones;  // the valid numbers, in record order
};

// Removes white space from both ends of `address` and tells whether it looks like an address:
// an "@" that is not the first character, with a "." somewhere after it.
bool TrimAndCheckEmail(std::string& address);

// The address a reminder for the report month may go to: the publisher's e-mail, trimmed,
// while the report is missing and the address looks like one; "" otherwise.
std::string ReminderAddress(const CGroupData& group, int p);

// Every publisher whose report of the report month is missing, in publisher order.
std::vector<MissingPublisher> MissingPublishers(const CGroupData& group);

// One line of the list: "Novák, Jiří - jiri@example.cz - 602 111 222, 485 300 128", with
// "bez e-mailu" in place of a missing address and nothing for missing numbers.
std::string MissingLine(const MissingPublisher& missing);

} // namespace vak
