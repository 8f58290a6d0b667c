// The dialog templates built into windows: every control of the main window in place with its
// text and initial visibility, the tab order of the template, dialog units, the about box.
#include "MainWindowFixture.h"

#include "main/AboutDlg.h"
#include "res/DialogTemplates.h"
#include "res/StringTable.h"
#include "ui/DialogBuilder.h"
#include "ui/ListBox.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace vak::test {
namespace {

TEST_F(MainWindowTest, ControlsShowTheirTextsInsideTheWindowWithoutOverlapping)
{
    const std::pair<int, const char*> controls[] = {
        {IDC_PUBLISHER_LIST, ""},
        {IDOK, "OK"},
        {IDCANCEL, "Zavřít program"},
        {IDC_FILTER, "Omezit na neodevzdané zprávy"},
        {IDC_LAST_ENTERED, ""},
        {IDC_LOAD_LIST, "Načíst nový list od tajemníka"},
        {IDC_PREVIEW, "Náhled a tisk listu se zprávami"},
        {IDC_SEND_REPORT, "Odeslat aktualizovaný list tajemníkovi"},
        {IDC_TOTAL_COUNT, ""},
        {IDC_MISSING_COUNT, ""},
        {IDC_DIAL, "Vytočit"},
        {IDC_PHONE, ""},
        {IDC_NEXT_PHONE, "> > >"},
        {IDC_HELP_TIPS, "Pomoc"},
        {IDC_SEND_REMINDER, ""},
        {IDC_PREVIEW_REMINDER, "Náhled e-mailu"},
        {IDC_MONTH_SUMMARY, "Souhrn měsíce"},
        {IDC_REMIND_ALL, "Připomenout všem neodevzdaným..."},
    };
    TestMainDlg& dlg = Open("");
    for (std::size_t i = 0; i < std::size(controls); ++i) {
        const auto& [id, text] = controls[i];
        SCOPED_TRACE(id);
        const QWidget* widget = dlg.GetDlgItem(id);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(Text(id), QString::fromUtf8(text));
        EXPECT_TRUE(dlg.rect().contains(widget->geometry()));
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_FALSE(widget->geometry().intersects(dlg.GetDlgItem(controls[j].first)->geometry()))
                << "overlaps " << controls[j].first;
    }
    EXPECT_TRUE(dlg.GetDlgItem(IDOK)->property("default").toBool());

    const QList<QGroupBox*> boxes = dlg.findChildren<QGroupBox*>();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes.front()->title(), QStringLiteral(" Zadávání skončeno u "));
    // The name of the last entry sits inside its frame.
    EXPECT_TRUE(boxes.front()->geometry().contains(dlg.GetDlgItem(IDC_LAST_ENTERED)->geometry()));
}

TEST_F(MainWindowTest, TabOrderFollowsTheTemplate)
{
    TestMainDlg& dlg = OpenGroup(SimpleGroup(3));
    const QList<int> expected = {IDC_PUBLISHER_LIST, IDOK,          IDCANCEL,           IDC_FILTER,
                                 IDC_LOAD_LIST,      IDC_PREVIEW,   IDC_SEND_REPORT,    IDC_HELP_TIPS,
                                 IDC_MONTH_SUMMARY,  IDC_REMIND_ALL, IDC_PUBLISHER_LIST};
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
    // A unit height holds a line as Qt lays it out, which may take a pixel more than the font's height.
    EXPECT_GE(units.y, QFontMetrics(font).height());
    EXPECT_LE(units.y, QFontMetrics(font).height() + 2);
    EXPECT_GT(units.x, 0);
    EXPECT_LT(units.x, units.y);
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
    // The eight tips, joined in their order.
    qsizetype at = 0;
    for (const char* joint : {"zprávy.  Kliknutím na ikonu", "soubor.\n\nUvidíte", "Enter.\n\nKlávesou",
                              "seznamu.\n\nChcete-li zadat", "zpr.).\n\nZvěstovateli", "neodevzdali.\n\nJakmile",
                              "čísel.\n\nPokud máte"}) {
        at = tips.indexOf(QString::fromUtf8(joint), at);
        EXPECT_GT(at, 0) << joint;
    }
    // The tip on the month's commands comes last and names both buttons as they read.
    at = tips.indexOf(QStringLiteral("na přenosném médiu.\n\nNa konci měsíce"), at);
    EXPECT_GT(at, 0);
    for (const int id : {IDC_REMIND_ALL, IDC_MONTH_SUMMARY})
        EXPECT_GT(tips.indexOf(QLatin1Char('"') + Text(id) + QLatin1Char('"'), at), at) << id;
    // Every Alt key the tips name opens a button of the report entry, whose text they quote.
    const std::pair<const char*, const char*> keys[] = {{"Alt+P", "&Poznámky"}, {"Alt+M", "Změna &měs. (opožděné zpr.)"}};
    for (const auto& [key, button] : keys) {
        EXPECT_TRUE(tips.contains(QString::fromUtf8(key))) << key;
        EXPECT_TRUE(tips.contains(QString::fromUtf8(button).remove(QLatin1Char('&')))) << button;
    }
    EXPECT_EQ(ResString(IDS_CHANGE_MONTH), keys[1].second);  // the month list button's own text
    for (const char* typo : {"napiště", "změny.Pokud", "Alt-R"})
        EXPECT_FALSE(tips.contains(QString::fromUtf8(typo))) << typo;
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
