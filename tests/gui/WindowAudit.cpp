// The window audit: the accessibility tree walked through QAccessible, and the geometry of the
// template's controls measured with the fonts they draw with.
#include "WindowAudit.h"

#include "res/DialogTemplates.h"
#include "ui/DialogBuilder.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace vak::test {
namespace {

bool IsControlRole(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::EditableText:
    case QAccessible::List:
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
        return true;
    default:
        return false;
    }
}

QString Describe(const QAccessibleInterface& control, const QWidget& window)
{
    const QObject* object = control.object();
    return QStringLiteral("%1 %2 \"%3\" in \"%4\"")
        .arg(object ? QString::fromLatin1(object->metaObject()->className()) : QStringLiteral("?"),
             object ? object->objectName() : QString(), control.text(QAccessible::Value), window.windowTitle());
}

void CollectUnnamed(QAccessibleInterface& parent, const QWidget& window, QStringList& problems)
{
    for (int i = 0; i < parent.childCount(); ++i) {
        QAccessibleInterface* child = parent.child(i);
        if (!child)
            continue;
        if (IsControlRole(child->role()) && child->text(QAccessible::Name).trimmed().isEmpty())
            problems.append(QStringLiteral("no name: ") + Describe(*child, window));
        CollectUnnamed(*child, window, problems);
    }
}

// The template rows of the window's controls: the builder creates them first, in template order.
std::vector<std::pair<QWidget*, const DialogControl*>> TemplateControls(QWidget& window)
{
    std::vector<std::pair<QWidget*, const DialogControl*>> controls;
    const DialogTemplate* dialogTemplate = FindDialogTemplate(TemplateOf(window));
    if (!dialogTemplate)
        return controls;
    std::size_t row = 0;
    for (QObject* child : window.children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || row == dialogTemplate->controls.size())
            continue;
        controls.emplace_back(widget, &dialogTemplate->controls[row++]);
    }
    return controls;
}

bool IsFrame(ControlKind kind)
{
    return kind == ControlKind::GroupBox || kind == ControlKind::EtchedFrame;
}

// Whether `text` drawn with `flags` into `room` stays inside it, with the font of `widget`. It is
// laid out in the room itself, as it is drawn: centred in a room of no height, a line would be
// placed half a pixel off and measured a pixel taller than it is.
bool Fits(const QWidget& widget, const QRect& room, int flags, const QString& text)
{
    return text.isEmpty() || room.contains(QFontMetrics(widget.font()).boundingRect(room, flags, text));
}

bool ButtonTextFits(QPushButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QRect room = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    return Fits(button, room, Qt::AlignCenter | Qt::TextShowMnemonic, button.text());
}

bool CheckBoxTextFits(QCheckBox& box, unsigned style)
{
    const int indicator = box.style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &box) +
                          box.style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &box);
    const int wrap = (style & STYLE_MULTILINE) ? Qt::TextWordWrap : 0;
    return Fits(box, box.rect().adjusted(indicator, 0, 0, 0), Qt::AlignCenter | Qt::TextShowMnemonic | wrap, box.text());
}

bool EditTextFits(QLineEdit& edit)
{
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.lineWidth = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
    const QRect room = edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
    // A count field holds up to four digits.
    return Fits(edit, room, Qt::AlignLeft, edit.text().isEmpty() ? QStringLiteral("0") : edit.text());
}

bool ListTextFits(QListWidget& list)
{
    for (int row = 0; row < list.count(); ++row)
        if (!Fits(list, list.viewport()->rect(), Qt::AlignLeft, list.item(row)->text()))
            return false;
    return true;
}

bool TextFits(QWidget& widget, const DialogControl& control)
{
    if (auto* label = qobject_cast<QLabel*>(&widget); label && control.kind == ControlKind::Static)
        return Fits(*label, label->contentsRect(), int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0),
                    label->text());
    if (auto* button = qobject_cast<QPushButton*>(&widget); button && control.kind != ControlKind::OwnerDrawButton)
        return ButtonTextFits(*button);
    if (auto* box = qobject_cast<QCheckBox*>(&widget))
        return CheckBoxTextFits(*box, control.style);
    if (auto* edit = qobject_cast<QLineEdit*>(&widget))
        return EditTextFits(*edit);
    if (auto* list = qobject_cast<QListWidget*>(&widget))
        return ListTextFits(*list);
    if (auto* group = qobject_cast<QGroupBox*>(&widget))
        return Fits(*group, group->rect(), Qt::AlignLeft, group->title());
    return true;
}

QString Name(const QWidget& widget, const DialogControl& control)
{
    return QStringLiteral("control %1 (\"%2\")")
        .arg(control.id)
        .arg(widget.property("text").toString().isEmpty() ? QString::fromUtf8(control.text)
                                                            : widget.property("text").toString());
}

// Where a control shows itself: a static text only where its text is drawn (it has no
// background of its own), any other control over its whole rectangle.
QRect Occupied(QWidget& widget, const DialogControl& control)
{
    auto* label = qobject_cast<QLabel*>(&widget);
    if (!label || control.kind != ControlKind::Static)
        return widget.geometry();
    if (label->text().isEmpty())
        return {};
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect drawn = QFontMetrics(label->font()).boundingRect(label->contentsRect(), flags, label->text());
    return drawn.translated(label->pos());
}

} // namespace

QStringList LayoutProblems(QWidget& window, bool shownOnly)
{
    QStringList problems;
    const auto controls = TemplateControls(window);
    std::vector<std::pair<QWidget*, const DialogControl*>> placed;
    for (const auto& [widget, control] : controls) {
        if (shownOnly && !widget->isVisibleTo(&window))
            continue;
        const QString name = Name(*widget, *control);
        if (!window.rect().contains(widget->geometry()))
            problems.append(name + QStringLiteral(" leaves the window"));
        if (!TextFits(*widget, *control))
            problems.append(name + QStringLiteral(" cuts its text off"));
        if (!shownOnly || IsFrame(control->kind))
            continue;
        for (const auto& [other, otherControl] : placed)
            if (Occupied(*widget, *control).intersects(Occupied(*other, *otherControl)))
                problems.append(name + QStringLiteral(" lies over ") + Name(*other, *otherControl));
        placed.emplace_back(widget, control);
    }
    return problems;
}

namespace {

class CShownWindowAudit : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* window = static_cast<QWidget*>(watched);
            if (window->isWindow() && (TemplateOf(*window) != 0 || qobject_cast<QMessageBox*>(window)))
                for (const QString& problem : UnnamedControls(*window))
                    ADD_FAILURE() << problem.toStdString();
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

QStringList UnnamedControls(QWidget& window)
{
    QStringList problems;
    if (QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window))
        CollectUnnamed(*root, window, problems);
    return problems;
}

QString AccessibleName(QWidget* widget)
{
    QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
    return control ? control->text(QAccessible::Name) : QString();
}

QString AccessibleDescription(QWidget* widget)
{
    QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
    return control ? control->text(QAccessible::Description) : QString();
}

void AuditWindowsAsTheyAreShown(QApplication& application)
{
    application.installEventFilter(new CShownWindowAudit(&application));
}

} // namespace vak::test
