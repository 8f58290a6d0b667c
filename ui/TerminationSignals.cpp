// Signal handling through a self-pipe: the handler does nothing but write(), which is safe in
// a signal handler; the rest happens on the user-interface thread.
#include "ui/Termination.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace vak {

namespace {

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

CTerminationWatcher::CTerminationWatcher(QObject* parent) : QObject(parent)
{
    if (g_pipe[0] < 0 && ::pipe(g_pipe) != 0)
        return;
    for (const int fd : g_pipe) {
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        ::fcntl(fd, F_SETFL, O_NONBLOCK);
    }
    auto* notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(g_pipe[0], bytes, sizeof bytes) > 0) {
        }
        Request();
    });
    SetHandler(OnTerminationSignal);
}

CTerminationWatcher::~CTerminationWatcher()
{
    SetHandler(SIG_DFL);
}

} // namespace vak
