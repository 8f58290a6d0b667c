// Message boxes: the real modal box, its test script and the sink for the group data.
#include "app/MessageBox.h"

#include "app/Termination.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

#include <iostream>

namespace vak {

namespace {

MessageBoxScript* g_script = nullptr;

QMessageBox::Icon ToQtIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Warning: return QMessageBox::Warning;
    case MsgIcon::Error: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

MsgAnswer DefaultAnswer(MsgButtons buttons)
{
    return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::No;
}

} // namespace

QString ApplicationTitle()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

MessageBoxScript::MessageBoxScript()
{
    g_script = this;
}

MessageBoxScript::~MessageBoxScript()
{
    if (g_script == this)
        g_script = nullptr;
}

void MessageBoxScript::QueueAnswer(MsgAnswer answer)
{
    m_answers.append(answer);
}

MsgAnswer MessageBoxScript::Answer(const QString& text, MsgButtons buttons)
{
    m_shown.append(text);
    if (buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    return m_answers.isEmpty() ? MsgAnswer::No : m_answers.takeFirst();
}

MsgAnswer VakMessageBox(QWidget* parent, const QString& text, MsgButtons buttons, MsgIcon icon,
                        MsgAnswer defaultAnswer)
{
    if (g_script)
        return g_script->Answer(text, buttons);

    QMessageBox box(ToQtIcon(icon), ApplicationTitle(), text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    if (buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(defaultAnswer == MsgAnswer::No ? QMessageBox::No : QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int result = box.exec();
    if (buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    return result == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}

MsgAnswer CMessageBoxSink::Show(const std::string& text, MsgButtons buttons, MsgIcon icon)
{
    // Nobody is there to answer while the program is being ended by the system.
    if (m_unattended || TerminationRequested()) {
        std::cerr << ApplicationTitle().toStdString() << ": " << text << '\n';
        return DefaultAnswer(buttons);
    }
    return VakMessageBox(m_parent, QString::fromStdString(text), buttons, icon);
}

} // namespace vak
