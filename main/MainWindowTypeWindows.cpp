// On Windows the main window is a dialog window: without an owner it has a task-bar button of
// its own all the same, and Qt's Windows platform asks Direct3D for the graphics adapter before it
// creates a top-level window of any other kind (300 ms of the start under Wine).
#include "main/MainWindowType.h"

namespace vak {

Qt::WindowType MainWindowType()
{
    return Qt::Dialog;
}

} // namespace vak
