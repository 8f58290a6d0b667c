// A desktop in a temporary folder whose handler of a URI scheme writes the URI it gets into a
// file, for testing the hand-offs through the real xdg-open and xdg-email.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <vector>

namespace vak::test {

// Sets environment variables for the life of the object and restores them afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment();
    void Set(const char* name, const QByteArray& value);
    void Unset(const char* name);

private:
    struct Saved {
        const char* name;
        bool wasSet;
        QByteArray value;
    };
    std::vector<Saved> m_saved;
};

// Debian 12's xdg-utils (1.1.3) detects no desktop environment here and uses its generic mode,
// which starts the handler of x-scheme-handler/SCHEME only when DISPLAY is set (the value is not
// used, no X server is needed); without DISPLAY it falls back to text browsers.
class RecordingDesktop {
public:
    RecordingDesktop();

    // Registers the recording handler as the default for `scheme` URIs. The handler runs the
    // shell line `afterRecording` once it has written its argument.
    void RegisterHandler(const QString& scheme, const QString& afterRecording = {});
    // The argument the handler received first, waited for up to `timeoutMs`; empty when none came.
    QByteArray WaitForArgument(int timeoutMs = 10000) const;
    // The arguments of the handler's first `count` runs, in order, waited for up to `timeoutMs`;
    // fewer when fewer came.
    QList<QByteArray> WaitForArguments(int count, int timeoutMs = 10000) const;
    bool HandlerRan() const;
    QString FilePath(const QString& name) const { return m_dir.filePath(name); }

    ScopedEnvironment environment;

private:
    static void WriteFile(const QString& path, const QString& text);

    QTemporaryDir m_dir;
    QString m_output;
};

} // namespace vak::test
