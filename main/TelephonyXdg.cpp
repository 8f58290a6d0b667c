// The Linux desktop's telephony: a tel: URI handed to its scheme handler through xdg-open.
#include "main/Telephony.h"

#include "ui/SchemeHandlers.h"

#include <QProcess>
#include <QUrl>

namespace vak {

QString TelUri(const QString& number)
{
    return QStringLiteral("tel:") + QString::fromLatin1(QUrl::toPercentEncoding(number, "+"));
}

CallRequest CXdgTelephony::RequestMakeCall(const QString& number, const QString&)
{
    if (!HasSchemeHandler(QStringLiteral("tel")))
        return CallRequest::NoService;
    // Started without a shell, with the URI as the only argument; the handler may run as long
    // as the call lasts, so it is not waited for.
    return QProcess::startDetached(QStringLiteral("xdg-open"), {TelUri(number)}) ? CallRequest::Requested
                                                                                  : CallRequest::NoService;
}

} // namespace vak
