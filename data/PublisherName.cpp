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

std::string ShownOnOneLine(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        // C1 controls (U+0080..U+009F) are two bytes in UTF-8, the first 0xC2.
        const bool c1 = c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0;
        if (c == '\r' || c == '\n') {
            shown += "\u2424";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (c < 0x20 || c == 0x7F || c1) {
            shown += '?';
            i += c1 ? 1 : 0;
        } else {
            shown += text[i];
        }
    }
    return shown;
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
