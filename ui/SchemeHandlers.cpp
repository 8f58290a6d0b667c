// The desktop's scheme handlers, asked for through xdg-mime.
#include "ui/SchemeHandlers.h"

#include <QProcess>

namespace vak {

namespace {
constexpr int QUERY_TIMEOUT_MS = 5000;
} // namespace

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

} // namespace vak
