// The file dialogs: one filter each, no change of the working directory.
#include "ui/FileDlg.h"

#include <QFileInfo>

namespace vak {

namespace {
FileDlgScript* g_fileScript = nullptr;
} // namespace

FileDlgScript::FileDlgScript()
{
    g_fileScript = this;
}

FileDlgScript::~FileDlgScript()
{
    if (g_fileScript == this)
        g_fileScript = nullptr;
}

bool CFileDlg::ScriptedAnswer(const QString& folder, QString& answer)
{
    if (!g_fileScript)
        return false;
    g_fileScript->m_folders.append(folder);
    answer = g_fileScript->m_answers.isEmpty() ? QString() : g_fileScript->m_answers.takeFirst();
    return true;
}

QString CFileDlg::Run(CFileDlg& dialog, const QString& description, const QString& pattern)
{
    // The description already names the extension; the patterns need not be shown again.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(description + QStringLiteral(" (") + pattern + QStringLiteral(")"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString CFileDlg::GetOpenFileName(QWidget* parent, const QString& title, const QString& description,
                                  const QString& pattern, const QString& folder)
{
    QString answer;
    if (ScriptedAnswer(folder, answer))
        return answer;
    CFileDlg dialog(parent, title, folder);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    return Run(dialog, description, pattern);
}

QString CFileDlg::GetSaveFileName(QWidget* parent, const QString& title, const QString& description,
                                  const QString& pattern, const QString& suggested)
{
    QString answer;
    if (ScriptedAnswer(QFileInfo(suggested).path(), answer))
        return answer;
    CFileDlg dialog(parent, title, suggested);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(pattern.section(QLatin1Char('.'), -1));
    return Run(dialog, description, pattern);
}

} // namespace vak
