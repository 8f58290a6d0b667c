// Assisted telephony on Windows: tapiRequestMakeCall of tapi32.dll, loaded only for the call so
// that the program runs on machines without telephony and says so only when asked to dial.
#include "main/TelephonyService.h"

#include "data/WindowsText.h"

#include <windows.h>

namespace vak {

namespace {

using TapiRequestMakeCall = LONG(WINAPI*)(LPCSTR destination, LPCSTR appName, LPCSTR calledParty, LPCSTR comment);

} // namespace

CallRequest RequestTapiCall(const std::string& number, const std::string& calledParty, const wchar_t* library)
{
    HMODULE module = ::LoadLibraryW(library);
    if (module == nullptr)
        return CallRequest::NoService;
    const auto request =
        reinterpret_cast<TapiRequestMakeCall>(reinterpret_cast<void*>(::GetProcAddress(module, "tapiRequestMakeCall")));
    if (request != nullptr) {
        const std::string destination = AnsiFromUtf8(number);
        const std::string party = AnsiFromUtf8(calledParty);
        request(destination.c_str(), nullptr, party.empty() ? nullptr : party.c_str(), nullptr);
    }
    ::FreeLibrary(module);
    return request != nullptr ? CallRequest::Requested : CallRequest::NoFunction;
}

} // namespace vak
