// The kind of top-level window the main window is, which differs between the platforms; one
// implementation per platform (MainWindowTypeWindows.cpp, MainWindowTypeXdg.cpp).
#pragma once

#include <Qt>

namespace vak {

// A window of its own in the task bar: Qt::Window or Qt::Dialog.
Qt::WindowType MainWindowType();

} // namespace vak
