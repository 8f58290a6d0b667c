// Requests from the system to end the program (SIGTERM, SIGHUP, SIGINT, the end of the desktop
// session), turned into a Qt signal on the user-interface thread.
#pragma once

#include <QObject>

class QWidget;

namespace vak {

// Whether the system has asked the program to end since start (or since the last clear).
bool TerminationRequested();
// Forgets an earlier request; for tests that run several windows in one process.
void ClearTerminationRequest();

// Closes the modal window that is open (a message box, a dialog), unless it is `except`.
// Returns whether one was closed.
bool CloseActiveModalWindow(QWidget* except = nullptr);

class CTerminationWatcher : public QObject {
    Q_OBJECT
public:
    // On Linux installs handlers for SIGTERM, SIGHUP and SIGINT. A handler only writes one byte
    // into a pipe; the notifier on the other end emits terminationRequested in the event loop.
    // The end of the desktop session comes as the application's commitDataRequest, which the
    // program connects to Request.
    explicit CTerminationWatcher(QObject* parent = nullptr);
    ~CTerminationWatcher() override;

public slots:
    // Marks the request and emits terminationRequested (also used for the session's end).
    void Request();

signals:
    void terminationRequested();
};

} // namespace vak
