// A publisher's display name (list form "Surname, First name", caption form by language), which
// of the publisher's telephone texts count as numbers, and file texts as shown on one line.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vak {

enum class NameForm { List, Caption };

// List form, and caption form for the language code "cz": "surname, first name".
// Caption form for any other language: "first name surname".
std::string FormatPublisherName(std::string_view firstName, std::string_view surname, NameForm form,
                                std::string_view language);

// A text from the group file as shown on one line (a list row, a caption, the printed sheet): a
// line break (CR, LF or both) shows as "␤", any other control character as "?", so that a
// row never breaks and nothing is hidden.
std::string ShownOnOneLine(std::string_view text);

inline constexpr std::size_t SHORTEST_INVALID_PHONE = 5;  // a number needs more characters

// Whether a telephone text counts as a number: more than 5 characters as stored in the file.
bool IsValidPhone(const std::string& phone);

// The publisher's telephone texts gathered as the contact state keeps them: the valid numbers
// in order at the front, each following text written into the next free entry. Returns how
// many are valid; the entries beyond that are not meaningful.
std::uint8_t GatherValidPhones(const std::array<std::string, 3>& phones, std::array<std::string, 3>& gathered);

// The first (or, with `second`, the second) valid number of the three telephone texts, or "".
std::string ContactPhone(const std::array<std::string, 3>& phones, bool second);

} // namespace vak
