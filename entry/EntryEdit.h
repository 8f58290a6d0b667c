// The keyboard behaviour of the five report fields: digits, Backspace and "." are typed, a
// space turns the field into a selected "0", every other character is dropped, and the Left and
// Right arrows move to the neighbouring field.
#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;
class QLineEdit;

namespace vak {

class CEntryEdit : public QObject {
public:
    // Called with forward = true for Right, false for Left.
    using MoveField = std::function<void(bool forward)>;

    // Gives `field` the behaviour; the object lives as long as the field.
    CEntryEdit(QLineEdit& field, MoveField moveField);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Returns true when the key is taken here (moved, replaced or dropped).
    bool OnKeyDown(const QKeyEvent& key);
    bool OnChar(const QString& text);

    QLineEdit& m_field;
    MoveField m_moveField;
};

} // namespace vak
