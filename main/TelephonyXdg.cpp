// The Linux desktop's telephony: a tel: URI handed to its scheme handler through xdg-open.
#include "main/Telephony.h"

#include <QProcess>
#include <QUrl>

namespace vak {

namespace {
constexpr int QUERY_TIMEOUT_MS = 5000;
} // namespace

QString TelUri(const QString& number)
{
    return QStringLiteral("tel:") + QString::fromLatin1(QUrl::toPercentEncoding(number, "+"));
}

bool HasSchemeHandler(const QString& scheme)
{
    return !DefaultSchemeHandler(scheme).isEmpty();
}

QString DefaultSchemeHandler(const QString& scheme)
{
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("x-scheme-handler/") + scheme});
    if (!query.waitForFinished(QUERY_TIMEOUT_MS)) {
        query.kill();
        query.waitForFinished();
        return {};
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
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
