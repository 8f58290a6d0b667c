// Publisher display names and telephone numbers.
#include "data/PublisherName.h"

#include "data/Cp1250.h"

namespace vak {

std::string FormatPublisherName(std::string_view firstName, std::string_view surname, NameForm form,
                                std::string_view language)
{
    std::string name;
    if (form == NameForm::List || language == "cz") {
        name.append(surname).append(", ").append(firstName);
    } else {
        name.append(firstName).append(" ").append(surname);
    }
    return name;
}

bool IsValidPhone(const std::string& phone)
{
    return Cp1250Length(phone) > SHORTEST_INVALID_PHONE;
}

std::uint8_t GatherValidPhones(const std::array<std::string, 3>& phones, std::array<std::string, 3>& gathered)
{
    std::uint8_t valid = 0;
    for (const std::string& phone : phones) {
        gathered[valid] = phone;
        if (IsValidPhone(phone))
            ++valid;
    }
    return valid;
}

std::string ContactPhone(const std::array<std::string, 3>& phones, bool second)
{
    std::array<std::string, 3> gathered;
    const std::uint8_t valid = GatherValidPhones(phones, gathered);
    const std::uint8_t wanted = second ? 1 : 0;
    return wanted < valid ? gathered[wanted] : std::string();
}

} // namespace vak
