// Recipient lists, attachment positions and the mailto: URI of a mail message.
#include "mail/MapiMessage.h"

#include "data/Cp1250.h"

namespace vak {

namespace {

constexpr std::string_view WHITE_SPACE = " \t\r\n\f\v";
constexpr char HEX_DIGITS[] = "0123456789ABCDEF";

bool IsUnreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

// Every byte but the unreserved ones (and those of `keep`) as %XX.
std::string PercentEncode(std::string_view text, std::string_view keep = {})
{
    std::string encoded;
    encoded.reserve(text.size() * 3);
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (IsUnreserved(c) || keep.find(ch) != std::string_view::npos) {
            encoded += ch;
        } else {
            encoded += '%';
            encoded += HEX_DIGITS[c >> 4];
            encoded += HEX_DIGITS[c & 0x0F];
        }
    }
    return encoded;
}

// Line breaks of a mail text travel as CR LF.
std::string WithCrLf(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            result += '\r';
        result += text[i];
    }
    return result;
}

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(WHITE_SPACE);
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(WHITE_SPACE);
    return text.substr(first, last - first + 1);
}

} // namespace

std::vector<std::string> SplitRecipientList(std::string_view list)
{
    std::vector<std::string> tokens;
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find(';', start);
        if (end == std::string_view::npos)
            end = list.size();
        if (end > start)
            tokens.emplace_back(list.substr(start, end - start));
        start = end + 1;
    }
    return tokens;
}

void PlaceAttachments(std::string& body, std::vector<MapiFileDesc>& files)
{
    const std::size_t length = Cp1250Length(body);
    for (std::size_t i = 0; i < files.size(); ++i) {
        files[i].position = static_cast<unsigned long>(length + i);
        body += ' ';
    }
}

std::string PlainAddress(const MapiRecipDesc& recipient)
{
    std::string_view address = recipient.address;
    if (address.starts_with(SMTP_PREFIX))
        address.remove_prefix(SMTP_PREFIX.size());
    return std::string(Trimmed(address));
}

std::string MailtoUri(const MapiMessage& message)
{
    std::string uri = "mailto:";
    bool first = true;
    for (const MapiRecipDesc& recipient : message.recipients) {
        const std::string address = PlainAddress(recipient);
        if (address.empty())
            continue;
        if (!first)
            uri += ',';
        uri += PercentEncode(address, "@");
        first = false;
    }
    char separator = '?';
    if (!message.subject.empty()) {
        uri += separator + std::string("subject=") + PercentEncode(message.subject);
        separator = '&';
    }
    if (!message.noteText.empty())
        uri += separator + std::string("body=") + PercentEncode(WithCrLf(message.noteText));
    return uri;
}

} // namespace vak
