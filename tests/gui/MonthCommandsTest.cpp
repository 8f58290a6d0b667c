// The month at a glance from the main window: reminding everyone still missing (keys, ticks,
// what a screen reader reads, dialing, one message each, a failure and a cancel in the middle),
// the month's totals shown, copied and saved, and the year at a glance from the totals.
#include "MainWindowFixture.h"
#include "TestPrinterChoice.h"

#include "fixtures/MonthGroup.h"
#include "mail/RemindAllDlg.h"
#include "main/MonthSummaryDlg.h"
#include "main/YearOverviewDlg.h"
#include "res/DialogTemplates.h"
#include "ui/ListBox.h"
#include "ui/Termination.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <csignal>
#include <functional>

namespace vak::test {
namespace {

const QString REMINDER = QStringLiteral("Předložte prosím váš přehled za Březen. \nDěkuji.");

// Five publishers whose March report is missing (Běla without an address) and one who reported.
fixtures::GroupBuilder MissingGroup(const std::string& thirdAddress = "eva@example.cz")
{
    fixtures::GroupBuilder group;
    group.Group(3).Month(2);
    group.AddPublisher({"Adam", "Beneš", "adam@example.cz", {"602 111 001", "", ""}});
    group.AddPublisher({"Běla", "Cibulková", "", {"", "602 111 002", "485 111 002"}});
    group.AddPublisher({"Dan", "Hora"}).Report(2, 0, {.hours = 4});
    group.AddPublisher({"Eva", "Malá", thirdAddress});
    group.AddPublisher({"Karel", "Novák", "karel@example.cz"});
    group.AddPublisher({"Olga", "Pokorná", "olga@example.cz"});
    return group;
}

class MonthCommandsTest : public MainWindowTest {
protected:
    static QList<bool> Ticks(const QListWidget& list)
    {
        QList<bool> ticks;
        for (int row = 0; row < list.count(); ++row)
            ticks << (list.item(row)->checkState() == Qt::Checked);
        return ticks;
    }

    std::vector<std::string> Recipients() const
    {
        std::vector<std::string> addresses;
        for (const RecordingMail::Sent& sent : m_mail.sent) {
            EXPECT_EQ(sent.message.recipients.size(), 1u);  // each sees only their own address
            EXPECT_EQ(sent.message.subject, "Report");
            EXPECT_EQ(sent.message.noteText, REMINDER.toStdString());
            addresses.push_back(sent.message.recipients.front().address);
        }
        return addresses;
    }
};

TEST_F(MonthCommandsTest, RemindsTheTickedOnesOneMessageEachAndNamesAFailureWithItsReason)
{
    OpenGroup(MissingGroup());
    int disabledDuringHandOff = 0;  // the dialog takes no input while a message is handed over
    m_mail.onSend = [&](std::size_t count) {
        m_mail.result = count == 2 ? MAPI_E_FAILURE : SUCCESS_SUCCESS;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (qobject_cast<CRemindAllDlg*>(window) && !window->isEnabled())
                ++disabledDuringHandOff;
    };
    WithDialog<CRemindAllDlg>(IDC_REMIND_ALL, [this](CRemindAllDlg& dialog) {
        CListBox* list = dialog.List();
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Březen - připomenout neodevzdané zprávy"));
        EXPECT_EQ(Lines(*list), QStringList({"Beneš, Adam - adam@example.cz - 602 111 001",
                                             "Cibulková, Běla - bez e-mailu - 602 111 002, 485 111 002",
                                             "Malá, Eva - eva@example.cz", "Novák, Karel - karel@example.cz",
                                             "Pokorná, Olga - olga@example.cz"}));
        EXPECT_EQ(Ticks(*list), QList<bool>({true, false, true, true, true}));
        EXPECT_EQ(QApplication::focusWidget(), list);
        // A screen reader reads each line with its tick, Běla's without one; the caption names
        // the list and takes the keyboard there with its mnemonic.
        QAccessibleInterface* lines = QAccessible::queryAccessibleInterface(list);
        ASSERT_EQ(lines->childCount(), 5);
        EXPECT_EQ(lines->text(QAccessible::Name), QStringLiteral("Zvěstovatelé bez zprávy"));
        for (int row = 0; row < 5; ++row) {
            EXPECT_EQ(lines->child(row)->text(QAccessible::Name), list->item(row)->text()) << row;
            EXPECT_EQ(lines->child(row)->state().checkable, row != 1) << row;
            EXPECT_EQ(lines->child(row)->state().checked, row != 1) << row;
        }
        EXPECT_EQ(qobject_cast<QLabel*>(dialog.GetDlgItem(IDC_REMIND_CAPTION))->buddy(), list);
        // Space cannot tick Běla, who has no address; Enter dials her first number.
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Space);
        QTest::keyClick(list, Qt::Key_Return);
        // Karel is left out.
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Space);
        EXPECT_EQ(Ticks(*list), QList<bool>({true, false, true, false, true}));
        EXPECT_TRUE(m_mail.sent.empty());  // nothing goes before "Odeslat"

        QTest::keyClick(list, Qt::Key_O, Qt::AltModifier);
        QTest::qWait(150);  // a button pressed by its mnemonic is clicked after its pressed look
        // Eva's failed message stays ticked for another try; the dialog stays open.
        EXPECT_EQ(Ticks(*list), QList<bool>({false, false, true, false, false}));
        EXPECT_TRUE(dialog.isVisible());
    });
    ASSERT_EQ(m_telephony.calls.size(), 1u);
    EXPECT_EQ(m_telephony.calls[0].number, QStringLiteral("602 111 002"));
    EXPECT_EQ(m_telephony.calls[0].party, QStringLiteral("Cibulková, Běla"));
    EXPECT_EQ(Recipients(), std::vector<std::string>({"SMTP:adam@example.cz", "SMTP:eva@example.cz", "SMTP:olga@example.cz"}));
    EXPECT_EQ(disabledDuringHandOff, 3);
    EXPECT_TRUE(m_mail.sent[1].waitCursor);
    EXPECT_EQ(m_boxes->Shown(), QStringList({"Poštovnímu programu předány připomínky: 2 z 3.\n\nNepředáno:\n"
                                             "Malá, Eva (eva@example.cz): Send Mail failed to send message."}));
}

// A message the mail client gives up on after it was counted as handed over: during the run it
// goes into the outcome, later into a message, and its row is ticked again either way; once the
// dialog is closed, the main window says so.
TEST_F(MonthCommandsTest, AReminderThatFailsAfterTheHandOffIsReportedAndTickedAgain)
{
    OpenGroup(MissingGroup());
    m_mail.onSend = [&](std::size_t count) {
        if (count == 2)
            m_mail.sent[0].lateFailure("zrušeno");
    };
    WithDialog<CRemindAllDlg>(IDC_REMIND_ALL, [this](CRemindAllDlg& dialog) {
        CListBox* list = dialog.List();
        QTest::keyClick(list, Qt::Key_O, Qt::AltModifier);
        QTest::qWait(150);
        EXPECT_EQ(m_boxes->Last(), QStringLiteral("Poštovnímu programu předány připomínky: 3 z 4.\n\nNepředáno:\n"
                                                  "Beneš, Adam (adam@example.cz): zrušeno"));
        EXPECT_EQ(Ticks(*list), QList<bool>({true, false, false, false, false}));
        m_mail.sent[1].lateFailure("zrušeno");
        EXPECT_EQ(m_boxes->Last(), QStringLiteral("E-mail pro Malá, Eva (eva@example.cz) poštovní program nakonec "
                                                  "nepřevzal: zrušeno"));
        EXPECT_EQ(Ticks(*list), QList<bool>({true, false, true, false, false}));
    });
    m_mail.sent[2].lateFailure("zrušeno");
    EXPECT_EQ(m_boxes->Last(), QStringLiteral("E-mail pro karel@example.cz poštovní program nakonec nepřevzal: zrušeno"));
}

TEST_F(MonthCommandsTest, ProgressCanBeCancelledAndAllRemindedClosesTheDialog)
{
    OpenGroup(MissingGroup());
    bool progressShown = false;
    m_mail.onSend = [&](std::size_t count) {
        auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
        if (count != 1 || !progress)
            return;
        progressShown = progress->isVisible() && progress->labelText() == QStringLiteral("Předávám připomínku 1 z 4...");
        QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);  // "Zrušit"
    };
    WithDialog<CRemindAllDlg>(IDC_REMIND_ALL, [&](CRemindAllDlg& dialog) {
        QTest::mouseClick(dialog.GetDlgItem(IDC_REMIND_SEND), Qt::LeftButton);
        EXPECT_EQ(Ticks(*dialog.List()), QList<bool>({false, false, true, true, true}));
        // The rest is handed over by a second "Odeslat", which then closes the dialog.
        m_mail.onSend = nullptr;
        QTest::mouseClick(dialog.GetDlgItem(IDC_REMIND_SEND), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_TRUE(progressShown);
    EXPECT_EQ(m_mail.sent.size(), 4u);
    EXPECT_EQ(m_boxes->Shown(), QStringList({"Poštovnímu programu předány připomínky: 1 z 4.\nOdesílání bylo přerušeno.",
                                             "Poštovnímu programu předány připomínky: 3 z 3."}));
}

TEST_F(MonthCommandsTest, SystemEndingTheProgramStopsTheRunAfterTheCurrentMessage)
{
    CTerminationWatcher watcher;
    TestMainDlg& dlg = OpenGroup(MissingGroup());
    QObject::connect(&watcher, &CTerminationWatcher::terminationRequested, &dlg, &CMainDlg::OnTerminationRequested);
    m_mail.onSend = [&watcher](std::size_t count) {
        if (count == 1)
            AskToEnd(watcher);
    };
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<CRemindAllDlg*>(QApplication::activeModalWidget()))
            QTest::mouseClick(dialog->GetDlgItem(IDC_REMIND_SEND), Qt::LeftButton);
    });
    Click(IDC_REMIND_ALL);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dlg.IsClosed(); }, 2000));
    EXPECT_EQ(m_mail.sent.size(), 1u);
    EXPECT_TRUE(m_boxes->Shown().isEmpty());
}

TEST_F(MonthCommandsTest, NobodyMissingIsSaidInsteadOfAnEmptyList)
{
    fixtures::GroupBuilder group = SimpleGroup(2);
    group.Publisher(1).Report(2, 0, {.hours = 1});
    group.Publisher(2).Note(2, 0, "0");
    OpenGroup(group);
    Click(IDC_REMIND_ALL);
    EXPECT_EQ(m_boxes->Shown(), QStringList({"Zprávu za Březen už odevzdali všichni."}));
    EXPECT_TRUE(ListHasFocus());
}

TEST_F(MonthCommandsTest, TotalsAreShownCopiedAndSavedAsWorkedOutByHand)
{
    const QString pdfPath = m_dir.filePath(QStringLiteral("souhrn.pdf"));
    m_files.QueueAnswer(pdfPath);
    Open(WriteGroup(fixtures::MonthGroup(9)), {2025, 11, 10});
    const QString heading = QStringLiteral("Říjen 2025 - Skupina 5 - souhrn měsíce");
    const QStringList lines = {
        "Celkem zvěstovatelů = 8",
        "Říjen - odevzdané zprávy = 6",
        "Říjen - neodevzdané zprávy = 2",
        "Zvěstovatelé: 4, odevzdali 3, účast 1, BS 2, Hod 3.75",
        "Pomocní průkopníci: 1, odevzdali 1, účast 1, BS 1, Hod 12.75",
        "Pravidelní průkopníci: 2, odevzdali 1, účast 1, BS 3, Hod 50.25, kredit 5",
        "Zvláštní průkopníci: 1, odevzdali 1, účast 1, BS 2, Hod 101",
        "Zvláštní průkopníci NEJSOU ZAHRNUTI ve zprávě pro pobočku",
        "Opožděné zprávy za Listopad 2024 = 1",
        "Opožděné zprávy za Září 2025 = 1",
    };
    WithDialog<CMonthSummaryDlg>(IDC_MONTH_SUMMARY, [&](CMonthSummaryDlg& dialog) {
        auto* list = qobject_cast<QListWidget*>(dialog.GetDlgItem(IDC_SUMMARY_LIST));
        EXPECT_EQ(dialog.windowTitle(), heading);
        EXPECT_EQ(Lines(*list), lines);
        EXPECT_EQ(QApplication::focusWidget(), list);
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), heading + "\n" + lines.join("\n") + "\n");
        QTest::keyClick(list, Qt::Key_P, Qt::AltModifier);  // "Uložit jako &PDF..."
        EXPECT_TRUE(QTest::qWaitFor([this] { return !m_files.Folders().isEmpty(); }));
        EXPECT_EQ(QApplication::focusWidget(), list);
        QTest::keyClick(list, Qt::Key_Escape);
    });
    EXPECT_EQ(m_files.Folders(), QStringList{m_dir.path()});
    SKIP_PDF_TEXT_UNDER_WINDOWS();
    const QString pdf = PdfText(pdfPath).simplified();
    EXPECT_TRUE(pdf.startsWith(heading)) << pdf.toStdString();
    EXPECT_TRUE(pdf.contains(lines[5])) << pdf.toStdString();
    EXPECT_TRUE(m_boxes->Shown().isEmpty());
}

// January 2025: Adam an auxiliary pioneer with 10.5 hours in December 2024 and a note in January,
// Eva without any report. Worked out by hand: the window runs from February 2024 to January
// 2025; Adam misses February to November (four of them among the last six months, August to
// January; the note makes January no missing month), his service year (September to January)
// has 10.5 hours; Eva misses all twelve (six among the last six), her service year 0 hours.
TEST_F(MonthCommandsTest, YearAtAGlanceMovesByCellAndCopiesAsWorkedOutByHand)
{
    fixtures::GroupBuilder group;
    group.Group(5).Month(0);
    group.AddPublisher({"Adam", "Beneš"}).Report(11, 0, {.hours = 10, .quarters = 2, .participation = true})
        .Status(11, 0, 1).Note(0, 1, "0");
    group.AddPublisher({"Eva", "Malá"});
    Open(WriteGroup(group), {2025, 2, 10});
    WithDialog<CMonthSummaryDlg>(IDC_MONTH_SUMMARY, [](CMonthSummaryDlg& summary) {
        bool ran = false;
        std::function<void()> work = [&] {
            // The button pressed by its mnemonic is clicked after its pressed look.
            auto* year = qobject_cast<CYearOverviewDlg*>(QApplication::activeModalWidget());
            if (!year) {
                QTimer::singleShot(20, work);
                return;
            }
            ran = true;
            auto* table = qobject_cast<QTableView*>(year->GetDlgItem(IDC_YEAR_TABLE));
            const QAbstractItemModel& cells = *table->model();
            const auto at = [table] { return std::make_pair(table->currentIndex().row(), table->currentIndex().column()); };
            EXPECT_EQ(year->windowTitle(), QStringLiteral("Leden 2025 - Skupina 5 - přehled roku"));
            EXPECT_TRUE(QTest::qWaitFor([table] { return QApplication::focusWidget() == table; }));
            EXPECT_EQ(cells.headerData(0, Qt::Horizontal), QStringLiteral("Úno\n2024"));
            // The report month of the first publisher first; the arrows move by cell.
            EXPECT_EQ(at(), std::make_pair(0, 11));
            QTest::keyClick(table, Qt::Key_Left);
            QTest::keyClick(table, Qt::Key_Down);
            EXPECT_EQ(at(), std::make_pair(1, 10));
            // A missing month is empty and named so for a screen reader; a note is not missing.
            EXPECT_EQ(cells.index(1, 10).data(), QVariant());
            EXPECT_EQ(QAccessible::queryAccessibleInterface(table)->tableInterface()->cellAt(1, 10)->text(QAccessible::Name),
                      QStringLiteral("chybí"));
            EXPECT_EQ(cells.index(0, 11).data(Qt::AccessibleTextRole), QVariant());
            QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
            EXPECT_EQ(QGuiApplication::clipboard()->text(),
                      "\tÚno 2024\tBře\tDub\tKvě\tČvn\tČvc\tSrp\tZář\tŘíj\tLis\tPro\tLed 2025\t"
                      "Chybí za 6 měs.\tSlužební rok (hod)\n"
                      "Beneš, Adam\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t10\t\t4\t10.5\n"
                      "Malá, Eva\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t6\t0\n"
                      "Odevzdané zprávy\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t1\t0\n");
            QTest::keyClick(table, Qt::Key_Escape);
        };
        QTimer::singleShot(0, work);
        QTest::keyClick(summary.GetDlgItem(IDC_SUMMARY_LIST), Qt::Key_R, Qt::AltModifier);  // "Přehled &roku..."
        EXPECT_TRUE(QTest::qWaitFor([&] { return ran && QApplication::activeModalWidget() == &summary; }));
    });
}

} // namespace
} // namespace vak::test
