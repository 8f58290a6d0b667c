// The about box: template 100; OK or Esc closes it.
#include "main/AboutDlg.h"

#include "ui/AppIcon.h"

namespace vak {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowIcon(ApplicationIcon());
    m_controls.Build(*this, IDD_ABOUTBOX);
    m_controls.OnClicked(IDOK, [this] { accept(); });
}

} // namespace vak
