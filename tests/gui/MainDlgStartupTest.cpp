// Start-up of the main window: which group file is opened, the report month, the status texts
// of a loaded group, and the empty window when no group is known.
#include "MainWindowFixture.h"

#include "res/DialogTemplates.h"
#include "ui/ListBox.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTest>

#ifndef _WIN32
#include <csignal>
#include <sys/stat.h>
#endif

namespace vak::test {
namespace {

using StartupTest = MainWindowTest;

TEST_F(StartupTest, CommandLinePathIsLoadedQuotedOrNamedWithQuotesWhateverLoadPathSays)
{
    const std::string named = WriteGroup(SimpleGroup(3), "Skupina 3.t09");
    const std::string remembered = WriteGroup(SimpleGroup(5), "Jiná.t09");
    m_settings.WriteProfileStrings(SETTINGS_SECTION, {{KEY_LOAD_PATH, remembered}});

    TestMainDlg& dlg = Open("\"" + named + "\"");
    EXPECT_EQ(dlg.m_strPath, named);
    EXPECT_EQ(ListTexts().size(), 3);
#ifndef _WIN32
    // Linux file names may hold a double quote; such a file is opened as named.
    m_dlg.reset();
    const std::string quoted = WriteGroup(SimpleGroup(4), "Skupina \"Sever\".t09");
    EXPECT_EQ(Open(quoted).m_strPath, quoted);
    EXPECT_EQ(ListTexts().size(), 4);
#endif
}

TEST_F(StartupTest, WithoutGroupArgumentTheRememberedFileIsLoaded)
{
    const std::string remembered = WriteGroup(SimpleGroup(4), "Skupina1.T09");
    m_settings.WriteProfileStrings(SETTINGS_SECTION, {{KEY_LOAD_PATH, remembered}});
    for (const std::string commandLine : {"", "poznamky.txt", "Skupina1.t09x"}) {
        SCOPED_TRACE(commandLine);
        TestMainDlg& dlg = Open(commandLine);
        EXPECT_EQ(dlg.m_strPath, remembered);
        EXPECT_EQ(ListTexts().size(), 4);
        m_dlg.reset();
    }
}

TEST_F(StartupTest, NoKnownGroupLeavesTheEmptyWindow)
{
    TestMainDlg& dlg = Open("");

    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Zprávy z kazatelské služby"));
    EXPECT_TRUE(ListTexts().isEmpty());
    EXPECT_EQ(Text(IDC_TOTAL_COUNT), QString());
    EXPECT_EQ(Text(IDC_MISSING_COUNT), QString());
    EXPECT_EQ(Text(IDC_LAST_ENTERED), QString());
    EXPECT_FALSE(Visible(IDC_SEND_REPORT));
    EXPECT_FALSE(Visible(IDC_PREVIEW));
    EXPECT_FALSE(Visible(IDC_FILTER));
    EXPECT_TRUE(ListHasFocus());
}

TEST_F(StartupTest, ReportMonthComesFromTheClock)
{
    // In January the report month is December of the year before.
    TestMainDlg& dlg = Open("", {2026, 1, 15});
    EXPECT_EQ(dlg.m_nMonth, 11);
    EXPECT_EQ(dlg.m_nClockMonth, 11);
    EXPECT_EQ(dlg.m_nYear, 25);
    EXPECT_EQ(dlg.m_nYearSlot, 1);
    EXPECT_EQ(dlg.m_nMonthIndex, 311);
    EXPECT_TRUE(dlg.m_bNewForm);
}

TEST_F(StartupTest, JanuaryFileInJanuarySwitchesToThisYearsSlot)
{
    // On 15 January 2026 the clock says December 2025 (slot 1); a January file is January 2026.
    const std::string path = WriteGroup(SimpleGroup(3, 0));
    TestMainDlg& dlg = Open(path, {2026, 1, 15});
    EXPECT_EQ(dlg.m_nClockMonth, 11);
    EXPECT_EQ(dlg.m_nMonth, 0);
    EXPECT_EQ(dlg.m_nYearSlot, 0);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Leden - odevzdané zprávy - Skupina 3 "));
}

TEST_F(StartupTest, LoadedGroupShowsCaptionCountsAndLastEnteredName)
{
    fixtures::GroupBuilder group = SimpleGroup(4);
    group.Group(200);
    group.Publisher(2).Report(2, 0, {.hours = 3});
    group.Publisher(4).Note(2, 0, "0");
    m_settings.WriteProfileStrings(SETTINGS_SECTION, {{KEY_POST, "Dvořáková, Marie"}});

    TestMainDlg& dlg = OpenGroup(group);

    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Březen - odevzdané zprávy - Skupina 200 "));
    EXPECT_EQ(Text(IDC_TOTAL_COUNT), QStringLiteral("Celkem zvěstovatelů = 4"));
    EXPECT_EQ(Text(IDC_MISSING_COUNT), QStringLiteral("Březen - neodevzdané zprávy = 2"));
    EXPECT_EQ(Text(IDC_LAST_ENTERED), QStringLiteral("Dvořáková, Marie"));
    EXPECT_EQ(Text(IDOK), QStringLiteral("Zvěst. - Příjmení1, Jméno1"));
    EXPECT_TRUE(Visible(IDC_SEND_REPORT));
    EXPECT_TRUE(Visible(IDC_PREVIEW));
    EXPECT_TRUE(Visible(IDC_FILTER));
    EXPECT_EQ(CurrentRow(), 0);
    EXPECT_TRUE(ListHasFocus());
}

TEST_F(StartupTest, MissingFileLoadsAsAnEmptyGroupSaysSoAndIsNotCreatedOnClosing)
{
    const std::string missing = TempFile("Chybí.t09");
    TestMainDlg& dlg = Open(missing);
    EXPECT_EQ(m_boxes->Shown(), QStringList{QString::fromStdString("Soubor " + missing +
                                                                   " se nepodařilo otevřít: No such file or directory")});
    m_boxes->Clear();

    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Březen - odevzdané zprávy - Skupina 0 "));
    EXPECT_EQ(Text(IDC_TOTAL_COUNT), QStringLiteral("Celkem zvěstovatelů = 0"));
    EXPECT_FALSE(Visible(IDC_FILTER));
    EXPECT_FALSE(Visible(IDC_SEND_REPORT));

    Press(Qt::Key_Escape);
    EXPECT_TRUE(dlg.IsClosed());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(missing)));
    EXPECT_TRUE(m_boxes->Shown().isEmpty());
    // The path is remembered all the same, as it was given.
    EXPECT_EQ(m_settings.GetProfileString(SETTINGS_SECTION, KEY_LOAD_PATH), missing);
}

TEST_F(StartupTest, InvalidGroupFileIsRefusedWithAMessageAndLeftUntouched)
{
    fixtures::GroupBuilder group = SimpleGroup(3);
    group.RawHeaderByte(180, 200);  // a publisher count of -56
    const std::string path = WriteGroup(group);
    const std::vector<std::uint8_t> before = ReadFile(path);

    TestMainDlg& dlg = Open(path);
    ASSERT_EQ(m_boxes->Shown().size(), 1);
    EXPECT_EQ(m_boxes->Last(), QStringLiteral("Soubor %1 není platný seznam skupiny a nebude načten.")
                                  .arg(QString::fromStdString(path)));
    EXPECT_TRUE(ListTexts().isEmpty());

    dlg.OnCancel();
    EXPECT_EQ(ReadFile(path), before);
}

#ifndef _WIN32
// Vak as a whole process, copied into the test's folder so that its settings file is written
// there: whatever it is started on, it neither hangs nor outlives a termination request, also
// while a start-up message box is open, and it remembers the group file by its absolute path.
TEST_F(StartupTest, ProgramStartedOnAnyPathEndsPromptlyWhenTheSystemAsksAndRemembersItAbsolutely)
{
    const QString program = m_dir.filePath(QStringLiteral("Vak"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VAK_APP_PATH), program));
    WriteGroup(SimpleGroup(3), "Skupina3.t09");
    fixtures::GroupBuilder refused = SimpleGroup(3);
    refused.RawHeaderByte(180, 200);  // a publisher count of -56
    WriteGroup(refused, "Neplatna.t09");
    ASSERT_EQ(::mkfifo(TempFile("Roura.t09").c_str(), 0666), 0);

    for (const char* argument : {"Skupina3.t09", "Neplatna.t09", "Roura.t09"}) {
        SCOPED_TRACE(argument);
        QProcess vak;
        vak.setWorkingDirectory(m_dir.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        vak.setProcessEnvironment(environment);
        vak.start(program, {QString::fromLatin1(argument)});
        ASSERT_TRUE(vak.waitForStarted(5000));
        QTest::qWait(2500);  // the window, or the box about the refused file, is up by now
        ASSERT_EQ(vak.state(), QProcess::Running);
        ::kill(static_cast<pid_t>(vak.processId()), SIGTERM);
        const bool ended = vak.waitForFinished(5000);
        if (!ended)
            vak.kill();
        EXPECT_TRUE(ended);
        EXPECT_EQ(vak.exitStatus(), QProcess::NormalExit);
        const CSettingsFile settings(TempFile("Vak.ini"));
        EXPECT_EQ(settings.GetProfileString(SETTINGS_SECTION, KEY_LOAD_PATH), TempFile(argument));
    }
}
#endif

} // namespace
} // namespace vak::test
