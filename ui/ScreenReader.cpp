// The announcement, a hidden and empty child of the window that screen readers know as a
// notification, shown again with each new text; the focus event.
#include "ui/ScreenReader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace vak {

namespace {

class CAnnouncement : public QWidget {
    Q_OBJECT
public:
    CAnnouncement()
    {
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFixedSize(0, 0);
    }

    void Add(const QString& text)
    {
        if (m_pending.isEmpty())
            QTimer::singleShot(0, this, &CAnnouncement::Present);
        m_pending.append(text);
    }

private:
    void Present()
    {
        setAccessibleName(m_pending.join(QLatin1Char(' ')));
        m_pending.clear();
        // Appearing is what makes a screen reader speak it, also when it was shown before.
        hide();
        show();
    }

    QStringList m_pending;
};

QAccessibleInterface* AnnouncementInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String(CAnnouncement::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

void Announce(QWidget& window, const QString& text)
{
    const QString spoken = text.simplified();
    if (spoken.isEmpty())
        return;
    auto* announcement = window.findChild<CAnnouncement*>(QString(), Qt::FindDirectChildrenOnly);
    if (!announcement) {
        static const bool factoryInstalled = (QAccessible::installFactory(AnnouncementInterface), true);
        (void)factoryInstalled;
        // Made whole before it joins the window, so that its accessible interface is the
        // notification's and not a plain widget's.
        announcement = new CAnnouncement;
        announcement->setParent(&window);
    }
    announcement->Add(spoken);
}

void NotifyFocus(QWidget& widget)
{
    QAccessibleEvent event(&widget, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

} // namespace vak

#include "ScreenReader.moc"
