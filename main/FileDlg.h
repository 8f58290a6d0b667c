// The file-open dialog for group files, and the script that answers it in tests.
#pragma once

#include <QFileDialog>
#include <QStringList>

namespace vak {

class CFileDlg : public QFileDialog {
    Q_OBJECT
public:
    using QFileDialog::QFileDialog;

    // Lets the user pick an existing file matching `pattern` (space-separated globs) in
    // `folder`; returns its full path, or an empty text when cancelled. The working directory
    // is left as it is.
    static QString GetOpenFileName(QWidget* parent, const QString& title, const QString& description,
                                   const QString& pattern, const QString& folder);
};

// Answers the file dialog without showing it, for tests.
class FileDlgScript {
public:
    FileDlgScript();
    ~FileDlgScript();
    FileDlgScript(const FileDlgScript&) = delete;
    FileDlgScript& operator=(const FileDlgScript&) = delete;

    // The next dialog returns `path`; an empty path (or an empty queue) cancels.
    void QueueAnswer(const QString& path) { m_answers.append(path); }
    // The folders the dialogs opened in, oldest first.
    const QStringList& Folders() const { return m_folders; }

private:
    friend class CFileDlg;
    QStringList m_answers;
    QStringList m_folders;
};

} // namespace vak
