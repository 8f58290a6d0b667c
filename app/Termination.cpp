// Signal handling through a self-pipe: the handler does nothing but write(), which is safe in
// a signal handler; the rest happens on the user-interface thread.
#include "app/Termination.h"

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>

#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace vak {

namespace {

std::atomic<bool> g_requested{false};
int g_pipe[2] = {-1, -1};
constexpr int WATCHED_SIGNALS[] = {SIGTERM, SIGHUP, SIGINT};

extern "C" void OnTerminationSignal(int)
{
    const char byte = 1;
    const auto ignored = ::write(g_pipe[1], &byte, 1);
    (void)ignored;
}

void SetHandler(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : WATCHED_SIGNALS)
        sigaction(signalNumber, &action, nullptr);
}

} // namespace

bool TerminationRequested()
{
    return g_requested.load();
}

void ClearTerminationRequest()
{
    g_requested = false;
}

bool CloseActiveModalWindow(QWidget* except)
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == except)
        return false;
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
    return true;
}

CTerminationWatcher::CTerminationWatcher(QObject* parent) : QObject(parent)
{
    if (g_pipe[0] < 0 && ::pipe(g_pipe) != 0)
        return;
    for (const int fd : g_pipe) {
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        ::fcntl(fd, F_SETFL, O_NONBLOCK);
    }
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CTerminationWatcher::OnPipeReadable);
    SetHandler(OnTerminationSignal);
}

CTerminationWatcher::~CTerminationWatcher()
{
    SetHandler(SIG_DFL);
}

void CTerminationWatcher::Request()
{
    g_requested = true;
    emit terminationRequested();
}

void CTerminationWatcher::OnPipeReadable()
{
    char bytes[16];
    while (::read(g_pipe[0], bytes, sizeof bytes) > 0) {
    }
    Request();
}

} // namespace vak
