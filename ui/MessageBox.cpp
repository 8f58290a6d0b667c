// Message boxes: the real modal box, its test script and the sink for the group data.
#include "ui/MessageBox.h"

#include "ui/Termination.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>
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

// A text taller than half the screen goes into a scroll area, half the screen high and at most
// half its width (longer lines wrap), so that the box and its buttons stay on the screen (a
// reminder's outcome can name a hundred failed messages).
void ScrollLongText(QMessageBox& box)
{
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    const QScreen* screen = box.screen();
    if (!label || !grid || !screen)
        return;
    const int room = screen->availableGeometry().height() / 2;
    if ((label->text().count(QLatin1Char('\n')) + 1) * label->fontMetrics().lineSpacing() <= room)
        return;
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(label), &row, &column, &rowSpan, &columnSpan);
    grid->removeWidget(label);
    auto* scroll = new QScrollArea(&box);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(label);
    const int width = std::min(label->sizeHint().width(), screen->availableGeometry().width() / 2);
    label->setWordWrap(true);
    scroll->setMinimumWidth(width + scroll->verticalScrollBar()->sizeHint().width());
    scroll->setFixedHeight(room);
    grid->addWidget(scroll, row, column, rowSpan, columnSpan);
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
    ScrollLongText(box);
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
    const MsgAnswer answer = VakMessageBox(m_parent, QString::fromStdString(text), buttons, icon, DefaultAnswer(buttons));
    // A request to end the program that came while the box was open finds nobody to answer.
    return TerminationRequested() ? DefaultAnswer(buttons) : answer;
}

} // namespace vak
