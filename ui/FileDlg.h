// The file dialogs: opening a group file and naming a file to save, and the script that answers
// them in tests.
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
    // Lets the user name a file to save, offering `suggested` (a full path) and adding the
    // extension of `pattern` ("*.pdf") to a name typed without it; returns the full path, or an
    // empty text when cancelled. Whether the file may be written is for the caller to check.
    static QString GetSaveFileName(QWidget* parent, const QString& title, const QString& description,
                                   const QString& pattern, const QString& suggested);

private:
    // The answer of the test script, when one runs; false when the dialog is to be shown.
    static bool ScriptedAnswer(const QString& folder, QString& answer);
    static QString Run(CFileDlg& dialog, const QString& description, const QString& pattern);
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
