// The about box "O programu Vak", opened from the main window's system menu.
#pragma once

#include "ui/DialogBuilder.h"

#include <QDialog>

namespace vak {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    QWidget* GetDlgItem(int id) const { return m_controls.GetDlgItem(id); }

private:
    CDialogControls m_controls;
};

} // namespace vak
