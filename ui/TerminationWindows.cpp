// On Windows the system asks a program to end when the session ends (log off, shut down): Qt
// passes that on as the application's commitDataRequest, which the program connects to
// Request. Nothing else needs watching.
#include "ui/Termination.h"

namespace vak {

CTerminationWatcher::CTerminationWatcher(QObject* parent) : QObject(parent) {}

CTerminationWatcher::~CTerminationWatcher() = default;

} // namespace vak
