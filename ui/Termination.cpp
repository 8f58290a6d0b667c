// What ending on the system's request means on every platform: the request is marked, the
// modal window in the way is closed, and terminationRequested runs the closing sequence.
#include "ui/Termination.h"

#include <QApplication>
#include <QDialog>

#include <atomic>

namespace vak {

namespace {

std::atomic<bool> g_requested{false};

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

void CTerminationWatcher::Request()
{
    g_requested = true;
    emit terminationRequested();
}

} // namespace vak
