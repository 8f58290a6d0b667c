// Key filter of the report fields.
#include "entry/EntryEdit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace vak {

namespace {

bool IsAllowedCharacter(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.');
}

// Keys through which text reaches a field other than by typing it, or the field's text is
// changed wholesale: they do nothing here, as the Ctrl-letter shortcuts do nothing on Windows.
bool IsClipboardOrUndoKey(const QKeyEvent& key)
{
    for (const auto sequence : {QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Copy, QKeySequence::Undo,
                                QKeySequence::Redo, QKeySequence::SelectAll, QKeySequence::DeleteStartOfWord,
                                QKeySequence::DeleteEndOfWord, QKeySequence::DeleteCompleteLine})
        if (key.matches(sequence))
            return true;
    return false;
}

// Enter, Tab and Esc belong to the dialog.
bool IsDialogKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab || key == Qt::Key_Backtab ||
           key == Qt::Key_Escape;
}

} // namespace

CEntryEdit::CEntryEdit(QLineEdit& field, MoveField moveField)
    : QObject(&field), m_field(field), m_moveField(std::move(moveField))
{
    // Only typed characters reach the field: no pasting by menu, middle button, drop or input
    // method, which would pass the filter by.
    m_field.setContextMenuPolicy(Qt::NoContextMenu);
    m_field.setAcceptDrops(false);
    m_field.setAttribute(Qt::WA_InputMethodEnabled, false);
    m_field.installEventFilter(this);
}

bool CEntryEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_field)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return OnKeyDown(static_cast<const QKeyEvent&>(*event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        // The middle button pastes the X11 selection.
        return static_cast<const QMouseEvent*>(event)->button() == Qt::MiddleButton;
    default:
        return false;
    }
}

bool CEntryEdit::OnKeyDown(const QKeyEvent& key)
{
    if (key.key() == Qt::Key_Left || key.key() == Qt::Key_Right) {
        m_moveField(key.key() == Qt::Key_Right);
        return true;
    }
    if (IsDialogKey(key.key()))
        return false;
    if (IsClipboardOrUndoKey(key))
        return true;
    // With Ctrl, Alt or Meta a key types a control character or a menu command, not text.
    const bool commandModifier = (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    if (commandModifier)
        return !key.text().isEmpty();
    // Backspace and Delete carry control-character text but edit as usual.
    if (key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Delete || key.text().isEmpty())
        return false;
    return OnChar(key.text());
}

bool CEntryEdit::OnChar(const QString& text)
{
    if (text == QLatin1String(" ")) {
        m_field.setText(QStringLiteral("0"));
        m_field.selectAll();
        return true;
    }
    const bool allowed = std::all_of(text.begin(), text.end(), IsAllowedCharacter);
    return !allowed;
}

} // namespace vak
