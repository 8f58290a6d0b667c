// The window audit: the accessibility tree walked through QAccessible.
#include "WindowAudit.h"

#include "app/DialogBuilder.h"

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>

#include <gtest/gtest.h>

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
