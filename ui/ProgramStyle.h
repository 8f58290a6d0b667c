// The look of the program's controls: the platform's style, with the keyboard focus of a push
// button drawn as a dotted rectangle inside it, so that the focused button can be told from the
// default button (which the style draws with a heavier frame) as on Windows.
#pragma once

class QApplication;

namespace vak {

// Gives `application` the program's style, built on the style it has.
void InstallProgramStyle(QApplication& application);

} // namespace vak
