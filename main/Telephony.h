// Dialing a telephone number through the desktop's telephony service, behind a small
// interface so the main window can be tested with a recording service.
#pragma once

#include "main/TelephonyService.h"

#include <QString>

class QWidget;

namespace vak {

class CTelephony {
public:
    virtual ~CTelephony() = default;
    // Hands the number and the called party's name to the service.
    virtual CallRequest RequestMakeCall(const QString& number, const QString& calledParty) = 0;
};

#ifdef _WIN32
// Windows' assisted telephony (tapiRequestMakeCall of tapi32.dll).
class CTapiTelephony : public CTelephony {
public:
    CallRequest RequestMakeCall(const QString& number, const QString& calledParty) override
    {
        return RequestTapiCall(number.toStdString(), calledParty.toStdString());
    }
};
using CPlatformTelephony = CTapiTelephony;
#else
// The Linux desktop's service: the handler registered for tel: URIs, asked for with
// `xdg-mime query default x-scheme-handler/tel` and started with `xdg-open tel:NUMBER`.
// The called party's name has no place in a tel: URI and is not passed.
class CXdgTelephony : public CTelephony {
public:
    CallRequest RequestMakeCall(const QString& number, const QString& calledParty) override;
};
using CPlatformTelephony = CXdgTelephony;

// "tel:" followed by the number exactly as stored, percent-encoded (spaces become %20).
QString TelUri(const QString& number);
#endif

// Asks `telephony` to dial `number`; shows "Telephone service not available" when there is no
// service and "bad procaddress" when its library lacks the function.
void DialNumber(const QString& number, const QString& calledParty, CTelephony& telephony, QWidget* parent);

} // namespace vak
