// What a screen-reader user and a sighted user meet in a window: controls without an accessible
// name, and controls outside the window, over each other or too small for their text. Every
// window built from a template (and every message box) that a window test shows is checked for
// names as it appears, so a new dialog is checked by the first test that opens it.
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

// One line for each shown control of `window` that leaves the window, lies over another shown
// control (frames aside) or cuts its text off; `window` is one built from a template. With
// `shownOnly` false, every control of the template, shown or not, except for overlaps (which
// the template has on purpose for controls shown one at a time).
QStringList LayoutProblems(QWidget& window, bool shownOnly = true);

// Checks the names of every template window and message box as it is shown, failing the test
// that shows it.
void AuditWindowsAsTheyAreShown(QApplication& application);

} // namespace vak::test
