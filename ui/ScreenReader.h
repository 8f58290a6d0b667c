// What the program tells a screen reader beyond what Qt tells it: a text that changed away from
// the keyboard focus (the warning that follows the month shown, the credit hours computed from
// the hours typed), and where the focus ended when a focus move was redirected on its way.
#pragma once

class QString;
class QWidget;

namespace vak {

// Screen readers speak a notification when it appears (they leave a label's new text unsaid
// unless the label has the focus), so `text` is shown for the moment as an accessible
// notification of `window`. Texts announced while one command runs are spoken together, once.
void Announce(QWidget& window, const QString& text);

// The focus event for `widget`, which has the keyboard focus. Qt sends one for the control a
// focus move asked for, after the handlers the move ran; when one of them moved the focus on
// (the month list closing as it loses the focus), this one says where it really is.
void NotifyFocus(QWidget& widget);

} // namespace vak
