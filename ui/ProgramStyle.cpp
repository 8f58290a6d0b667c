// The program's style: the focus rectangle of push buttons.
#include "ui/ProgramStyle.h"

#include <QApplication>
#include <QPainter>
#include <QPen>
#include <QProxyStyle>
#include <QStyleOptionButton>

namespace vak {

namespace {

constexpr int FOCUS_INSET = 4;  // pixels between the button's edge and its focus rectangle

class CProgramStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element == CE_PushButton && (option->state & State_HasFocus))
            DrawFocusRectangle(*option, *painter);
    }

private:
    static void DrawFocusRectangle(const QStyleOption& option, QPainter& painter)
    {
        painter.save();
        QPen pen(option.palette.color(QPalette::ButtonText), 1, Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(option.rect.adjusted(FOCUS_INSET, FOCUS_INSET, -FOCUS_INSET - 1, -FOCUS_INSET - 1));
        painter.restore();
    }
};

} // namespace

void InstallProgramStyle(QApplication& application)
{
    // The proxy takes over the current style; the application owns the proxy.
    application.setStyle(new CProgramStyle(QApplication::style()->name()));
}

} // namespace vak
