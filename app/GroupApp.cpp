// Start-up of the program: settings file, the services of the main window, its modal run, and
// the closing sequence also when the system ends the program.
#include "app/GroupApp.h"

#include "app/AppIcon.h"
#include "app/MessageBox.h"
#include "app/SettingsFile.h"
#include "app/Termination.h"
#include "data/ReportMonth.h"
#include "main/MainDlg.h"
#include "main/Telephony.h"

namespace vak {

CGroupApp::CGroupApp(int& argc, char** argv) : QApplication(argc, argv)
{
    setWindowIcon(ApplicationIcon());
    // The main window's modal run is the program's life; closing a message box never ends it.
    setQuitOnLastWindowClosed(false);
}

std::string CGroupApp::CommandLineOf(const QStringList& arguments)
{
    return arguments.mid(1).join(QLatin1Char(' ')).toStdString();
}

bool CGroupApp::InitInstance()
{
    const CSettingsFile settings =
        CSettingsFile::ForExecutable(applicationFilePath().toStdString(), ApplicationTitle().toStdString());
    CXdgTelephony telephony;
    CMessageBoxSink messages;
    CTerminationWatcher watcher;

    MainDlgContext context;
    context.settings = &settings;
    context.telephony = &telephony;
    context.printers = this;
    context.commandLine = CommandLineOf(arguments());
    context.today = LocalToday();

    CMainDlg mainDlg(messages, context);
    connect(&watcher, &CTerminationWatcher::terminationRequested, &mainDlg, &CMainDlg::OnTerminationRequested);
    connect(this, &QGuiApplication::commitDataRequest, &watcher, &CTerminationWatcher::Request);
    mainDlg.exec();
    // The modal run can also end without the closing sequence (the application was told to
    // quit); the work is saved then all the same.
    if (!mainDlg.IsClosed())
        mainDlg.CloseUnattended();
    return false;
}

} // namespace vak
