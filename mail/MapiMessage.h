// One mail message as the mail client receives it: recipients, subject, text and attached files,
// the results a hand-off can have, the interface of the platform's mail system, and the mailto:
// URI that carries such a message to a desktop mail composer.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vak {

// Recipient classes.
inline constexpr unsigned long MAPI_ORIG = 0;
inline constexpr unsigned long MAPI_TO = 1;

// Send flags.
inline constexpr unsigned long MAPI_LOGON_UI = 0x00000001;

// Results of a hand-off.
inline constexpr unsigned long SUCCESS_SUCCESS = 0;
inline constexpr unsigned long MAPI_USER_ABORT = 1;
inline constexpr unsigned long MAPI_E_FAILURE = 2;
inline constexpr unsigned long MAPI_E_LOGIN_FAILURE = 3;

// The prefix that marks an address as an Internet mail address.
inline constexpr std::string_view SMTP_PREFIX = "SMTP:";

struct MapiRecipDesc {
    unsigned long recipClass = MAPI_ORIG;
    std::string name;
    std::string address;   // "SMTP:" and the address as given
};

struct MapiFileDesc {
    unsigned long position = 0;  // character position in the text where the file is placed
    std::string pathName;        // the file to attach
    std::string fileName;        // name shown for it; empty: the file's own name
};

struct MapiMessage {
    std::string subject;
    std::string noteText;
    MapiRecipDesc originator;
    std::vector<MapiRecipDesc> recipients;
    std::vector<MapiFileDesc> files;
};

// The platform's mail system, for one message at a time.
class CMailSystem {
public:
    enum class LoadResult {
        Loaded,
        Missing,   // no mail system is installed
        Invalid,   // a mail system is there but cannot take messages
    };

    virtual ~CMailSystem() = default;
    // Makes the mail system ready for one message.
    virtual LoadResult Load() = 0;
    // The first recipient address (as PlainAddress gives it) that this mail system cannot hand
    // over as one recipient; empty when it can carry them all.
    virtual std::string UncarriedAddress(const MapiMessage&) const { return {}; }
    // The window the mail client's own windows belong to while it has the message (a native
    // window handle; 0 for none).
    virtual void SetOwnerWindow(std::uintptr_t) {}
    // Hands `message` to the user's mail client and returns one of the results above.
    virtual unsigned long SendMail(const MapiMessage& message, unsigned long flags) = 0;
    // Releases what Load took.
    virtual void Unload() {}

    // Called, with the reason, when a message SendMail counted as handed over fails after all
    // (a composer still running after the wait that then gives up); set for the next SendMail.
    // A system that hands a message over before SendMail returns never calls it.
    using LateFailure = std::function<void(const std::string& reason)>;
    void SetLateFailure(LateFailure handler) { m_lateFailure = std::move(handler); }

protected:
    LateFailure m_lateFailure;
};

// The tokens of an address list separated by ";": runs of separators give no empty tokens,
// and the tokens are kept exactly as written (a space after ";" stays).
std::vector<std::string> SplitRecipientList(std::string_view list);

// Places the attachments in the text: one space is appended to `body` per file, and file i
// gets the position of the i-th added space (the text's length in characters before, plus i).
void PlaceAttachments(std::string& body, std::vector<MapiFileDesc>& files);

// The address of a recipient without its "SMTP:" prefix and without white space around it.
std::string PlainAddress(const MapiRecipDesc& recipient);

// "mailto:" with the recipients' plain addresses joined by ",", then "subject=" and "body="
// (line breaks as CR LF). Every character but letters, digits, "-._~" (and "@" in addresses)
// is percent-encoded, so no text can end its field or start another one. Empty addresses,
// an empty subject and an empty text are left out.
std::string MailtoUri(const MapiMessage& message);

} // namespace vak
