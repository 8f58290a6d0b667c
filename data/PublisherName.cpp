// Publisher display names.
#include "data/PublisherName.h"

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

} // namespace vak
