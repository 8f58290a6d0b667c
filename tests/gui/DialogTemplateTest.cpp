// The dialog templates built into windows: every control of the main window in place with its
// text and initial visibility, the tab order of the template, dialog units, the about box.
#include "MainWindowFixture.h"

#include "app/AboutDlg.h"
#include "app/DialogBuilder.h"
#include "app/ListBox.h"
#include "res/DialogTemplates.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace vak::test {
namespace {

struct Expected {
    int id;
    const char* type;  // Qt class of the control
    const char* text;
    bool visible;
};

TEST_F(MainWindowTest, MainWindowHasEveryControlWithItsTextAndVisibility)
{
    const Expected controls[] = {
        {IDC_PUBLISHER_LIST, "vak::CListBox", "", true},
        {IDOK, "QPushButton", "OK", true},
        {IDCANCEL, "QPushButton", "Zavřít program", true},
        {IDC_FILTER, "QCheckBox", "Omezit na neodevzdané zprávy", false},
        {IDC_LAST_ENTERED, "QLabel", "", true},
        {IDC_LOAD_LIST, "QPushButton", "Načíst nový list od tajemníka", true},
        {IDC_PREVIEW, "QPushButton", "Náhled a tisk listu se zprávami", false},
        {IDC_SEND_REPORT, "QPushButton", "Odeslat aktualizovaný list tajemníkovi", false},
        {IDC_TOTAL_COUNT, "QLabel", "", true},
        {IDC_MISSING_COUNT, "QLabel", "", true},
        {IDC_DIAL, "QPushButton", "Vytočit", false},
        {IDC_PHONE, "QLabel", "", true},
        {IDC_NEXT_PHONE, "QPushButton", "> > >", false},
        {IDC_HELP_TIPS, "QPushButton", "Pomoc", true},
        {IDC_SEND_REMINDER, "QPushButton", "", false},
        {IDC_PREVIEW_REMINDER, "QPushButton", "Náhled e-mailu", false},
    };
    TestMainDlg& dlg = Open("");
    for (const Expected& c : controls) {
        SCOPED_TRACE(c.id);
        QWidget* widget = dlg.GetDlgItem(c.id);
        ASSERT_NE(widget, nullptr);
        EXPECT_STREQ(widget->metaObject()->className(), c.type);
        EXPECT_EQ(Text(c.id), QString::fromUtf8(c.text));
        EXPECT_EQ(Visible(c.id), c.visible);
    }
    EXPECT_TRUE(dlg.GetDlgItem(IDOK)->property("default").toBool());

    const QList<QGroupBox*> boxes = dlg.findChildren<QGroupBox*>();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes.front()->title(), QStringLiteral(" Zadávání skončeno u "));
    // The name of the last entry sits inside its frame, the counts inside theirs.
    EXPECT_TRUE(boxes.front()->geometry().contains(dlg.GetDlgItem(IDC_LAST_ENTERED)->geometry()));
}

TEST_F(MainWindowTest, TabOrderFollowsTheTemplate)
{
    TestMainDlg& dlg = OpenGroup(SimpleGroup(3));
    const QList<int> expected = {IDC_PUBLISHER_LIST, IDOK, IDCANCEL, IDC_FILTER, IDC_LOAD_LIST,
                                 IDC_PREVIEW, IDC_SEND_REPORT, IDC_HELP_TIPS, IDC_PUBLISHER_LIST};
    for (int i = 1; i < expected.size(); ++i) {
        Press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), dlg.GetDlgItem(expected[i])) << "step " << i;
    }
}

TEST(DialogUnitsTest, PixelsFollowTheBaseUnitsOfTheFont)
{
    // Base units 6 x 13 are those of the classic 8-point dialog font at 96 dpi.
    EXPECT_EQ(DialogUnitsToPixels({6, 13}, 10, 10, 118, 139), QRect(15, 16, 177, 226));
    EXPECT_EQ(DialogUnitsToPixels({6, 13}, 0, 0, 320, 213).size(), QSize(480, 346));

    const QFont font = QApplication::font();
    const DialogBaseUnits units = BaseUnitsOf(font);
    EXPECT_EQ(units.y, QFontMetrics(font).height());
    EXPECT_GT(units.x, 0);
    EXPECT_LT(units.x, units.y);
}

TEST(DialogTemplatesTest, TemplatesAreKnownByIdAndControlsStayInsideTheirDialog)
{
    EXPECT_EQ(FindDialogTemplate(101), nullptr);
    for (const int id : {IDD_ABOUTBOX, IDD_MAIN, IDD_ENTRY}) {
        const DialogTemplate* dialogTemplate = FindDialogTemplate(id);
        ASSERT_NE(dialogTemplate, nullptr);
        for (const DialogControl& control : dialogTemplate->controls) {
            EXPECT_LE(control.x + control.w, dialogTemplate->w) << control.text;
            EXPECT_LE(control.y + control.h, dialogTemplate->h) << control.text;
        }
    }
    EXPECT_EQ(FindDialogTemplate(IDD_MAIN)->controls.size(), 18u);
}

TEST_F(MainWindowTest, AboutItemOpensTheAboutBoxWhichOkCloses)
{
    TestMainDlg& dlg = Open("");
    const QList<QAction*> actions = dlg.actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_TRUE(actions[0]->isSeparator());
    EXPECT_EQ(actions[1]->text(), QStringLiteral("&O programu Vak..."));

    QString title;
    QStringList texts;
    QTimer::singleShot(50, [&] {
        auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
        if (!about)
            return;
        title = about->windowTitle();
        for (const QLabel* label : about->findChildren<QLabel*>())
            if (!label->text().isEmpty())
                texts.append(label->text());
        QTest::keyClick(about->GetDlgItem(IDOK), Qt::Key_Space);
    });
    actions[1]->trigger();

    EXPECT_EQ(title, QStringLiteral("O programu Vak"));
    EXPECT_TRUE(texts.contains(QStringLiteral("Vak verze 5")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Requires Zazuda.t09 files from Kelvora Version 10 or later")));
    EXPECT_FALSE(dlg.IsClosed());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    EXPECT_TRUE(ListHasFocus());

    // Any other system command is left to the window.
    dlg.OnSysCommand(0xF060);
    EXPECT_FALSE(dlg.IsClosed());
}

TEST_F(MainWindowTest, HelpShowsTheTipsInOneMessage)
{
    TestMainDlg& dlg = Open("");
    Click(IDC_HELP_TIPS);
    ASSERT_EQ(m_boxes->Shown().size(), 1);
    const QString tips = m_boxes->Last();
    EXPECT_TRUE(tips.startsWith(QStringLiteral("Tipy pro používání VAK\n\nOd vašeho tajemníka")));
    EXPECT_TRUE(tips.contains(QStringLiteral("zprávy.  Kliknutím na ikonu VAK")));
    EXPECT_TRUE(tips.endsWith(QStringLiteral("na přenosném médiu.\n\n")));
    EXPECT_TRUE(ListHasFocus());

    // F1 shows the same tips.
    Press(Qt::Key_F1);
    EXPECT_EQ(m_boxes->Shown().size(), 2);
    EXPECT_EQ(m_boxes->Last(), tips);
    (void)dlg;
}

TEST_F(MainWindowTest, ButtonsOfLaterCommandsReturnTheFocusToTheList)
{
    fixtures::GroupBuilder group;
    group.Group(3).Month(2);
    group.AddPublisher({.firstName = "Jan", .surname = "Novák", .email = "jan@example.cz"});
    group.AddPublisher({.firstName = "Eva", .surname = "Malá"});
    TestMainDlg& dlg = OpenGroup(group);
    for (const int id : {IDC_PREVIEW, IDC_SEND_REPORT, IDC_SEND_REMINDER, IDC_PREVIEW_REMINDER}) {
        SCOPED_TRACE(id);
        Click(id);
        EXPECT_TRUE(ListHasFocus());
        EXPECT_FALSE(dlg.IsClosed());
    }
    EXPECT_EQ(dlg.previews, 1);
    // The report file's place, the reminder's address and the reminder's text.
    EXPECT_EQ(m_boxes->Shown().size(), 3);
}

} // namespace
} // namespace vak::test
