// On the Linux desktop the main window is a normal window: window managers leave a dialog window
// out of the task bar.
#include "main/MainWindowType.h"

namespace vak {

Qt::WindowType MainWindowType()
{
    return Qt::Window;
}

} // namespace vak
