// What a request to dial can come to, and the Windows assisted-telephony call behind it. Standard
// library only, so that it is tested without windows.
#pragma once

#include <string>

namespace vak {

enum class CallRequest {
    Requested,   // the service took the request; what it does with it is its own business
    NoService,   // no telephony service is installed
    NoFunction,  // the service's library lacks its entry point
};

// Windows: loads `library` for this one call, looks up tapiRequestMakeCall and asks it to dial
// `number` for `calledParty` (both UTF-8, handed over in the system's code page), no application
// name and no comment; unloads it again. The function's own result is not used.
CallRequest RequestTapiCall(const std::string& number, const std::string& calledParty,
                            const wchar_t* library = L"tapi32.dll");

} // namespace vak
