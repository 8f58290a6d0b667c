// A publisher's display name: list form "Surname, First name", caption form by language.
#pragma once

#include <string>
#include <string_view>

namespace vak {

enum class NameForm { List, Caption };

// List form, and caption form for the language code "cz": "surname, first name".
// Caption form for any other language: "first name surname".
std::string FormatPublisherName(std::string_view firstName, std::string_view surname, NameForm form,
                                std::string_view language);

} // namespace vak
