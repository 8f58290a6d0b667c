// The addresses and paths xdg-email carries safely on each of its routes.
#include "mail/XdgMailRules.h"

namespace vak {

namespace {

bool IsAsciiAlnum(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// The length of the character at `text[i]` when it is one `allowed` takes or a UTF-8 letter
// (not a C1 control character or a no-break space), else 0.
template <typename Allowed>
std::size_t AcceptedAt(std::string_view text, std::size_t i, Allowed allowed)
{
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80)
        return allowed(c) ? 1 : 0;
    const bool c1OrNoBreakSpace = c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) <= 0xA0;
    return c1OrNoBreakSpace ? 0 : 1;
}

// Runs of characters `allowed` takes, separated by single dots, none empty.
template <typename Allowed>
bool IsDottedRuns(std::string_view text, Allowed allowed)
{
    bool runStarted = false;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '.') {
            if (!runStarted)
                return false;
            runStarted = false;
            ++i;
            continue;
        }
        const std::size_t length = AcceptedAt(text, i, allowed);
        if (length == 0)
            return false;
        runStarted = true;
        i += length;
    }
    return runStarted;
}

bool IsLocalPartCharacter(unsigned char c)
{
    return IsAsciiAlnum(c) || std::string_view("!#$%&'*+/=?^_`{|}~-").find(static_cast<char>(c)) != std::string_view::npos;
}

bool IsDomainCharacter(unsigned char c)
{
    return IsAsciiAlnum(c) || c == '-';
}

bool IsPathCharacter(unsigned char c)
{
    return IsAsciiAlnum(c) || std::string_view(" /._-+~").find(static_cast<char>(c)) != std::string_view::npos;
}

} // namespace

bool IsPlainAddress(std::string_view address)
{
    const std::size_t at = address.find('@');
    if (at == std::string_view::npos)
        return false;
    return IsDottedRuns(address.substr(0, at), IsLocalPartCharacter) &&
           IsDottedRuns(address.substr(at + 1), IsDomainCharacter);
}

bool XdgCarriesAddress(std::string_view address, XdgRoute route)
{
    if (!IsPlainAddress(address))
        return false;
    return route == XdgRoute::Uri || address.find_first_of("'%") == std::string_view::npos;
}

bool XdgCarriesPath(std::string_view path)
{
    for (std::size_t i = 0; i < path.size(); ++i)
        if (AcceptedAt(path, i, IsPathCharacter) == 0)
            return false;
    return !path.empty();
}

std::string PlainFileName(std::string_view name)
{
    std::string plain;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const bool kept = name[i] != '/' && AcceptedAt(name, i, IsPathCharacter) != 0;
        plain += kept ? name[i] : '_';
        if (!kept && static_cast<unsigned char>(name[i]) == 0xC2 && i + 1 < name.size())
            ++i;  // a C1 character or no-break space is one "_"
    }
    if (plain.empty())
        return "Vak";
    if (plain.front() == '.')
        plain.front() = '_';
    return plain;
}

} // namespace vak
