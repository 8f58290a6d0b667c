// What a screen reader gets: the names users need most (every control of every window is named:
// the shown-window audit and the window walk of LargeFontTest check that), the focus event after
// each focus move the program makes, and the warning and credit texts announced when they change.
#include "EntryFixture.h"
#include "WindowAudit.h"

#include "print/PreviewDlg.h"
#include "res/DialogTemplates.h"
#include "ui/ListBox.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QTimer>
// The offscreen platform reports accessibility as inactive, and Qt then sends no events; the
// test switches it on as Qt's own accessibility tests do.
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace vak::test {
namespace {

// Records the accessibility events Qt sends while it lives.
class AccessibilityEvents {
public:
    AccessibilityEvents()
    {
        s_events = this;
        QAccessible::installUpdateHandler(&AccessibilityEvents::Record);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    }
    ~AccessibilityEvents()
    {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        QAccessible::installUpdateHandler(nullptr);
        s_events = nullptr;
    }
    AccessibilityEvents(const AccessibilityEvents&) = delete;
    AccessibilityEvents& operator=(const AccessibilityEvents&) = delete;

    // The object of the last focus event, or nullptr.
    QObject* LastFocus() const { return m_lastFocus; }
    // Names of the notifications that appeared, oldest first.
    const QStringList& Announced() const { return m_announced; }

private:
    static void Record(QAccessibleEvent* event)
    {
        if (event->type() == QAccessible::Focus)
            s_events->m_lastFocus = event->object();
        QAccessibleInterface* source = event->accessibleInterface();
        if (event->type() == QAccessible::ObjectShow && source && source->role() == QAccessible::Notification)
            s_events->m_announced.append(source->text(QAccessible::Name));
    }

    static AccessibilityEvents* s_events;
    QObject* m_lastFocus = nullptr;
    QStringList m_announced;
};
AccessibilityEvents* AccessibilityEvents::s_events = nullptr;

using AccessibilityTest = EntryDialogTest;

TEST_F(AccessibilityTest, NamesUsersNeedMostAreThere)
{
    // The old form: each field by its column heading, the hidden note field and month list.
    OpenEntry(Group(OLD_FORM_MONTH), 1, OLD_FORM_TODAY);
    const std::pair<int, const char*> oldForm[] = {
        {IDC_PUBLICATIONS, "Publ"}, {IDC_VIDEOS, "Videa"}, {IDC_HOURS, "Hod"}, {IDC_RETURN_VISITS, "ON"},
        {IDC_STUDIES, "BS"}, {IDC_NOTE, "Poznámky"}, {IDC_NOTES, "Poznámky"}, {IDC_MONTH_LIST, "Měsíc"},
        {IDC_UNDER_ONE_HOUR, "<1 h"}, {IDC_CHANGE_MONTH, "Změna měs. (opožděné zpr.)"}, {IDOK, "OK"}};
    for (const auto& [id, name] : oldForm)
        EXPECT_EQ(AccessibleName(m_entry->GetDlgItem(id)), QString::fromUtf8(name)) << id;
    // Tooltips are the boxes' descriptions.
    EXPECT_EQ(AccessibleDescription(m_entry->GetDlgItem(IDC_UNDER_ONE_HOUR)), QStringLiteral("Méne než 1 hodina"));
    EXPECT_EQ(AccessibleDescription(m_entry->GetDlgItem(IDC_PARTICIPATION)),
              QStringLiteral("Účast na nějakém druhu služby"));

    // The new form of a pioneer who took part.
    fixtures::GroupBuilder pioneer = Group();
    pioneer.Publisher(1).Status(NEW_FORM_MONTH, 0, 2).Report(NEW_FORM_MONTH, 0, {.hours = 12, .participation = true});
    OpenEntry(pioneer);
    for (const auto& [id, name] : {std::pair{IDC_HOURS, "Hod"}, {IDC_STUDIES, "BS"}, {IDC_PARTICIPATION, "Účast na službě"}})
        EXPECT_EQ(AccessibleName(m_entry->GetDlgItem(id)), QString::fromUtf8(name)) << id;

    // The main window: the list, and the e-mail button while it has no caption, then by it.
    m_entry.reset();
    TestMainDlg& dlg = OpenGroup([] {
        fixtures::GroupBuilder g;
        g.Group(3).Month(2);
        g.AddPublisher({.firstName = "Jan", .surname = "Bez"});
        g.AddPublisher({.firstName = "Eva", .surname = "Malá", .email = "eva@example.cz"});
        return g;
    }());
    EXPECT_EQ(AccessibleName(dlg.PublisherList()), QStringLiteral("Zvěstovatelé"));
    EXPECT_EQ(AccessibleName(dlg.GetDlgItem(IDC_SEND_REMINDER)), QStringLiteral("E-mail"));
    Press(Qt::Key_Down);
    EXPECT_EQ(AccessibleName(dlg.GetDlgItem(IDC_SEND_REMINDER)), QStringLiteral("E-mail - eva@example.cz"));
    EXPECT_EQ(AccessibleName(dlg.GetDlgItem(IDOK)), QStringLiteral("Zvěst. - Malá, Eva"));

    CPreviewDlg preview(dlg, dlg.Printers(), dlg.m_strLang, &dlg);
    preview.m_nMonth = dlg.m_nMonth;
    preview.OnInitDialog();
    EXPECT_EQ(AccessibleName(preview.GetDlgItem(IDC_PREVIEW_PANE)), QStringLiteral("Náhled listu"));
}

TEST_F(AccessibilityTest, EveryFocusMoveOfTheProgramReachesTheScreenReader)
{
    AccessibilityEvents events;
    const auto expectFocusEvent = [&events](const char* step) {
        ASSERT_NE(QApplication::focusWidget(), nullptr) << step;
        EXPECT_EQ(events.LastFocus(), QApplication::focusWidget()) << step;
    };
    // The entry: opening, Enter from field to field, the arrows, the month list and the note.
    OpenEntry(Group(OLD_FORM_MONTH), 1, OLD_FORM_TODAY);
    expectFocusEvent("opened");
    for (const char* keys : {"5\n", "\n", ">", "<"}) {
        Keys(QString::fromLatin1(keys));
        expectFocusEvent(keys);
    }
    Alt('m');
    expectFocusEvent("month list");
    Keys("~\n");
    expectFocusEvent("month list closed");
    Alt('p');
    expectFocusEvent("note field");
    Keys("x\n");
    expectFocusEvent("note stored");
    m_entry.reset();

    // The main window: the list after its commands and after the entry it opened.
    TestMainDlg& dlg = OpenGroup(SimpleGroup(3));
    expectFocusEvent("main window");
    dlg.realEntry = true;
    QTimer::singleShot(0, [this] {
        ASSERT_TRUE(QTest::qWaitFor([] { return qobject_cast<CEntryDlg*>(QApplication::activeWindow()); }));
        Press(Qt::Key_Escape);
    });
    Press(Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([this] { return ListHasFocus(); }));
    expectFocusEvent("entry closed");
    Click(IDC_HELP_TIPS);
    expectFocusEvent("help");
    Click(IDC_FILTER);
    expectFocusEvent("filter");
}

TEST_F(AccessibilityTest, WarningAndCreditAreAnnouncedWhenTheyChange)
{
    AccessibilityEvents events;
    fixtures::GroupBuilder group = Group();
    group.Publisher(1).Status(NEW_FORM_MONTH, 0, 2).Report(NEW_FORM_MONTH, 0, {.hours = 60, .participation = true, .credit = 30});
    group.Publisher(1).Status(NEW_FORM_MONTH - 1, 0, 2).Report(NEW_FORM_MONTH - 1, 0, {.hours = 3, .participation = true});
    OpenEntry(group);
    // What the dialog opens with is read with the dialog, not announced.
    EXPECT_EQ(events.Announced(), QStringList());

    // The hours typed change the credit when the field is left.
    Keys("\n70\n");
    QTest::qWait(0);
    EXPECT_EQ(EntryText(IDC_CREDIT), QStringLiteral("( + 5 Hod )"));
    EXPECT_EQ(events.Announced(), QStringList({"( + 5 Hod )"}));

    // Moving through the month list changes the warning (and the credit) of the month shown.
    Alt('m');
    Keys("^");
    QTest::qWait(0);
    ASSERT_EQ(events.Announced().size(), 2);
    const QString warning = EntryText(IDC_WARNING).simplified();
    EXPECT_TRUE(warning.startsWith(QStringLiteral("- VÝSTRAHA -"))) << warning.toStdString();
    EXPECT_TRUE(events.Announced()[1].contains(warning)) << events.Announced()[1].toStdString();
}

} // namespace
} // namespace vak::test
