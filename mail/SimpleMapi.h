// Windows' own mail hand-off: Simple MAPI. MAPI32.DLL is loaded for each message, MAPISendMail
// and MAPILogon are looked up (MAPILogon is never called), and the message goes to the user's
// mail client as single-byte texts in the system's code page.
#pragma once

#include "mail/MapiMessage.h"

#include <cstdint>
#include <string>

namespace vak {

class CSimpleMapi : public CMailSystem {
public:
    explicit CSimpleMapi(std::wstring library = L"MAPI32.DLL") : m_library(std::move(library)) {}
    ~CSimpleMapi() override { Unload(); }
    CSimpleMapi(const CSimpleMapi&) = delete;
    CSimpleMapi& operator=(const CSimpleMapi&) = delete;

    // Missing when the library cannot be loaded, Invalid when it lacks either function.
    LoadResult Load() override;
    // An address with a character the system's code page cannot carry (it would reach the mail
    // client as another address).
    std::string UncarriedAddress(const MapiMessage& message) const override;
    void SetOwnerWindow(std::uintptr_t window) override { m_ownerWindow = window; }
    // MAPISendMail with no session, the owner window and `flags`; its result as it came.
    unsigned long SendMail(const MapiMessage& message, unsigned long flags) override;
    void Unload() override;

private:
    std::wstring m_library;
    void* m_module = nullptr;
    void* m_sendMail = nullptr;
    std::uintptr_t m_ownerWindow = 0;
};

} // namespace vak
