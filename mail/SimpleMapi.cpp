// Simple MAPI through MAPI32.DLL, with the descriptors of its ANSI interface filled from the
// message. Paths the code page cannot hold are given in their short form.
#include "mail/SimpleMapi.h"

#include "data/WindowsText.h"

#include <windows.h>

#include <cstddef>
#include <vector>

namespace vak {

namespace {

// The descriptors of Simple MAPI's ANSI interface, laid out as MAPI32.DLL reads them.
struct RecipientDescriptor {
    ULONG reserved = 0;
    ULONG recipClass = 0;
    LPSTR name = nullptr;
    LPSTR address = nullptr;
    ULONG entryIdSize = 0;
    LPVOID entryId = nullptr;
};
struct FileDescriptor {
    ULONG reserved = 0;
    ULONG flags = 0;
    ULONG position = 0;
    LPSTR pathName = nullptr;
    LPSTR fileName = nullptr;
    LPVOID fileType = nullptr;
};
struct MessageDescriptor {
    ULONG reserved = 0;
    LPSTR subject = nullptr;
    LPSTR noteText = nullptr;
    LPSTR messageType = nullptr;
    LPSTR dateReceived = nullptr;
    LPSTR conversationId = nullptr;
    ULONG flags = 0;
    RecipientDescriptor* originator = nullptr;
    ULONG recipientCount = 0;
    RecipientDescriptor* recipients = nullptr;
    ULONG fileCount = 0;
    FileDescriptor* files = nullptr;
};
#ifdef _WIN64
static_assert(sizeof(RecipientDescriptor) == 40 && offsetof(RecipientDescriptor, address) == 16);
static_assert(sizeof(FileDescriptor) == 40 && offsetof(FileDescriptor, pathName) == 16);
static_assert(sizeof(MessageDescriptor) == 96 && offsetof(MessageDescriptor, originator) == 56 &&
              offsetof(MessageDescriptor, files) == 88);
#endif

using MapiSendMailFunction = ULONG(WINAPI*)(ULONG_PTR session, ULONG_PTR uiParam, MessageDescriptor* message,
                                           ULONG flags, ULONG reserved);

// The texts of one message in the code page, kept alive while MAPISendMail reads them.
class AnsiMessage {
public:
    explicit AnsiMessage(const MapiMessage& message)
    {
        // Reserved first: the descriptors point into these strings.
        m_texts.reserve(3 + 2 * message.recipients.size() + 2 * message.files.size());
        m_message.subject = Text(AnsiFromUtf8(message.subject));
        m_message.noteText = Text(AnsiFromUtf8(message.noteText));
        m_originator.recipClass = message.originator.recipClass;
        m_originator.name = Text(AnsiFromUtf8(message.originator.name));
        m_message.originator = &m_originator;
        for (const MapiRecipDesc& recipient : message.recipients) {
            RecipientDescriptor& added = m_recipients.emplace_back();
            added.recipClass = recipient.recipClass;
            added.name = Text(AnsiFromUtf8(recipient.name));
            added.address = Text(AnsiFromUtf8(recipient.address));
        }
        for (const MapiFileDesc& file : message.files) {
            FileDescriptor& added = m_files.emplace_back();
            added.position = file.position;
            added.pathName = Text(AnsiPathOf(file.pathName));
            added.fileName = file.fileName.empty() ? nullptr : Text(AnsiFromUtf8(file.fileName));
        }
        m_message.recipientCount = static_cast<ULONG>(m_recipients.size());
        m_message.recipients = m_recipients.empty() ? nullptr : m_recipients.data();
        m_message.fileCount = static_cast<ULONG>(m_files.size());
        m_message.files = m_files.empty() ? nullptr : m_files.data();
    }
    MessageDescriptor* Get() { return &m_message; }

private:
    LPSTR Text(std::string text) { return m_texts.emplace_back(std::move(text)).data(); }

    std::vector<std::string> m_texts;
    RecipientDescriptor m_originator;
    std::vector<RecipientDescriptor> m_recipients;
    std::vector<FileDescriptor> m_files;
    MessageDescriptor m_message;
};

} // namespace

CMailSystem::LoadResult CSimpleMapi::Load()
{
    Unload();
    HMODULE module = ::LoadLibraryW(m_library.c_str());
    if (module == nullptr)
        return LoadResult::Missing;
    m_module = module;
    m_sendMail = reinterpret_cast<void*>(::GetProcAddress(module, "MAPISendMail"));
    if (m_sendMail == nullptr || ::GetProcAddress(module, "MAPILogon") == nullptr) {
        Unload();
        return LoadResult::Invalid;
    }
    return LoadResult::Loaded;
}

std::string CSimpleMapi::UncarriedAddress(const MapiMessage& message) const
{
    for (const MapiRecipDesc& recipient : message.recipients) {
        std::string exact;
        if (!ExactAnsiFromUtf8(recipient.address, exact))
            return PlainAddress(recipient);
    }
    return {};
}

unsigned long CSimpleMapi::SendMail(const MapiMessage& message, unsigned long flags)
{
    if (m_sendMail == nullptr)
        return MAPI_E_FAILURE;
    AnsiMessage descriptors(message);
    const auto sendMail = reinterpret_cast<MapiSendMailFunction>(m_sendMail);
    return sendMail(0, static_cast<ULONG_PTR>(m_ownerWindow), descriptors.Get(), flags, 0);
}

void CSimpleMapi::Unload()
{
    if (m_module != nullptr)
        ::FreeLibrary(static_cast<HMODULE>(m_module));
    m_module = nullptr;
    m_sendMail = nullptr;
}

} // namespace vak
