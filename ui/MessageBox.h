// The one message-box function of the program, titled with the application title, and the
// message sink through which the group data reports to the user. Tests script the answers.
#pragma once

#include "res/Messages.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace vak {

// The executable's file name without its extension ("Vak").
QString ApplicationTitle();

// Shows `text` as plain text (never as rich text: a group file's text could carry a link) in a
// modal message box owned by `parent`, with an OK button or Yes and No (`defaultAnswer` on
// Enter), and returns the answer. While a script is running nothing is shown: the text is
// recorded and the answer taken from the script.
MsgAnswer VakMessageBox(QWidget* parent, const QString& text, MsgButtons buttons, MsgIcon icon,
                        MsgAnswer defaultAnswer = MsgAnswer::Yes);

// Answers message boxes without showing them, for tests.
class MessageBoxScript {
public:
    MessageBoxScript();
    ~MessageBoxScript();
    MessageBoxScript(const MessageBoxScript&) = delete;
    MessageBoxScript& operator=(const MessageBoxScript&) = delete;

    // The next question is answered with `answer`; questions beyond the queue get No.
    void QueueAnswer(MsgAnswer answer);
    // Texts shown so far, oldest first.
    const QStringList& Shown() const { return m_shown; }
    QString Last() const { return m_shown.isEmpty() ? QString() : m_shown.back(); }
    void Clear() { m_shown.clear(); }

private:
    friend MsgAnswer VakMessageBox(QWidget*, const QString&, MsgButtons, MsgIcon, MsgAnswer);
    MsgAnswer Answer(const QString& text, MsgButtons buttons);

    QStringList m_shown;
    QList<MsgAnswer> m_answers;
};

// The group data's messages shown through VakMessageBox, a question with No on Enter. While
// unattended (the program is being ended by the system) they are written to stderr instead and
// a question is answered No, so nothing waits for a user.
class CMessageBoxSink : public MessageSink {
public:
    explicit CMessageBoxSink(QWidget* parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }
    void SetUnattended(bool unattended) { m_unattended = unattended; }
    bool Unattended() const { return m_unattended; }
    MsgAnswer Show(const std::string& text, MsgButtons buttons, MsgIcon icon) override;

private:
    QWidget* m_parent;
    bool m_unattended = false;
};

} // namespace vak
