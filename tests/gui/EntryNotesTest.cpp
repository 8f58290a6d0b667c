// Notes, late reports and credit hours in the report entry dialog: the note stored when its
// field is left but never by Esc, the late mark of an earlier month, and the credit label.
#include "EntryFixture.h"

#include "ui/Termination.h"

#include "res/DialogTemplates.h"

#include <QApplication>
#include <QTest>

namespace vak::test {
namespace {

using EntryNotesTest = EntryDialogTest;

std::string StoredNote(CGroupData& group, int p, int month, int slot)
{
    std::string text;
    group.GetNote(p, month, slot, text);
    return text;
}

TEST_F(EntryNotesTest, EnterInTheNoteFieldStoresTheNoteButNotTheReport)
{
    OpenEntry(Group(OLD_FORM_MONTH), 1, OLD_FORM_TODAY);
    Keys("5");
    Alt('p');
    EXPECT_TRUE(HasFocus(IDC_NOTE));
    EXPECT_FALSE(Shown(IDC_CHANGE_MONTH));

    Keys("Kurz\n");
    EXPECT_TRUE(EntryOpen());
    EXPECT_FALSE(Shown(IDC_NOTE));
    EXPECT_TRUE(Shown(IDC_CHANGE_MONTH));
    EXPECT_TRUE(HasFocus(IDC_PUBLICATIONS));
    EXPECT_EQ(SelectedText(IDC_PUBLICATIONS), QStringLiteral("5"));
    EXPECT_EQ(StoredNote(*m_dlg, 1, OLD_FORM_MONTH, OLD_FORM_SLOT), "Kurz");
    EXPECT_EQ(m_dlg->GetMonthValue(1, OLD_FORM_MONTH, OLD_FORM_SLOT, FIELD_PUBLICATIONS), 0);
    EXPECT_TRUE(m_dlg->m_bEntered);

    // The next Enter walks on, and the report keeps the note when it is stored.
    Keys("\n");
    EXPECT_TRUE(HasFocus(IDC_VIDEOS));
    Alt('o');
    EXPECT_FALSE(EntryOpen());
    EXPECT_EQ(m_dlg->GetMonthValue(1, OLD_FORM_MONTH, OLD_FORM_SLOT, FIELD_PUBLICATIONS), 5);
    EXPECT_EQ(StoredNote(*m_dlg, 1, OLD_FORM_MONTH, OLD_FORM_SLOT), "Kurz");
}

struct NoteCase {
    const char* name;
    const char* before;  // the month's note in the file, "" for none
    const char* typed;   // replaces the note shown
    const char* stored;  // "" when the month is left without a note
};

TEST_F(EntryNotesTest, NotesAreKeptWithoutLeadingBlanksAndCutTo36Characters)
{
    const NoteCase cases[] = {
        {"new note", "", "Nemocná", "Nemocná"},
        {"40 characters", "", "Čtyřicet znaků: 012345678901234567890123", "Čtyřicet znaků: 01234567890123456789"},
        {"leading blanks", "Stará poznámka", "  dovolená", "dovolená"},
        {"blanks only", "Stará poznámka", "   ", ""},
        {"emptied", "Stará poznámka", "|", ""},
    };
    for (const NoteCase& c : cases) {
        SCOPED_TRACE(c.name);
        fixtures::GroupBuilder group = Group();
        if (*c.before)
            group.Publisher(1).Note(NEW_FORM_MONTH, 0, c.before);
        OpenEntry(group);
        Alt('p');
        EXPECT_EQ(EntryText(IDC_NOTE), QString::fromUtf8(c.before));
        Keys(QString::fromUtf8(c.typed) + "\n");
        Alt('o');
        ASSERT_FALSE(EntryOpen());
        EXPECT_EQ(StoredNote(*m_dlg, 1, NEW_FORM_MONTH, 0), c.stored);
        EXPECT_EQ(m_dlg->GetNoteSlot(1, NEW_FORM_MONTH, 0) != 0, *c.stored != '\0');
    }
}

TEST_F(EntryNotesTest, CancelWithTheNoteFieldOpenStoresNeitherNoteNorReport)
{
    const std::pair<const char*, std::function<void(EntryNotesTest&)>> ways[] = {
        {"Esc", [](EntryNotesTest& t) { t.Press(Qt::Key_Escape); }},
        {"Alt+Z", [](EntryNotesTest& t) { t.Alt('z'); }},
        {"click", [](EntryNotesTest& t) { t.ClickItem(IDCANCEL); }},
    };
    for (const auto& [name, cancel] : ways) {
        SCOPED_TRACE(name);
        OpenEntry(Group());
        Keys(" \n3");
        Alt('p');
        Keys("Nestihla");
        cancel(*this);
        EXPECT_FALSE(EntryOpen());
        EXPECT_EQ(m_dlg->GetNoteSlot(1, NEW_FORM_MONTH, 0), 0);
        EXPECT_EQ(m_dlg->GetField4Word(1, NEW_FORM_MONTH, 0), 0);
        EXPECT_FALSE(m_dlg->m_bEntered);
        EXPECT_EQ(m_dlg->m_nNotes, 0);
    }
}

TEST_F(EntryNotesTest, ReportsLookedAtAndCancelledLeaveTheFileByteForByte)
{
    OpenEntry(Group());
    const std::vector<std::uint8_t> before = ReadFile(m_dlg->m_strPath);
    for (int opening = 0; opening < 3; ++opening) {
        if (opening > 0) {
            m_entry = m_dlg->NewEntryDialog(1 + opening % 2);
            m_entry->show();
            m_entry->activateWindow();
            ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == m_entry.get(); }));
        }
        ClickItem(IDC_CHANGE_MONTH);
        Keys(QString(12, QLatin1Char('^')));  // every month of the list shown once
        Press(Qt::Key_Escape);
        ASSERT_FALSE(EntryOpen());
    }
    m_boxes->Clear();
    m_dlg->OnCancel();
    EXPECT_EQ(ReadFile(m_dlg->m_strPath), before);
    EXPECT_TRUE(m_boxes->Shown().isEmpty());
}

TEST_F(EntryNotesTest, EndingTheProgramKeepsWhatWasTypedAsFarAsItIsValid)
{
    // Participation ticked, studies typed (3 or the invalid 99, which keeps the loaded 0), a note
    // being edited, then the system ends Vak.
    for (const char* studies : {"3", "99"}) {
        SCOPED_TRACE(studies);
        OpenEntry(Group());
        Keys(QStringLiteral(" \n") + studies);
        Alt('p');
        Keys("Nemoc");
        CTerminationWatcher().Request();
        m_entry->reject();  // as the main window closes an open dialog before it closes itself
        EXPECT_FALSE(EntryOpen());
        EXPECT_EQ(StoredNote(*m_dlg, 1, NEW_FORM_MONTH, 0), "Nemoc");
        EXPECT_EQ(m_dlg->GetField4Word(1, NEW_FORM_MONTH, 0), std::string(studies) == "3" ? 0x0803 : 0x0800);
        ClearTerminationRequest();
    }
    // Only the studies typed, the last field: they are kept.
    OpenEntry(Group(OLD_FORM_MONTH), 1, OLD_FORM_TODAY);
    Keys("\n\n\n\n4");
    EXPECT_TRUE(HasFocus(IDC_STUDIES));
    CTerminationWatcher().Request();
    m_entry->reject();
    EXPECT_EQ(m_dlg->GetMonthValue(1, OLD_FORM_MONTH, OLD_FORM_SLOT, FIELD_STUDIES), 4);
    ClearTerminationRequest();
}

TEST_F(EntryNotesTest, EndingTheProgramStoresNeitherABrowsedMonthNorAFieldThatFailsItsCheck)
{
    const int july = OLD_FORM_MONTH - 1;
    // The month list moved to July, nothing typed: nothing is stored, no late mark is set.
    OpenEntry(Group(OLD_FORM_MONTH), 1, OLD_FORM_TODAY);
    Alt('m');
    Keys("^");
    CTerminationWatcher().Request();
    m_entry->reject();
    EXPECT_EQ(m_dlg->GetLateByte(1, july), 0);
    EXPECT_FALSE(m_dlg->m_bEntered);
    EXPECT_EQ(m_dlg->m_strLastEntered, "");
    ClearTerminationRequest();

    // 5000 publications are refused at OK; the other fields are kept, publications stay 0.
    OpenEntry(Group(OLD_FORM_MONTH), 1, OLD_FORM_TODAY);
    Keys("5000\n2\n3\n4\n5\n");
    EXPECT_EQ(m_boxes->Last(), QStringLiteral("Please enter an integer between 0 and 4095."));
    CTerminationWatcher().Request();
    m_entry->reject();
    QList<int> stored;
    for (const int field : {FIELD_PUBLICATIONS, FIELD_VIDEOS, FIELD_HOURS, FIELD_RETURN_VISITS, FIELD_STUDIES})
        stored << m_dlg->GetMonthValue(1, OLD_FORM_MONTH, OLD_FORM_SLOT, field);
    EXPECT_EQ(stored, QList<int>({0, 2, 3, 4, 5}));
    ClearTerminationRequest();
}

TEST_F(EntryNotesTest, ANoteClearedAndTypedAgainStaysLinked)
{
    fixtures::GroupBuilder group = Group(OLD_FORM_MONTH);
    group.Publisher(1).Note(OLD_FORM_MONTH, OLD_FORM_SLOT, "stará");
    group.Publisher(2).Note(OLD_FORM_MONTH, OLD_FORM_SLOT, "jiná");  // note 1 is not the last
    OpenEntry(group, 1, OLD_FORM_TODAY);
    Alt('p');
    Keys("|||||\n");
    Alt('p');
    Keys("nova\n\n\n\n\n\n");
    ASSERT_FALSE(EntryOpen());
    EXPECT_EQ(m_dlg->GetNoteSlot(1, OLD_FORM_MONTH, OLD_FORM_SLOT), 1);
    EXPECT_EQ(StoredNote(*m_dlg, 1, OLD_FORM_MONTH, OLD_FORM_SLOT), "nova");
    EXPECT_EQ(m_dlg->m_nNotes, 2);
}

TEST_F(EntryNotesTest, ALateReportOfTheYearBeforeUsesThatYearsSlot)
{
    // Report month January 2023 (slot 1): December is December 2022, slot 0.
    const int december = 11;
    fixtures::GroupBuilder group = Group(0);
    group.Publisher(1).Report(december, 0, {.hours = 6}).Report(december, 1, {.hours = 9});
    OpenEntry(group, 1, {2023, 2, 10});
    Alt('m');
    Keys(QString(11, QLatin1Char('~')));
    EXPECT_EQ(EntryText(IDC_SHOWN_MONTH), QStringLiteral("Prosinec"));
    EXPECT_EQ(EntryText(IDC_HOURS), QStringLiteral("6"));
    EXPECT_TRUE(EntryText(IDC_WARNING).startsWith(QStringLiteral("- VÝSTRAHA -   Již jste zaslali Prosinec")));
    Keys("\n\n\n7\n\n\n");
    ASSERT_FALSE(EntryOpen());
    EXPECT_EQ(m_dlg->GetMonthValue(1, december, 0, FIELD_HOURS), 7);
    EXPECT_EQ(m_dlg->GetMonthValue(1, december, 1, FIELD_HOURS), 9);
}

// A table of 254 notes, the most a file holds, is the usual state of a file in which earlier
// programs reserved a number at every opening.
TEST_F(EntryNotesTest, AFullNoteTableTakesEditsInPlaceButNoNewNote)
{
    fixtures::GroupBuilder group = Group();
    group.Publisher(1).Note(NEW_FORM_MONTH, 0, "0");
    for (int n = 2; n <= 254; ++n)
        group.AddNote(n < 254 ? "jiná" : "");
    OpenEntry(group);
    Alt('p');
    Press(Qt::Key_End);
    Keys(" nemoc\n");
    EXPECT_TRUE(m_boxes->Shown().isEmpty());
    Alt('o');
    ASSERT_FALSE(EntryOpen());
    EXPECT_EQ(m_dlg->GetNoteSlot(1, NEW_FORM_MONTH, 0), 1);
    EXPECT_EQ(StoredNote(*m_dlg, 1, NEW_FORM_MONTH, 0), "0 nemoc");

    OpenEntry(group, 2);
    Alt('p');
    Keys("Nová\n");
    EXPECT_EQ(m_boxes->Last(), QStringLiteral("Mimo prostor pro poznámky"));
    EXPECT_TRUE(HasFocus(IDC_NOTE));
    Press(Qt::Key_Escape);
    ASSERT_FALSE(EntryOpen());
    EXPECT_EQ(m_dlg->GetNoteSlot(2, NEW_FORM_MONTH, 0), 0);
}

struct LateCase {
    const char* name;
    int status;                        // of the earlier month
    fixtures::MonthReport earlier;     // as loaded
    int lateBefore;                    // late-mark byte in the file
    int lateAfter;                     // late-mark byte after OK
    const char* warning;
};

TEST_F(EntryNotesTest, LateReportsAreMarkedUnlessCountedAlreadyOrOfASpecialPioneer)
{
    const LateCase cases[] = {
        {"earlier month without hours", 0, {}, 0, 1, "\nPřípadné změny BUDOU ZAHRNUTY do Březen zprávy pro pobočku."},
        {"earlier month already counted", 0, {.hours = 5}, 0, 0,
         "- VÝSTRAHA -   Již jste zaslali Únor zprávu za Příjmení1, Jméno1.\n"
         "Změny NEBUDOU ZAHRNUTY do Březen zprávy pro pobočku."},
        {"earlier month reported without hours", 0, {.studies = 2, .participation = true}, 0, 0,
         "- VÝSTRAHA -   Již jste zaslali Únor zprávu za Příjmení1, Jméno1.\n"
         "Změny NEBUDOU ZAHRNUTY do Březen zprávy pro pobočku."},
        {"earlier month marked before", 0, {.hours = 5}, 1, 1,
         "- VÝSTRAHA -   Již jste zaslali Únor zprávu za Příjmení1, Jméno1.\n"
         "Případné změny BUDOU ZAHRNUTY do Březen zprávy pro pobočku."},
        {"special pioneer", 3, {}, 0, 0, "\nZvláštní průkopníci NEJSOU ZAHRNUTI ve zprávě pro pobočku"},
    };
    const int february = NEW_FORM_MONTH - 1;
    for (const LateCase& c : cases) {
        SCOPED_TRACE(c.name);
        fixtures::GroupBuilder group = Group();
        group.Publisher(1).Status(february, 0, c.status).Report(february, 0, c.earlier).Late(february, c.lateBefore);
        OpenEntry(group);
        Alt('m');
        Keys("^\n");
        EXPECT_EQ(EntryText(IDC_WARNING), QString::fromUtf8(c.warning));
        Alt('o');
        ASSERT_FALSE(EntryOpen());
        EXPECT_EQ(m_dlg->GetLateByte(1, february), c.lateAfter);
        EXPECT_EQ(m_dlg->GetLateByte(1, NEW_FORM_MONTH), 0);
    }
}

TEST_F(EntryNotesTest, RegularPioneerCreditFollowsHoursAndNote)
{
    fixtures::GroupBuilder group = Group();
    group.Publisher(1).Status(NEW_FORM_MONTH, 0, 2).Report(NEW_FORM_MONTH, 0,
                                                            {.hours = 60, .participation = true, .credit = 30});
    OpenEntry(group);
    // Hours and credit stay within 75; the credit is offered as the note "15 +Hod".
    EXPECT_EQ(EntryText(IDC_CREDIT), QStringLiteral("( + 15 Hod )"));
    Alt('p');
    EXPECT_EQ(EntryText(IDC_NOTE), QStringLiteral("15 +Hod"));
    Keys("50!\n");
    EXPECT_EQ(EntryText(IDC_CREDIT), QStringLiteral("( + 50 Hod )"));
    Alt('o');
    ASSERT_FALSE(EntryOpen());
    EXPECT_EQ(m_dlg->GetCredit(1, NEW_FORM_MONTH, 0), 50);
}

} // namespace
} // namespace vak::test
