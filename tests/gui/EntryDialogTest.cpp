// The report entry dialog from the keyboard: the controls each form shows, the key filter of the
// fields, Enter and the arrows walking the fields, storing the month, the count validation and
// the month list for late reports.
#include "EntryFixture.h"

#include "res/DialogTemplates.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <span>

namespace vak::test {
namespace {

constexpr int REPORT_CONTROLS[] = {IDC_PARTICIPATION, IDC_PUBLICATIONS, IDC_VIDEOS, IDC_HOURS, IDC_RETURN_VISITS,
                                   IDC_STUDIES, IDC_UNDER_ONE_HOUR, IDC_AUX_PIONEER, IDC_STATUS, IDC_CREDIT};

// Publisher 1 with a status and a report for the report month of the form.
fixtures::GroupBuilder OnePublisher(bool newForm, int status, const fixtures::MonthReport& report)
{
    const int month = newForm ? NEW_FORM_MONTH : OLD_FORM_MONTH;
    const int slot = newForm ? 0 : OLD_FORM_SLOT;
    fixtures::GroupBuilder group = EntryDialogTest::Group(month);
    group.Publisher(1).Status(month, slot, status).Report(month, slot, report);
    return group;
}

struct LayoutCase {
    const char* name;
    bool newForm;
    int status;
    bool participation;  // the month's bit 11: took part (new form), "<1 h" (old form)
    std::vector<int> shown;
};

TEST_F(EntryDialogTest, EachFormShowsItsFieldsForEachStatusAndParticipation)
{
    const LayoutCase cases[] = {
        {"new, publisher", true, 0, false, {IDC_PARTICIPATION, IDC_AUX_PIONEER}},
        {"new, publisher who took part", true, 0, true, {IDC_PARTICIPATION, IDC_STUDIES, IDC_AUX_PIONEER}},
        {"new, auxiliary pioneer", true, 1, true, {IDC_PARTICIPATION, IDC_HOURS, IDC_STUDIES, IDC_AUX_PIONEER}},
        {"new, regular pioneer", true, 2, true, {IDC_PARTICIPATION, IDC_HOURS, IDC_STUDIES, IDC_STATUS, IDC_CREDIT}},
        {"new, regular pioneer not taking part", true, 2, false, {IDC_PARTICIPATION, IDC_STATUS, IDC_CREDIT}},
        {"new, special pioneer", true, 3, true, {IDC_PARTICIPATION, IDC_HOURS, IDC_STUDIES, IDC_STATUS}},
        {"old, publisher", false, 0, false,
         {IDC_PUBLICATIONS, IDC_VIDEOS, IDC_HOURS, IDC_RETURN_VISITS, IDC_STUDIES, IDC_UNDER_ONE_HOUR, IDC_AUX_PIONEER}},
        {"old, regular pioneer under one hour", false, 2, true,
         {IDC_PUBLICATIONS, IDC_VIDEOS, IDC_HOURS, IDC_RETURN_VISITS, IDC_STUDIES, IDC_UNDER_ONE_HOUR, IDC_STATUS,
          IDC_CREDIT}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        OpenEntry(OnePublisher(c.newForm, c.status, {.participation = c.participation}), 1,
                  c.newForm ? NEW_FORM_TODAY : OLD_FORM_TODAY);
        for (const int id : REPORT_CONTROLS) {
            const bool expected = std::find(c.shown.begin(), c.shown.end(), id) != c.shown.end();
            EXPECT_EQ(Shown(id), expected) << id;
            if (id >= IDC_PUBLICATIONS && id <= IDC_STUDIES) {
                EXPECT_EQ(Shown(IDC_HEADING_FIRST + id - IDC_PUBLICATIONS), expected) << id;
            }
        }
        // "<1 h" ticked disables the hours of the old form.
        EXPECT_EQ(m_entry->GetDlgItem(IDC_HOURS)->isEnabled(), c.newForm || !c.participation);
        EXPECT_TRUE(HasFocus(c.newForm ? IDC_PARTICIPATION : IDC_PUBLICATIONS));
    }
}

TEST_F(EntryDialogTest, OpeningShowsThePublisherTheMonthAndTheLabels)
{
    fixtures::GroupBuilder group;
    group.Group(3).Month(NEW_FORM_MONTH);
    group.AddPublisher({.firstName = "Jan", .surname = "Novák", .appointment = 2, .group = 5});
    group.AddPublisher({.firstName = "Eva", .surname = "Malá"});
    group.Publisher(1).Status(NEW_FORM_MONTH, 0, 2).Report(NEW_FORM_MONTH, 0, {.hours = 12, .quarters = 2});
    CEntryDlg& dlg = OpenEntry(group);

    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Novák, Jan"));
    const std::pair<int, const char*> texts[] = {
        {IDC_PUBLISHER_NAME, "Novák, Jan"}, {IDC_SHOWN_MONTH, "Březen"}, {IDC_STATUS, "Pravidelný průkopník"},
        {IDC_APPOINTMENT, "Starší"}, {IDC_GROUP_LABEL, "Skupina 5"}, {IDC_HEADING_FIRST + 2, "Hod"},
        {IDC_WARNING, "- VÝSTRAHA -   Již jste zaslali Březen zprávu za Novák, Jan.\n"
                      "Případné změny BUDOU ZAHRNUTY do Březen zprávy pro pobočku."},
    };
    for (const auto& [id, text] : texts)
        EXPECT_EQ(EntryText(id), QString::fromUtf8(text)) << id;
    EXPECT_EQ(EntryText(IDC_HOURS), QStringLiteral("12.5"));
    EXPECT_TRUE(qobject_cast<QCheckBox*>(dlg.GetDlgItem(IDC_PARTICIPATION))->isChecked());  // hours mean taking part
    EXPECT_EQ(dlg.GetDlgItem(IDC_UNDER_ONE_HOUR)->toolTip(), QStringLiteral("Méne než 1 hodina"));
    EXPECT_EQ(dlg.GetDlgItem(IDC_PARTICIPATION)->toolTip(), QStringLiteral("Účast na nějakém druhu služby"));
}

TEST_F(EntryDialogTest, AuxiliaryPioneerAndParticipationBoxesShowAndClearTheFields)
{
    OpenEntry(OnePublisher(true, 0, {.studies = 2, .participation = true}));
    ClickItem(IDC_AUX_PIONEER);
    EXPECT_TRUE(Shown(IDC_HOURS));
    ClickItem(IDC_AUX_PIONEER);
    EXPECT_FALSE(Shown(IDC_HOURS));
    ClickItem(IDC_PARTICIPATION);
    EXPECT_FALSE(Shown(IDC_STUDIES));
    EXPECT_EQ(EntryText(IDC_STUDIES), QStringLiteral("0"));
    EXPECT_EQ(EntryText(IDC_HOURS), QStringLiteral("0"));
}

TEST_F(EntryDialogTest, FieldsTakeDigitsAndDotOnlyAndSpaceMakesASelectedZero)
{
    OpenEntry(Group(), 1, OLD_FORM_TODAY);
    EXPECT_EQ(SelectedText(IDC_PUBLICATIONS), QStringLiteral("0"));
    Keys("1a2-+x");
    EXPECT_EQ(EntryText(IDC_PUBLICATIONS), QStringLiteral("12"));

    // Nothing reaches the field from the clipboard, nor by a control character.
    QApplication::clipboard()->setText(QStringLiteral("99"));
    Press(Qt::Key_V, Qt::ControlModifier);
    Press(Qt::Key_Insert, Qt::ShiftModifier);
    QTest::sendKeyEvent(QTest::Press, QApplication::focusWidget(), Qt::Key_V, QString(QChar(0x16)), Qt::ControlModifier);
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(EntryText(IDC_PUBLICATIONS), QStringLiteral("12"));

    Keys(" ");
    EXPECT_EQ(SelectedText(IDC_PUBLICATIONS), QStringLiteral("0"));
    Keys("7");
    EXPECT_EQ(EntryText(IDC_PUBLICATIONS), QStringLiteral("7"));
    Keys("|.5");
    EXPECT_EQ(EntryText(IDC_PUBLICATIONS), QStringLiteral(".5"));
}

TEST_F(EntryDialogTest, ArrowsMoveToTheNeighbouringFieldAndRoundTheForm)
{
    // Each key, and the field it leads to with its text selected (or the participation box).
    const std::pair<const char*, int> oldForm[] = {{"<", IDC_STUDIES}, {">", IDC_PUBLICATIONS}, {">>>", IDC_RETURN_VISITS}};
    const std::pair<const char*, int> newForm[] = {{"\n", IDC_HOURS}, {">", IDC_STUDIES}, {">", IDC_PARTICIPATION}};
    for (const bool isNew : {false, true}) {
        SCOPED_TRACE(isNew ? "new form" : "old form");
        OpenEntry(OnePublisher(isNew, 1, {.hours = 3, .studies = 4, .participation = isNew}), 1,
                  isNew ? NEW_FORM_TODAY : OLD_FORM_TODAY);
        for (const auto& [keys, field] : isNew ? std::span(newForm) : std::span(oldForm)) {
            Keys(keys);
            EXPECT_TRUE(HasFocus(field)) << keys;
            EXPECT_EQ(SelectedText(field), field == IDC_PARTICIPATION ? QString() : EntryText(field));
        }
    }
}

struct StoreCase {
    const char* name;
    bool newForm;
    int status;
    fixtures::MonthReport loaded;
    const char* keys;          // from the first field, each Enter but the last moving on
    std::vector<int> path;     // the focus after each of those Enters
    std::array<int, 4> words;  // publications, videos, hours, return visits as stored
    int field4;                // the field-4 word as stored
};

TEST_F(EntryDialogTest, EnterWalksTheShownFieldsAndStoresOnTheLast)
{
    const std::vector<int> oldPath = {IDC_VIDEOS, IDC_HOURS, IDC_RETURN_VISITS, IDC_STUDIES};
    const StoreCase cases[] = {
        {"old, every field", false, 0, {}, "5\n2\n7.3\n4\n3\n", oldPath, {5, 2, 7, 4}, 0x1003},
        {"old, half an hour only", false, 0, {}, "\n\n.5\n\n\n", oldPath, {0, 0, 0, 0}, 0x2000},
        {"old, more hours than a word holds", false, 0, {}, "\n\n99999\n\n\n", oldPath, {0, 0, 0xFFFF, 0}, 0},
        {"old, under one hour", false, 0, {.participation = true}, "2\n\n\n\n",
         {IDC_VIDEOS, IDC_RETURN_VISITS, IDC_STUDIES}, {2, 0, 0, 0}, 0x0800},
        {"new, took part with 3 studies", true, 0, {}, " \n3\n", {IDC_STUDIES}, {0, 0, 0, 0}, 0x0803},
        {"new, auxiliary pioneer", true, 1, {.participation = true}, "\n12.5\n4\n", {IDC_HOURS, IDC_STUDIES},
         {0, 0, 12, 0}, 0x2804},
        {"new, no longer taking part", true, 0, {.studies = 2, .participation = true}, " \n\n", {IDOK},
         {0, 0, 0, 0}, 0},
    };
    for (const StoreCase& c : cases) {
        SCOPED_TRACE(c.name);
        const int month = c.newForm ? NEW_FORM_MONTH : OLD_FORM_MONTH;
        const int slot = c.newForm ? 0 : OLD_FORM_SLOT;
        OpenEntry(OnePublisher(c.newForm, c.status, c.loaded), 1, c.newForm ? NEW_FORM_TODAY : OLD_FORM_TODAY);
        const QStringList steps = QString::fromUtf8(c.keys).split('\n');
        ASSERT_EQ(steps.size(), std::ssize(c.path) + 2);
        for (std::size_t i = 0; i < c.path.size(); ++i) {
            Keys(steps[static_cast<qsizetype>(i)] + "\n");
            EXPECT_TRUE(HasFocus(c.path[i])) << i;
        }
        EXPECT_TRUE(EntryOpen());
        Keys(steps[std::ssize(c.path)] + "\n");
        ASSERT_FALSE(EntryOpen());
        EXPECT_EQ(m_entry->result(), QDialog::Accepted);
        for (int field = 0; field < 4; ++field)
            EXPECT_EQ(m_dlg->GetMonthValue(1, month, slot, field), c.words[static_cast<std::size_t>(field)]) << field;
        EXPECT_EQ(m_dlg->GetField4Word(1, month, slot), c.field4);
        EXPECT_EQ(Text(IDC_LAST_ENTERED), QStringLiteral("Příjmení1, Jméno1"));
    }
}

struct ValidationCase {
    int field;
    const char* typed;
    const char* message;
};

TEST_F(EntryDialogTest, InvalidCountsKeepTheDialogOpenWithTheFieldSelected)
{
    const ValidationCase cases[] = {
        {IDC_RETURN_VISITS, "600", "Please enter an integer between 0 and 511."},
        {IDC_PUBLICATIONS, "5000", "Please enter an integer between 0 and 4095."},
        {IDC_STUDIES, "2.5", "Please enter a positive integer."},
        {IDC_VIDEOS, "|", "Please enter a positive integer."},
        {IDC_STUDIES, "99999999999", "Please enter an integer between 0 and 63."},
    };
    for (const ValidationCase& c : cases) {
        SCOPED_TRACE(c.typed);
        OpenEntry(Group(OLD_FORM_MONTH), 1, OLD_FORM_TODAY);
        m_entry->GetDlgItem(c.field)->setFocus();
        Keys(QString::fromUtf8(c.typed));
        m_boxes->Clear();
        Alt('o');
        EXPECT_EQ(m_boxes->Shown(), QStringList({QString::fromUtf8(c.message)}));
        EXPECT_TRUE(EntryOpen());
        EXPECT_TRUE(HasFocus(c.field));
        EXPECT_EQ(SelectedText(c.field), EntryText(c.field));
        EXPECT_FALSE(m_dlg->m_bEntered);
    }
}

TEST_F(EntryDialogTest, HiddenFieldsOfTheNewFormNeverBlockOk)
{
    // Values of the old form's fields that the new form does not show, out of their ranges.
    const fixtures::MonthReport loaded{.publications = 5000, .returnVisits = 600, .studies = 5, .participation = true};
    for (const bool untick : {false, true}) {
        SCOPED_TRACE(untick ? "participation cleared" : "participation kept");
        OpenEntry(OnePublisher(true, 0, loaded));
        Keys(untick ? " \n\n" : "\n\n");
        ASSERT_FALSE(EntryOpen());
        EXPECT_TRUE(m_boxes->Shown().isEmpty());
        EXPECT_EQ(m_dlg->GetMonthValue(1, NEW_FORM_MONTH, 0, FIELD_PUBLICATIONS), 5000);
        EXPECT_EQ(m_dlg->GetMonthValue(1, NEW_FORM_MONTH, 0, FIELD_RETURN_VISITS), 600);
        EXPECT_EQ(m_dlg->GetField4Word(1, NEW_FORM_MONTH, 0), untick ? 0x0000 : 0x0805);
    }
}

TEST_F(EntryDialogTest, MonthListLoadsEachMonthAndEnterClosesIt)
{
    fixtures::GroupBuilder group = Group();
    group.Publisher(1).Report(NEW_FORM_MONTH - 1, 0, {.studies = 4, .participation = true});
    group.Publisher(1).Report(NEW_FORM_MONTH, 0, {.studies = 1, .participation = true});
    OpenEntry(group);

    Alt('m');
    EXPECT_TRUE(Shown(IDC_MONTH_LIST));
    EXPECT_TRUE(HasFocus(IDC_MONTH_LIST));
    for (const int covered : {IDOK, IDCANCEL, IDC_NOTES, IDC_CHANGE_MONTH, IDC_GROUP_LABEL})
        EXPECT_FALSE(Shown(covered)) << covered;
    EXPECT_TRUE(Shown(IDC_MONTH_LIST_DONE));

    Keys("^");
    EXPECT_EQ(EntryText(IDC_SHOWN_MONTH), QStringLiteral("Únor"));
    EXPECT_EQ(EntryText(IDC_STUDIES), QStringLiteral("4"));

    // Enter moves the focus on, which closes the list and loads the month once more.
    Keys("\n");
    EXPECT_FALSE(Shown(IDC_MONTH_LIST));
    EXPECT_TRUE(Shown(IDOK));
    EXPECT_TRUE(HasFocus(IDC_PARTICIPATION));
    EXPECT_EQ(m_dlg->m_nNotes, 0);  // looking at months takes no note numbers
    // February was reported (participation and studies, no hours): it is not counted again.
    EXPECT_EQ(EntryText(IDC_WARNING), QStringLiteral("- VÝSTRAHA -   Již jste zaslali Únor zprávu za Příjmení1, Jméno1.\n"
                                                     "Změny NEBUDOU ZAHRNUTY do Březen zprávy pro pobočku."));
}

TEST_F(EntryDialogTest, TheFocusedOkButtonLooksOtherThanTheDefaultOne)
{
    OpenEntry(Group());
    QWidget* ok = m_entry->GetDlgItem(IDOK);
    const QImage asDefault = ok->grab().toImage();
    Keys("\n");  // participation not ticked: Enter goes on to OK
    ASSERT_TRUE(HasFocus(IDOK));
    EXPECT_NE(ok->grab().toImage(), asDefault);
}

TEST_F(EntryDialogTest, ANoteTheFullTableCannotTakeStaysInItsFieldBehindARealMessageBox)
{
    fixtures::GroupBuilder group = Group();
    for (int n = 0; n < 254; ++n)
        group.AddNote("jiná");
    OpenEntry(group);
    Alt('p');
    Keys("0");

    m_boxes.reset();
    QString shown;
    QTimer::singleShot(100, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    Keys("\n");
    m_boxes.emplace();
    EXPECT_EQ(shown, QStringLiteral("Mimo prostor pro poznámky"));
    // The offscreen platform hands the activation back only when asked to.
    m_entry->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == m_entry.get(); }));
    EXPECT_TRUE(Shown(IDC_NOTE));
    EXPECT_TRUE(HasFocus(IDC_NOTE));
    EXPECT_EQ(EntryText(IDC_NOTE), QStringLiteral("0"));
    EXPECT_EQ(m_dlg->GetNoteSlot(1, NEW_FORM_MONTH, 0), 0);
}

} // namespace
} // namespace vak::test
