// A stand-in for MAPI32.DLL and tapi32.dll: records what it is handed, in the single-byte texts
// it receives, into the file named by VAK_FAKE_SERVICES_LOG, and answers MAPISendMail with the
// number in VAK_FAKE_MAPI_RESULT. Built without MAPILogon (WITHOUT_LOGON) it is an invalid one.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

struct RecipientDescriptor {
    ULONG reserved;
    ULONG recipClass;
    LPSTR name;
    LPSTR address;
    ULONG entryIdSize;
    LPVOID entryId;
};
struct FileDescriptor {
    ULONG reserved;
    ULONG flags;
    ULONG position;
    LPSTR pathName;
    LPSTR fileName;
    LPVOID fileType;
};
struct MessageDescriptor {
    ULONG reserved;
    LPSTR subject;
    LPSTR noteText;
    LPSTR messageType;
    LPSTR dateReceived;
    LPSTR conversationId;
    ULONG flags;
    RecipientDescriptor* originator;
    ULONG recipientCount;
    RecipientDescriptor* recipients;
    ULONG fileCount;
    FileDescriptor* files;
};

const char* OrNull(const char* text)
{
    return text != nullptr ? text : "(null)";
}

std::FILE* OpenLog()
{
    const char* path = std::getenv("VAK_FAKE_SERVICES_LOG");
    return path != nullptr ? std::fopen(path, "ab") : nullptr;
}

} // namespace

extern "C" __declspec(dllexport) ULONG WINAPI MAPISendMail(ULONG_PTR session, ULONG_PTR uiParam,
                                                           MessageDescriptor* message, ULONG flags, ULONG)
{
    if (std::FILE* log = OpenLog()) {
        std::fprintf(log, "session=%llu window=%s flags=%lu\n", static_cast<unsigned long long>(session),
                     uiParam != 0 ? "set" : "none", flags);
        std::fprintf(log, "subject=%s\nnote=%s\n", OrNull(message->subject), OrNull(message->noteText));
        std::fprintf(log, "from=%lu %s\n", message->originator->recipClass, OrNull(message->originator->name));
        for (ULONG i = 0; i < message->recipientCount; ++i)
            std::fprintf(log, "to=%lu %s <%s>\n", message->recipients[i].recipClass,
                         OrNull(message->recipients[i].name), OrNull(message->recipients[i].address));
        for (ULONG i = 0; i < message->fileCount; ++i) {
            const FileDescriptor& file = message->files[i];
            // The path as the mail client would open it: does it name the file?
            const DWORD attributes = ::GetFileAttributesA(file.pathName);
            std::fprintf(log, "file=%lu %s %s\n", file.position, attributes != INVALID_FILE_ATTRIBUTES ? "opens" : "missing",
                         OrNull(file.fileName));
        }
        std::fclose(log);
    }
    const char* result = std::getenv("VAK_FAKE_MAPI_RESULT");
    return result != nullptr ? static_cast<ULONG>(std::strtoul(result, nullptr, 10)) : 0;
}

#ifndef WITHOUT_LOGON
extern "C" __declspec(dllexport) ULONG WINAPI MAPILogon(ULONG_PTR, LPSTR, LPSTR, ULONG, ULONG, ULONG_PTR*)
{
    if (std::FILE* log = OpenLog()) {
        std::fputs("MAPILogon called\n", log);
        std::fclose(log);
    }
    return 0;
}
#endif

extern "C" __declspec(dllexport) LONG WINAPI tapiRequestMakeCall(LPCSTR destination, LPCSTR appName,
                                                                  LPCSTR calledParty, LPCSTR comment)
{
    if (std::FILE* log = OpenLog()) {
        std::fprintf(log, "dial=%s app=%s party=%s comment=%s\n", OrNull(destination), OrNull(appName),
                     OrNull(calledParty), OrNull(comment));
        std::fclose(log);
    }
    return 0;
}
