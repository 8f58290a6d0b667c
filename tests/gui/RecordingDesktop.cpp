// The recording desktop of the hand-off tests.
#include "RecordingDesktop.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace vak::test {

ScopedEnvironment::~ScopedEnvironment()
{
    for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
        if (it->wasSet)
            qputenv(it->name, it->value);
        else
            qunsetenv(it->name);
    }
}

void ScopedEnvironment::Set(const char* name, const QByteArray& value)
{
    m_saved.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
    qputenv(name, value);
}

void ScopedEnvironment::Unset(const char* name)
{
    m_saved.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
    qunsetenv(name);
}

RecordingDesktop::RecordingDesktop() : m_output(m_dir.filePath(QStringLiteral("received.txt")))
{
    QDir().mkpath(m_dir.filePath(QStringLiteral("data/applications")));
    QDir().mkpath(m_dir.filePath(QStringLiteral("config")));
    environment.Set("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toUtf8());
    environment.Set("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toUtf8());
    environment.Set("XDG_DATA_DIRS", m_dir.filePath(QStringLiteral("nothing")).toUtf8());
    environment.Set("DISPLAY", ":97");
    environment.Unset("XDG_CURRENT_DESKTOP");
    environment.Unset("DESKTOP_SESSION");
    environment.Unset("MAILER");
    environment.Unset("BROWSER");
}

void RecordingDesktop::RegisterHandler(const QString& scheme, const QString& afterRecording)
{
    const QString script = m_dir.filePath(QStringLiteral("handler.sh"));
    // Each run adds its argument as a line (a URI holds no line break: it is percent-encoded).
    WriteFile(script, QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$1\" >> '%1'\n%2\n").arg(m_output, afterRecording));
    QFile::setPermissions(script, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    WriteFile(m_dir.filePath(QStringLiteral("data/applications/vak-test-handler.desktop")),
              QStringLiteral("[Desktop Entry]\nType=Application\nName=Recording handler\n"
                             "Exec=%1 %u\nMimeType=x-scheme-handler/%2;\nNoDisplay=true\n")
                  .arg(script, scheme));
    WriteFile(m_dir.filePath(QStringLiteral("config/mimeapps.list")),
              QStringLiteral("[Default Applications]\nx-scheme-handler/%1=vak-test-handler.desktop\n").arg(scheme));
}

QByteArray RecordingDesktop::WaitForArgument(int timeoutMs) const
{
    const QList<QByteArray> arguments = WaitForArguments(1, timeoutMs);
    return arguments.isEmpty() ? QByteArray() : arguments.front();
}

QList<QByteArray> RecordingDesktop::WaitForArguments(int count, int timeoutMs) const
{
    QList<QByteArray> lines;
    const bool complete = QTest::qWaitFor(
        [&] {
            QFile output(m_output);
            lines = output.open(QIODevice::ReadOnly) ? output.readAll().split('\n') : QList<QByteArray>();
            if (!lines.isEmpty())
                lines.removeLast();  // what follows the last line break: an argument not yet complete
            return lines.size() >= count;
        },
        timeoutMs);
    return complete ? lines.mid(0, count) : lines;
}

bool RecordingDesktop::HandlerRan() const
{
    return QFile::exists(m_output);
}

void RecordingDesktop::WriteFile(const QString& path, const QString& text)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text.toUtf8());
}

} // namespace vak::test
