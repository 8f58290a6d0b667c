// What the window benchmarks share: waiting until a window is on screen, and the main window
// started on a group file with the services the program gives it.
#pragma once

#include "app/MessageBox.h"
#include "app/SettingsFile.h"
#include "main/MainDlg.h"
#include "main/Telephony.h"

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

#include <memory>
#include <string>

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

} // namespace vak::bench
