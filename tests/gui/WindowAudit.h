// What a screen-reader user meets in a window: controls without an accessible name. Every window
// built from a template (and every message box) that a window test shows is checked as it
// appears, so a new dialog is checked by the first test that opens it.
#pragma once

#include <QString>
#include <QStringList>

class QApplication;
class QWidget;

namespace vak::test {

// One line for each control of `window` (button, check box, edit, list, combo box) that a
// screen reader would announce by its role alone.
QStringList UnnamedControls(QWidget& window);

// What a screen reader calls `widget`, and its description.
QString AccessibleName(QWidget* widget);
QString AccessibleDescription(QWidget* widget);

// Checks the names of every template window and message box as it is shown, failing the test
// that shows it.
void AuditWindowsAsTheyAreShown(QApplication& application);

} // namespace vak::test
