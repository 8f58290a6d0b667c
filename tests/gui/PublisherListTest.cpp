// The publisher list: names and order, the filter of missing reports, the selection after an
// entry, the contact controls that follow the selection, and finding a name from the keyboard.
#include "MainWindowFixture.h"

#include "data/MissingReports.h"
#include "res/DialogTemplates.h"
#include "ui/ListBox.h"

#include <QCheckBox>
#include <QTest>

namespace vak::test {
namespace {

using PublisherListTest = MainWindowTest;

fixtures::GroupBuilder NamedGroup()
{
    fixtures::GroupBuilder group;
    group.Group(7).Month(2);
    group.AddPublisher({.firstName = "Petr", .surname = "Novák"});
    group.AddPublisher({.firstName = "Marie", .surname = "Dvořáková"});
    group.AddPublisher({.firstName = "Jan", .surname = "Čermák"});
    group.AddPublisher({.firstName = "Eva", .surname = "Cibulková"});
    group.AddPublisher({.firstName = "Tomáš", .surname = "Šťastný"});
    group.AddPublisher({.firstName = "Jiří", .surname = "Dvořák"});
    return group;
}

// Entering a report for the selected publisher, as the report entry does when it stores one.
bool EnterReport(TestMainDlg& dlg, int p)
{
    MainWindowTest::EnterHours(dlg, p);
    dlg.m_strLastEntered = dlg.FormatPublisherName(p, NameForm::Caption);
    dlg.UpdateStatusTexts();
    return true;
}

TEST_F(PublisherListTest, ListShowsSurnameCommaFirstNameInFileOrder)
{
    OpenGroup(NamedGroup());
    EXPECT_EQ(ListTexts(), QStringList({"Novák, Petr", "Dvořáková, Marie", "Čermák, Jan", "Cibulková, Eva",
                                        "Šťastný, Tomáš", "Dvořák, Jiří"}));
}

TEST_F(PublisherListTest, FilterLimitsTheListToMissingReportsAndKeepsTheCounts)
{
    fixtures::GroupBuilder group = NamedGroup();
    group.Publisher(1).Report(2, 0, {.hours = 4});
    group.Publisher(3).Report(2, 0, {.participation = true});
    group.Publisher(4).Note(2, 0, "0");
    // A report of the other year in the same calendar month does not count.
    group.Publisher(5).Report(2, 1, {.hours = 9});
    OpenGroup(group);

    Click(IDC_FILTER);
    EXPECT_EQ(m_dlg->m_bFilter, 1);
    EXPECT_EQ(ListTexts(), QStringList({"Dvořáková, Marie", "Šťastný, Tomáš", "Dvořák, Jiří"}));
    EXPECT_EQ(Text(IDC_TOTAL_COUNT), QStringLiteral("Celkem zvěstovatelů = 6"));
    EXPECT_EQ(Text(IDC_MISSING_COUNT), QStringLiteral("Březen - neodevzdané zprávy = 3"));

    Click(IDC_FILTER);
    EXPECT_EQ(ListTexts().size(), 6);
}

TEST_F(PublisherListTest, FilteredEntryDropsThePublisherAndSelectsTheOneMovingUp)
{
    TestMainDlg& dlg = OpenGroup(NamedGroup());
    dlg.onEntry = EnterReport;
    Click(IDC_FILTER);
    Press(Qt::Key_Down);
    ASSERT_EQ(CurrentRow(), 1);

    Press(Qt::Key_Return);
    ASSERT_EQ(dlg.entries, std::vector<int>({2}));
    EXPECT_EQ(ListTexts().size(), 5);
    EXPECT_EQ(CurrentRow(), 1);
    EXPECT_EQ(Text(IDOK), QStringLiteral("Zvěst. - Čermák, Jan"));
    EXPECT_EQ(Text(IDC_LAST_ENTERED), QStringLiteral("Dvořáková, Marie"));
    EXPECT_EQ(Text(IDC_MISSING_COUNT), QStringLiteral("Březen - neodevzdané zprávy = 5"));

    // At the last position the list becomes shorter than the position: the first is selected.
    Press(Qt::Key_End);
    Press(Qt::Key_Return);
    EXPECT_EQ(ListTexts().size(), 4);
    EXPECT_EQ(CurrentRow(), 0);
}

TEST_F(PublisherListTest, EveryReportEnteredWithFilterOnEmptiesTheList)
{
    TestMainDlg& dlg = OpenGroup(SimpleGroup(2));
    dlg.onEntry = EnterReport;
    Click(IDC_FILTER);
    Press(Qt::Key_Return);
    Press(Qt::Key_Return);

    EXPECT_TRUE(ListTexts().isEmpty());
    EXPECT_FALSE(Visible(IDC_SEND_REPORT));
    EXPECT_FALSE(Visible(IDC_PREVIEW));
    EXPECT_TRUE(Visible(IDC_FILTER));
    EXPECT_EQ(Text(IDOK), QStringLiteral("Zvěst. - Příjmení2, Jméno2"));
    // Enter on the empty list opens nothing.
    Press(Qt::Key_Return);
    EXPECT_EQ(dlg.entries.size(), 2u);
}

TEST_F(PublisherListTest, EnterDoubleClickAndTheDefaultButtonOpenTheEntryOnce)
{
    TestMainDlg& dlg = OpenGroup(NamedGroup());
    Press(Qt::Key_Down);
    Press(Qt::Key_Enter);
    EXPECT_EQ(dlg.entries, std::vector<int>({2}));

    QListWidget* list = dlg.PublisherList();
    const QRect third = list->visualItemRect(list->item(2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, third.center());
    EXPECT_EQ(dlg.entries, std::vector<int>({2, 3}));

    Click(IDOK);
    EXPECT_EQ(dlg.entries, std::vector<int>({2, 3, 3}));
    EXPECT_TRUE(ListHasFocus());
}

TEST_F(PublisherListTest, EntryThatCannotBeCreatedClosesTheProgramAsClosingDoes)
{
    TestMainDlg& dlg = OpenGroup(SimpleGroup(3));
    dlg.onEntry = [](TestMainDlg&, int) { return false; };
    Press(Qt::Key_Return);
    EXPECT_TRUE(dlg.IsClosed());
    EXPECT_EQ(m_settings.GetProfileString(SETTINGS_SECTION, KEY_LOAD_PATH), dlg.m_strPath);
}

struct PhoneCase {
    const char* name;
    std::array<std::string, 3> phones;
    QStringList shownByNext;  // the number shown first, then after each "> > >"
    bool nextButton;
    std::string second;       // GetContactPhone(p, true)
};

TEST_F(PublisherListTest, TelephoneNumbersFollowTheirValidityRules)
{
    const PhoneCase cases[] = {
        {"none", {"", "", ""}, {""}, false, ""},
        {"first too short", {"12345", "602 111 222", ""}, {"602 111 222", "602 111 222"}, false, ""},
        {"three valid", {"602 111 222", "777 333 444", "+420 555 666"},
         {"602 111 222", "777 333 444", "+420 555 666", "602 111 222", "777 333 444"}, true, "777 333 444"},
        {"first empty", {"", "602 111 222", "777 333 444"}, {"602 111 222", "777 333 444", "602 111 222"}, true,
         "777 333 444"},
        // Five letters of two bytes each are still five characters.
        {"accented short", {"čččč1", "", ""}, {""}, false, ""},
    };
    for (const PhoneCase& c : cases) {
        SCOPED_TRACE(c.name);
        fixtures::GroupBuilder withPhones;
        withPhones.Group(3).Month(2);
        withPhones.AddPublisher({.firstName = "A", .surname = "A", .phones = c.phones});
        withPhones.AddPublisher({.firstName = "B", .surname = "B", .phones = {"999 888 777"}});
        TestMainDlg& dlg = OpenGroup(withPhones);

        EXPECT_EQ(Visible(IDC_PHONE), !c.shownByNext.front().isEmpty());
        EXPECT_EQ(Visible(IDC_DIAL), !c.shownByNext.front().isEmpty());
        EXPECT_EQ(Visible(IDC_NEXT_PHONE), c.nextButton);
        EXPECT_EQ(dlg.GetContactPhone(1, true), c.second);
        for (const QString& shown : c.shownByNext) {
            EXPECT_EQ(Text(IDC_PHONE), shown);
            dlg.OnNextPhone();
        }
        // Selecting another publisher shows that publisher's first number again.
        Press(Qt::Key_Down);
        EXPECT_EQ(Text(IDC_PHONE), QStringLiteral("999 888 777"));
        EXPECT_FALSE(Visible(IDC_NEXT_PHONE));
        m_dlg.reset();
    }
}

TEST_F(PublisherListTest, ReminderAddressIsOfferedOnlyWhenValidAndTheReportIsMissing)
{
    struct MailCase {
        const char* address;
        bool reported;
        QString button;  // empty: no reminder buttons
    };
    const MailCase cases[] = {
        {"  jan.novak@example.cz\t", false, "E-mail - jan.novak@example.cz"},
        {"jan.novakexample.cz", false, ""},
        {"@example.cz", false, ""},
        {"jan@examplecz", false, ""},
        {"jan.novak@example.cz", true, ""},
    };
    for (const MailCase& c : cases) {
        SCOPED_TRACE(c.address);
        fixtures::GroupBuilder group;
        group.Group(3).Month(2);
        group.AddPublisher({.firstName = "Jan", .surname = "Novák", .email = c.address});
        group.AddPublisher({.firstName = "Eva", .surname = "Malá"});
        if (c.reported)
            group.Publisher(1).Report(2, 0, {.hours = 1});
        OpenGroup(group);
        EXPECT_EQ(Visible(IDC_SEND_REMINDER), !c.button.isEmpty());
        EXPECT_EQ(Visible(IDC_PREVIEW_REMINDER), !c.button.isEmpty());
        if (!c.button.isEmpty()) {
            EXPECT_EQ(Text(IDC_SEND_REMINDER), c.button);
        }
        m_dlg.reset();
    }
}

TEST_F(PublisherListTest, ReminderButtonsStayAfterAnEntryUntilTheSelectionChanges)
{
    fixtures::GroupBuilder group;
    group.Group(3).Month(2);
    group.AddPublisher({.firstName = "Jan", .surname = "Novák", .email = "jan@example.cz"});
    group.AddPublisher({.firstName = "Eva", .surname = "Malá", .email = "eva@example.cz"});
    TestMainDlg& dlg = OpenGroup(group);
    dlg.onEntry = EnterReport;

    Press(Qt::Key_Return);
    EXPECT_TRUE(Visible(IDC_SEND_REMINDER));
    Press(Qt::Key_Down);
    Press(Qt::Key_Up);
    EXPECT_FALSE(Visible(IDC_SEND_REMINDER));
}

TEST_F(PublisherListTest, OtherLanguageShowsFirstNameFirstOnlyInTheCaption)
{
    TestMainDlg& dlg = OpenGroup(NamedGroup());
    dlg.m_strLang = "en";
    dlg.FillPublisherList();
    EXPECT_EQ(ListTexts().front(), QStringLiteral("Novák, Petr"));
    EXPECT_EQ(Text(IDOK), QStringLiteral("Zvěst. - Petr Novák"));
}

TEST_F(PublisherListTest, GroupOfOnePublisherIsListedButNotWorkedWith)
{
    fixtures::GroupBuilder group;
    group.Group(3).Month(2);
    group.AddPublisher({.firstName = "Jan", .surname = "Novák", .email = "jan@example.cz",
                        .phones = {"602 111 222"}});
    OpenGroup(group);
    EXPECT_EQ(ListTexts(), QStringList({"Novák, Jan"}));
    EXPECT_EQ(Text(IDOK), QStringLiteral("OK"));
    EXPECT_FALSE(Visible(IDC_DIAL));
    EXPECT_FALSE(Visible(IDC_SEND_REMINDER));
}

TEST_F(PublisherListTest, TypingTheFirstLettersOfASurnameSelectsIt)
{
    OpenGroup(NamedGroup());
    Type(QStringLiteral("dvořák"));
    EXPECT_EQ(Text(IDOK), QStringLiteral("Zvěst. - Dvořáková, Marie"));

    QTest::qWait(QApplication::keyboardInputInterval() + 100);
    Type(QStringLiteral("st"));
    EXPECT_EQ(Text(IDOK), QStringLiteral("Zvěst. - Šťastný, Tomáš"));

    // A single letter typed again steps to the next surname with it.
    QTest::qWait(QApplication::keyboardInputInterval() + 100);
    Type(QStringLiteral("d"));
    EXPECT_EQ(Text(IDOK), QStringLiteral("Zvěst. - Dvořák, Jiří"));
    Type(QStringLiteral("d"));
    EXPECT_EQ(Text(IDOK), QStringLiteral("Zvěst. - Dvořáková, Marie"));
    EXPECT_TRUE(ListHasFocus());
}

TEST(TypeAheadTest, PrefixMatchPrefersTheAccentsAsTyped)
{
    const QStringList entries = {"Novák, Petr", "Čermák, Jan", "Cibulková, Eva", "Šťastný, Tomáš"};
    struct Case {
        const char* typed;
        int start;
        int row;
    };
    const Case cases[] = {
        {"č", 0, 1},   // the accented letter as typed
        {"Č", 0, 1},   // in either case
        {"c", 0, 2},   // a plain C surname before the Č one
        {"ce", 0, 1},  // found with the accent ignored when no plain match exists
        {"šť", 0, 3}, {"st", 0, 3},
        {"n", 2, 0},   // wraps around from the start position
        {"x", 0, -1},
        {"", 0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(FindByTypedPrefix(entries, QString::fromUtf8(c.typed), c.start), c.row);
    }
}

} // namespace
} // namespace vak::test
