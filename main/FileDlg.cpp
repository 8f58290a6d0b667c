// The file-open dialog: one filter, an existing file, no change of the working directory.
#include "main/FileDlg.h"

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

QString CFileDlg::GetOpenFileName(QWidget* parent, const QString& title, const QString& description,
                                  const QString& pattern, const QString& folder)
{
    if (g_fileScript) {
        g_fileScript->m_folders.append(folder);
        return g_fileScript->m_answers.isEmpty() ? QString() : g_fileScript->m_answers.takeFirst();
    }
    CFileDlg dialog(parent, title, folder);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // The description already names the extension; the patterns need not be shown again.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(description + QStringLiteral(" (") + pattern + QStringLiteral(")"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace vak
