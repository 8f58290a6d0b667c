// Start-up of the program: settings file, the services of the main window, its modal run, and
// the closing sequence also when the system ends the program.
#include "app/GroupApp.h"

#include "data/GroupPaths.h"
#include "data/ReportMonth.h"
#include "data/SettingsFile.h"
#include "mail/PlatformMail.h"
#include "main/MainDlg.h"
#include "main/Telephony.h"
#include "ui/AppIcon.h"
#include "ui/CzechTranslation.h"
#include "ui/MessageBox.h"
#include "ui/ProgramStyle.h"
#include "ui/Termination.h"

namespace vak {

CGroupApp::CGroupApp(int& argc, char** argv) : QApplication(argc, argv)
{
    setWindowIcon(ApplicationIcon());
    InstallProgramStyle(*this);
    // The main window's modal run is the program's life; closing a message box never ends it.
    setQuitOnLastWindowClosed(false);
}

bool CGroupApp::InitInstance()
{
    const CSettingsFile settings =
        CSettingsFile::ForExecutable(applicationFilePath().toStdString(), ApplicationTitle().toStdString());
    // Message boxes and the file and print dialogs answer in Czech like the rest of the program.
    const CCzechTranslation translation;
    CPlatformTelephony telephony;
    CPlatformMail mail;
    CMessageBoxSink messages;
    CTerminationWatcher watcher;

    MainDlgContext context;
    context.settings = &settings;
    context.telephony = &telephony;
    context.mail = &mail;
    context.printers = this;
    std::vector<std::string> words;
    for (const QString& argument : arguments().mid(1))
        words.push_back(argument.toStdString());
    context.commandLine = JoinedCommandLine(words);
    context.today = LocalToday();

    // A request that comes while the main window is still being built (a message box about the
    // group file is open) closes that box; the window is then closed as soon as it stands.
    connect(this, &QGuiApplication::commitDataRequest, &watcher, &CTerminationWatcher::Request);
    const QMetaObject::Connection startup =
        connect(&watcher, &CTerminationWatcher::terminationRequested, this, [] { CloseActiveModalWindow(); });
    CMainDlg mainDlg(messages, context);
    disconnect(startup);
    connect(&watcher, &CTerminationWatcher::terminationRequested, &mainDlg, &CMainDlg::OnTerminationRequested);
    // The session's end does not wait for the closing to come round in the event loop.
    connect(this, &QGuiApplication::commitDataRequest, &mainDlg, &CMainDlg::SaveForSessionEnd);
    if (!TerminationRequested())
        mainDlg.exec();
    // The modal run can also end without the closing sequence (the application was told to
    // quit); the work is saved then all the same.
    if (!mainDlg.IsClosed())
        mainDlg.CloseUnattended();
    return false;
}

} // namespace vak
