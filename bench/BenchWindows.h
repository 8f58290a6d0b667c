// What the window benchmarks share: waiting until a window is on screen, the main window started
// on a group file with the services the program gives it, the bare dialog a Vak dialog is
// measured against, and timing.
#pragma once

#include "data/SettingsFile.h"
#include "main/MainDlg.h"
#include "main/Telephony.h"
#include "ui/MessageBox.h"

#include "res/DialogTemplates.h"
#include "ui/DialogBuilder.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vak::bench {

// Processes events until the window is exposed and painted once.
inline void WaitUntilShown(QWidget& window)
{
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
    window.repaint();
}

// The main window on `groupFile` with the clock at `today`, shown.
class ShownMainWindow {
public:
    ShownMainWindow(const std::string& groupFile, const std::string& settingsFile, CivilDate today)
        : m_settings(settingsFile)
    {
        MainDlgContext context;
        context.settings = &m_settings;
        context.telephony = &m_telephony;
        context.commandLine = groupFile;
        context.today = today;
        m_dlg = std::make_unique<CMainDlg>(m_messages, context);
        m_dlg->show();
        WaitUntilShown(*m_dlg);
    }

    CMainDlg& Dlg() { return *m_dlg; }

private:
    const CSettingsFile m_settings;
    CXdgTelephony m_telephony;
    CMessageBoxSink m_messages;
    std::unique_ptr<CMainDlg> m_dlg;
};

// The main window of a benchmark on the group `writeGroup` writes into `dir`, with the clock at
// 10 April 2026; nullptr, with the reason on stderr, when the group is not written or loaded.
inline std::unique_ptr<ShownMainWindow> OpenBenchGroup(const char* bench, const QTemporaryDir& dir, int publishers,
                                                       const std::function<bool(const std::string&)>& writeGroup)
{
    const std::string groupFile = dir.filePath(QStringLiteral("Skupina127.t09")).toStdString();
    if (!writeGroup(groupFile)) {
        std::fprintf(stderr, "%s: cannot write %s\n", bench, groupFile.c_str());
        return nullptr;
    }
    auto window = std::make_unique<ShownMainWindow>(groupFile, dir.filePath(QStringLiteral("Vak.ini")).toStdString(),
                                                    CivilDate{2026, 4, 10});
    if (window->Dlg().m_nPublishers != publishers) {
        std::fprintf(stderr, "%s: the group was not loaded\n", bench);
        return nullptr;
    }
    return window;
}

// A plain Qt widget of the template's kind, without anything of Vak's; a list is given its lines
// by `fillList`.
inline QWidget* PlainControl(const DialogControl& control, QWidget* parent,
                             const std::function<void(QListWidget&)>& fillList,
                             const std::function<void(QTableWidget&)>& fillTable)
{
    const QString text = QString::fromUtf8(control.text);
    switch (control.kind) {
    case ControlKind::Edit: return new QLineEdit(text, parent);
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: return new QPushButton(text, parent);
    case ControlKind::CheckBox: return new QCheckBox(text, parent);
    case ControlKind::GroupBox: return new QGroupBox(text, parent);
    case ControlKind::EtchedFrame: return new QFrame(parent);
    case ControlKind::ListBox: {
        auto* list = new QListWidget(parent);
        fillList(*list);
        return list;
    }
    case ControlKind::Table: {
        auto* table = new QTableWidget(parent);
        fillTable(*table);
        return table;
    }
    default: return new QLabel(text, parent);
    }
}

// Shows and closes a bare QDialog over `parent` with the controls of template `templateId`, plain
// and in the same places, titled `title`.
inline void OpenBareDialog(QWidget& parent, int templateId, const QString& title,
                           const std::function<void(QListWidget&)>& fillList,
                           const std::function<void(QTableWidget&)>& fillTable = {})
{
    const DialogTemplate* dialogTemplate = FindDialogTemplate(templateId);
    QDialog dialog(&parent);
    const DialogBaseUnits units = BaseUnitsOf(dialog.font());
    dialog.setFixedSize(DialogUnitsToPixels(units, 0, 0, dialogTemplate->w, dialogTemplate->h).size());
    for (const DialogControl& control : dialogTemplate->controls)
        PlainControl(control, &dialog, fillList, fillTable)
            ->setGeometry(DialogUnitsToPixels(units, control.x, control.y, control.w, control.h));
    dialog.setWindowTitle(title);
    dialog.show();
    WaitUntilShown(dialog);
    dialog.reject();
}

inline double MillisecondsOf(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace vak::bench
