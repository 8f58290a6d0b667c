// Creating the controls of a dialog template with Qt widgets.
#include "app/DialogBuilder.h"

#include "app/ListBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace vak {

namespace {

int MulDiv(int value, int numerator, int denominator)
{
    return (value * numerator + denominator / 2) / denominator;
}

QLabel* CreateStatic(QWidget* parent, const DialogControl& control)
{
    auto* label = new QLabel(QString::fromUtf8(control.text), parent);
    label->setTextFormat(Qt::PlainText);
    if (control.style & STYLE_CENTRED) {
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    } else {
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
    }
    return label;
}

QLabel* CreateIcon(QWidget* parent)
{
    auto* label = new QLabel(parent);
    const QIcon icon = parent->windowIcon().isNull() ? QApplication::windowIcon() : parent->windowIcon();
    label->setPixmap(icon.pixmap(32, 32));
    return label;
}

QPushButton* CreateButton(QWidget* parent, const DialogControl& control)
{
    auto* button = new QPushButton(QString::fromUtf8(control.text), parent);
    button->setDefault(control.kind == ControlKind::DefPushButton);
    return button;
}

QFrame* CreateEtchedFrame(QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

CListBox* CreateListBox(QWidget* parent, const DialogControl& control)
{
    auto* list = new CListBox(parent);
    list->setVerticalScrollBarPolicy((control.style & STYLE_VSCROLL) ? Qt::ScrollBarAsNeeded
                                                                      : Qt::ScrollBarAlwaysOff);
    list->setFrameShape((control.style & STYLE_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
    return list;
}

} // namespace

DialogBaseUnits BaseUnitsOf(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, metrics.height()};
}

QRect DialogUnitsToPixels(const DialogBaseUnits& units, int x, int y, int w, int h)
{
    return QRect(MulDiv(x, units.x, 4), MulDiv(y, units.y, 8), MulDiv(w, units.x, 4),
                 MulDiv(h, units.y, 8));
}

bool CDialogControls::Build(QDialog& dialog, int templateId)
{
    const DialogTemplate* dialogTemplate = FindDialogTemplate(templateId);
    if (!dialogTemplate)
        return false;
    const DialogBaseUnits units = BaseUnitsOf(dialog.font());
    dialog.setWindowTitle(QString::fromUtf8(dialogTemplate->title));
    dialog.setFixedSize(DialogUnitsToPixels(units, 0, 0, dialogTemplate->w, dialogTemplate->h).size());

    for (const DialogControl& control : dialogTemplate->controls) {
        QWidget* widget = Create(dialog, control);
        widget->setGeometry(DialogUnitsToPixels(units, control.x, control.y, control.w, control.h));
        if (control.style & STYLE_HIDDEN)
            widget->setVisible(false);
        if (control.style & STYLE_NO_TABSTOP)
            widget->setFocusPolicy(Qt::NoFocus);
        if (control.id != IDC_STATIC)
            m_items.insert(control.id, widget);
    }
    return true;
}

QWidget* CDialogControls::Create(QDialog& dialog, const DialogControl& control) const
{
    switch (control.kind) {
    case ControlKind::Icon: return CreateIcon(&dialog);
    case ControlKind::Static: return CreateStatic(&dialog, control);
    case ControlKind::GroupBox: return new QGroupBox(QString::fromUtf8(control.text), &dialog);
    case ControlKind::EtchedFrame: return CreateEtchedFrame(&dialog);
    case ControlKind::ListBox: return CreateListBox(&dialog, control);
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: return CreateButton(&dialog, control);
    case ControlKind::CheckBox: return new QCheckBox(QString::fromUtf8(control.text), &dialog);
    case ControlKind::OwnerDrawButton: return new QPushButton(&dialog);
    }
    return new QWidget(&dialog);
}

void CDialogControls::OnClicked(int id, std::function<void()> handler) const
{
    if (auto* button = Item<QAbstractButton>(id))
        QObject::connect(button, &QAbstractButton::clicked, button, [handler = std::move(handler)] { handler(); });
}

void CDialogControls::Show(int id, bool visible) const
{
    if (QWidget* widget = GetDlgItem(id))
        widget->setVisible(visible);
}

void CDialogControls::SetText(int id, const QString& text) const
{
    QWidget* widget = GetDlgItem(id);
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
    else if (auto* box = qobject_cast<QGroupBox*>(widget))
        box->setTitle(text);
}

QString CDialogControls::Text(int id) const
{
    QWidget* widget = GetDlgItem(id);
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* box = qobject_cast<QGroupBox*>(widget))
        return box->title();
    return {};
}

} // namespace vak
