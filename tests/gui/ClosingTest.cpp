// Closing the main window and opening another group file: the group is saved in place, the
// settings remembered, and reports typed since loading are never dropped without a word.
#include "MainWindowFixture.h"

#include "ui/Termination.h"
#ifndef _WIN32
#include "fixtures/FileSizeLimit.h"
#endif
#include "data/FilePath.h"
#include "fixtures/SystemConditions.h"
#include "res/DialogTemplates.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <filesystem>
#include <optional>


namespace vak::test {
namespace {

class ClosingTest : public MainWindowTest {
protected:
    // Publisher p's hours of March 2026 in the group file at `path` as loading reads them, or -1.
    int SavedHours(const std::string& path, int p)
    {
        CGroupData saved(m_messages);
        saved.InitReportMonth({2026, 4, 10});
        return saved.LoadGroupFile(path) ? saved.GetMonthValue(p, 2, 0, FIELD_HOURS) : -1;
    }
};

#ifndef _WIN32
using fixtures::FileSizeLimit;
#endif

// The group file another program writes over ours while the window is open.
fixtures::GroupBuilder SecretarysNewFile()
{
    fixtures::GroupBuilder group = MainWindowTest::SimpleGroup(4);
    group.Group(9);
    return group;
}

const QString FILE_CHANGED_QUESTION = QStringLiteral("Soubor %1 byl od načtení změněn. Přepsat ho zadanými zprávami?");
const QString SAVE_FAILED_QUESTION = QStringLiteral("Zprávy nebyly uloženy. Ukončit program přesto?");

TEST_F(ClosingTest, EscCloseBoxAndButtonAllSaveTheEnteredReportsAndTheSettings)
{
    const std::vector<std::pair<const char*, std::function<void(MainWindowTest&)>>> ways = {
        {"Esc", [](MainWindowTest& t) { t.Press(Qt::Key_Escape); }},
        {"close box", [](MainWindowTest& t) { t.m_dlg->close(); }},
        {"button", [](MainWindowTest& t) { t.Click(IDCANCEL); }},
    };
    for (const auto& [name, closeWindow] : ways) {
        SCOPED_TRACE(name);
        TestMainDlg& dlg = OpenGroup(SimpleGroup(3));
        const std::string path = dlg.m_strPath;
        EnterHours(dlg, 2, 7);
        dlg.m_strLastEntered = "Příjmení2, Jméno2";

        closeWindow(*this);
        EXPECT_TRUE(dlg.IsClosed());
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_FALSE(dlg.m_bLoaded);
        EXPECT_TRUE(m_boxes->Shown().isEmpty());

        EXPECT_EQ(SavedHours(path, 2), 7);
        EXPECT_EQ(m_settings.GetProfileString(SETTINGS_SECTION, KEY_LOAD_PATH), path);
        EXPECT_EQ(m_settings.GetProfileString(SETTINGS_SECTION, KEY_POST), "Příjmení2, Jméno2");
        m_dlg.reset();
    }
}

TEST_F(ClosingTest, FirstRunCreatesTheSettingsFileWithEmptyValues)
{
    TestMainDlg& dlg = Open("");
    dlg.OnCancel();
    EXPECT_EQ(ReadText(m_settings.Path()), "[Last]\nLoadPath=\nPost=\n");
}

// The reports kept in a new file beside the group file: its path, or empty when there is none.
QString KeptCopyIn(const QString& folder)
{
    const QStringList copies = QDir(folder).entryList({QStringLiteral("Skupina3 (Vak *).t09")}, QDir::Files);
    return copies.size() == 1 ? folder + '/' + copies.front() : QString();
}

// A failing save is brought about with the process's file-size limit, which only POSIX has.
#ifndef _WIN32
TEST_F(ClosingTest, FailedSaveAsksBeforeQuittingAndKeepsTheOldFile)
{
    for (const MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
        SCOPED_TRACE(answer == MsgAnswer::Yes ? "Yes" : "No");
        TestMainDlg& dlg = OpenGroup(SimpleGroup(3));
        const std::string path = dlg.m_strPath;
        const std::vector<std::uint8_t> before = ReadFile(path);
        EnterHours(dlg, 1);
        m_boxes->Clear();
        {
            FileSizeLimit full(100);
            m_boxes->QueueAnswer(answer);
            dlg.OnCancel();
        }
        ASSERT_EQ(m_boxes->Shown().size(), 2);
        EXPECT_TRUE(m_boxes->Shown()[0].startsWith(QStringLiteral("Nelze-li vytvořit nový soubor: ") +
                                                   QString::fromStdString(path)));
        EXPECT_EQ(m_boxes->Shown()[1], SAVE_FAILED_QUESTION);
        EXPECT_EQ(ReadFile(path), before);
        EXPECT_EQ(dlg.IsClosed(), answer == MsgAnswer::Yes);
        if (answer == MsgAnswer::No) {
            // No keeps the window open; once the disk has room again, closing saves the reports.
            EXPECT_TRUE(dlg.isVisible());
            EXPECT_TRUE(dlg.m_bLoaded);
            EXPECT_FALSE(QFile::exists(QString::fromStdString(m_settings.Path())));
            dlg.OnCancel();
            EXPECT_TRUE(dlg.IsClosed());
            EXPECT_NE(ReadFile(path), before);
        }
        m_dlg.reset();
        QFile::remove(QString::fromStdString(path));
    }
}

TEST_F(ClosingTest, EnterOnEveryQuestionKeepsTheReportsAndTheOtherFile)
{
    // A 240-character stem: the kept copy's name is shortened to the 255 bytes a name may have.
    const std::string stem(240, 'S');
    const QString keptName = QString::fromStdString(stem.substr(0, 228)) + QStringLiteral(" (Vak *).t09");
    for (const bool diskFull : {false, true}) {
        SCOPED_TRACE(diskFull ? "nothing can be written" : "changed on disk");
        const std::string path = WriteGroup(SimpleGroup(3), stem + ".t09");
        TestMainDlg& dlg = Open(path);
        EnterHours(dlg, 1);
        QTest::qWait(20);
        ASSERT_TRUE(SecretarysNewFile().WriteTo(path));
        const std::vector<std::uint8_t> theirs = ReadFile(path);
        m_boxes.reset();
        {
            EnterOnMessageBoxes enter;
            std::optional<FileSizeLimit> full;
            if (diskFull)
                full.emplace(100);
            dlg.OnCancel();
            // Yes to "overwrite" would replace the other program's file, Yes to "quit anyway"
            // drop the reports: Enter answers No to both.
            ASSERT_EQ(enter.seen.size(), 2);
            EXPECT_EQ(enter.seen[0].text, FILE_CHANGED_QUESTION.arg(QString::fromStdString(path)));
            EXPECT_EQ(enter.seen[0].defaultButton, QMessageBox::No);
            if (diskFull) {
                EXPECT_EQ(enter.seen[1].text, SAVE_FAILED_QUESTION);
                EXPECT_EQ(enter.seen[1].defaultButton, QMessageBox::No);
                EXPECT_FALSE(dlg.IsClosed());
            } else {
                EXPECT_TRUE(dlg.IsClosed());
                const QStringList kept = QDir(m_dir.path()).entryList({keptName}, QDir::Files);
                ASSERT_EQ(kept.size(), 1);
                EXPECT_TRUE(enter.seen[1].text.contains(m_dir.filePath(kept[0]))) << enter.seen[1].text.toStdString();
                EXPECT_EQ(ReadFile(m_dir.filePath(kept[0]).toStdString()).size(), RECORD_SIZE * 4);
                QFile::remove(m_dir.filePath(kept[0]));
            }
        }
        m_boxes.emplace();
        EXPECT_EQ(ReadFile(path), theirs);
        m_dlg.reset();
        QFile::remove(QString::fromStdString(path));
    }
}
#endif

TEST_F(ClosingTest, OpeningAnotherFileSavesTheReportsEnteredIntoTheCurrentOne)
{
    TestMainDlg& dlg = OpenGroup(SimpleGroup(3));
    const std::string first = dlg.m_strPath;
    const std::string second = WriteGroup(SimpleGroup(5), "Skupina5.T09");
    EnterHours(dlg, 3, 11);
    dlg.m_strLastEntered = "Příjmení3, Jméno3";
    const QString startDir = QDir::currentPath();

    m_files.QueueAnswer(QString::fromStdString(second));
    Click(IDC_LOAD_LIST);

    EXPECT_EQ(m_files.Folders(), QStringList({QString::fromStdString(first).section('/', 0, -2)}));
    EXPECT_EQ(dlg.m_strPath, second);
    EXPECT_EQ(ListTexts().size(), 5);
    EXPECT_EQ(Text(IDC_LAST_ENTERED), QString());
    EXPECT_EQ(QDir::currentPath(), startDir);
    EXPECT_TRUE(ListHasFocus());
    EXPECT_EQ(SavedHours(first, 3), 11);
}

#ifndef _WIN32
TEST_F(ClosingTest, OpeningAnotherFileKeepsTheCurrentGroupWhenItsReportsCannotBeSaved)
{
    TestMainDlg& dlg = OpenGroup(SimpleGroup(3));
    const std::string first = dlg.m_strPath;
    const std::string second = WriteGroup(SimpleGroup(5), "Skupina5.t09");
    EnterHours(dlg, 3, 11);
    {
        FileSizeLimit full(100);
        m_files.QueueAnswer(QString::fromStdString(second));
        dlg.OnLoadNewList();
    }
    ASSERT_EQ(m_boxes->Shown().size(), 1);
    EXPECT_TRUE(m_boxes->Last().startsWith(QStringLiteral("Nelze-li vytvořit nový soubor")));
    EXPECT_EQ(dlg.m_strPath, first);
    EXPECT_EQ(dlg.GetMonthValue(3, 2, 0, FIELD_HOURS), 11);
    EXPECT_TRUE(dlg.m_bEntered);
}
#endif

TEST_F(ClosingTest, FileDialogChoicesThatLoadNothing)
{
    TestMainDlg& dlg = OpenGroup(SimpleGroup(3));
    const std::string first = dlg.m_strPath;
    WriteGroup(SimpleGroup(5), "Skupina5.t19");

    m_files.QueueAnswer(QString());  // cancelled
    dlg.OnLoadNewList();
    EXPECT_EQ(dlg.m_strPath, first);
    EXPECT_TRUE(ListHasFocus());

    m_files.QueueAnswer(QString::fromStdString(TempFile("Skupina5.t19")));
    dlg.OnLoadNewList();
    EXPECT_EQ(dlg.m_strPath, first);
    EXPECT_EQ(ListTexts().size(), 3);
    EXPECT_TRUE(m_boxes->Shown().isEmpty());
}

TEST_F(ClosingTest, FileDialogOpensInTheStartFolderWithoutALoadedFile)
{
    TestMainDlg& dlg = Open("");
    m_files.QueueAnswer(QString());
    dlg.OnLoadNewList();
    EXPECT_EQ(m_files.Folders(), QStringList({QString::fromStdString(dlg.m_strStartDir)}));
}

TEST_F(ClosingTest, TerminationSignalClosesWithoutQuestionsAndKeepsTypedReportsBesideAChangedFile)
{
    CTerminationWatcher watcher;
    TestMainDlg& dlg = OpenGroup(SimpleGroup(3));
    QObject::connect(&watcher, &CTerminationWatcher::terminationRequested, &dlg, &CMainDlg::OnTerminationRequested);
    const std::string path = dlg.m_strPath;
    EnterHours(dlg, 2, 6);
    QTest::qWait(20);
    ASSERT_TRUE(SecretarysNewFile().WriteTo(path));

    const std::vector<std::uint8_t> theirs = ReadFile(path);

    AskToEnd(watcher);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dlg.IsClosed(); }, 2000));
    EXPECT_TRUE(m_boxes->Shown().isEmpty());
    // Nobody was asked, so their newer file stays and our reports are kept beside it.
    EXPECT_EQ(ReadFile(path), theirs);
    EXPECT_EQ(SavedHours(KeptCopyIn(m_dir.path()).toStdString(), 2), 6);
    EXPECT_EQ(m_settings.GetProfileString(SETTINGS_SECTION, KEY_LOAD_PATH), path);
}

TEST_F(ClosingTest, TerminationWhileAMessageBoxIsOpenClosesItAndThenTheWindow)
{
    CTerminationWatcher watcher;
    TestMainDlg& dlg = OpenGroup(SimpleGroup(3));
    QObject::connect(&watcher, &CTerminationWatcher::terminationRequested, &dlg, &CMainDlg::OnTerminationRequested);
    EnterHours(dlg, 2, 6);

    // A real box this time: the tips stay open until the signal arrives.
    m_boxes.reset();
    bool boxWasOpen = false;
    QTimer::singleShot(50, [&] {
        boxWasOpen = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr;
        AskToEnd(watcher, /*hangUp=*/true);
    });
    Click(IDC_HELP_TIPS);
    m_boxes.emplace();

    EXPECT_TRUE(boxWasOpen);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dlg.IsClosed(); }, 2000));
    EXPECT_EQ(SavedHours(dlg.m_strPath, 2), 6);
}

TEST_F(ClosingTest, SessionEndSavesBeforeItReturnsWhileAModalWindowIsOpen)
{
    CTerminationWatcher watcher;
    TestMainDlg& dlg = OpenGroup(SimpleGroup(3));
    EnterHours(dlg, 2, 6);
    m_boxes.reset();
    int savedHours = -1;
    bool boxClosed = false;
    QTimer::singleShot(50, [&] {
        // Inside the tips box's own event loop, as the system's message arrives there.
        watcher.Request();
        dlg.SaveForSessionEnd();
        boxClosed = QApplication::activeModalWidget() == nullptr;
        savedHours = SavedHours(dlg.m_strPath, 2);
    });
    Click(IDC_HELP_TIPS);
    m_boxes.emplace();
    EXPECT_TRUE(boxClosed);
    EXPECT_EQ(savedHours, 6) << "the reports are on the disk before the request returns";
    EXPECT_EQ(m_settings.GetProfileString(SETTINGS_SECTION, KEY_LOAD_PATH), dlg.m_strPath);
}

TEST_F(ClosingTest, GroupThatWasOnlyLookedAtIsNeverRewritten)
{
    const std::vector<std::uint8_t> whole = SimpleGroup(3).Bytes();
    std::vector<std::uint8_t> truncated = SimpleGroup(8).Bytes();
    truncated.resize(5000);
    std::vector<std::uint8_t> oversized = whole;
    oversized.resize(100000, 0x5A);
    const std::pair<const char*, std::vector<std::uint8_t>> files[] = {
        {"truncated", truncated}, {"oversized", oversized}, {"read-only", whole}};
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        const std::string path = TempFile("Skupina3.t09");
        QFile::remove(QString::fromStdString(path));
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
        file.close();
        if (std::string(name) == "read-only")
            file.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        Open(path);
        m_boxes->Clear();
        Press(Qt::Key_Escape);
        EXPECT_TRUE(m_dlg->IsClosed());
        EXPECT_EQ(ReadFile(path), bytes);
        EXPECT_TRUE(m_boxes->Shown().isEmpty());
        m_dlg.reset();
    }
}

} // namespace
} // namespace vak::test
