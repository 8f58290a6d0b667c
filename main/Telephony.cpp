// Dialing from the main window, whichever telephony service the platform has.
#include "main/Telephony.h"

#include "res/StringTable.h"
#include "ui/MessageBox.h"

namespace vak {

void DialNumber(const QString& number, const QString& calledParty, CTelephony& telephony, QWidget* parent)
{
    const CallRequest request = telephony.RequestMakeCall(number, calledParty);
    if (request == CallRequest::Requested)
        return;
    const char* text = request == CallRequest::NoService ? TEXT_NO_TELEPHONY : TEXT_BAD_PROCADDRESS;
    VakMessageBox(parent, QString::fromUtf8(text), MsgButtons::Ok, MsgIcon::Warning);
}

} // namespace vak
