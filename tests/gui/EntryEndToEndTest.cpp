// A month of reports as the overseer types it: from the main window, by the first letters of a
// surname, Enter, the values with Enter, the next publisher, Esc; then the saved file's bytes.
#include "EntryFixture.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace vak::test {
namespace {

using EntryEndToEndTest = EntryDialogTest;

struct Word {
    std::size_t offset;  // in the file
    std::uint16_t value;
};

struct MonthCase {
    const char* name;
    CivilDate today;
    int month;
    const char* second;  // keys typed for the second publisher
    const char* third;
    std::vector<Word> words;
};

// Types `keys` into the entry dialog as soon as Enter in the main window has opened it. A
// dialog the keys did not close is cancelled, so that the test fails instead of waiting.
void TypeInEntryWhenOpen(EntryDialogTest& test, const QString& keys)
{
    QTimer::singleShot(0, [&test, keys] {
        ASSERT_TRUE(QTest::qWaitFor([] { return qobject_cast<CEntryDlg*>(QApplication::activeWindow()); }));
        test.Keys(keys);
        if (auto* entry = qobject_cast<CEntryDlg*>(QApplication::activeModalWidget())) {
            ADD_FAILURE() << "the entry dialog is still open";
            entry->reject();
        }
    });
}

TEST_F(EntryEndToEndTest, ReportsTypedFromTheKeyboardAreInTheSavedFile)
{
    // Publisher p's record starts at 816 * p; a month word of August 2023 (slot 1) lies at
    // 6 * 7 + 2 = 44 past its region, of March 2026 (slot 0) at 6 * 2 = 12.
    const MonthCase cases[] = {
        {"old form", OLD_FORM_TODAY, OLD_FORM_MONTH, "5\n2\n7.5\n4\n3\n", "\n\n12\n\n\n",
         {{1632 + 284, 5}, {1632 + 356, 2}, {1632 + 428, 7}, {1632 + 500, 4}, {1632 + 572, 0x2003},
          {2448 + 428, 12}}},
        {"new form", NEW_FORM_TODAY, NEW_FORM_MONTH, " \n4\n", " \n2\n", {{1632 + 540, 0x0804}, {2448 + 540, 0x0802}}},
    };
    for (const MonthCase& c : cases) {
        SCOPED_TRACE(c.name);
        fixtures::GroupBuilder group;
        group.Group(4).Month(c.month);
        group.AddPublisher({.firstName = "Jana", .surname = "Adámková"});
        group.AddPublisher({.firstName = "Petr", .surname = "Čermák"});
        group.AddPublisher({.firstName = "Jiří", .surname = "Dvořák"});
        const std::string path = WriteGroup(group);
        std::vector<std::uint8_t> expected = group.Bytes();
        TestMainDlg& dlg = Open(path, c.today);
        dlg.realEntry = true;

        Type(QStringLiteral("Če"));
        TypeInEntryWhenOpen(*this, QString::fromUtf8(c.second));
        Press(Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitFor([this] { return ListHasFocus(); }));
        Press(Qt::Key_Down);
        TypeInEntryWhenOpen(*this, QString::fromUtf8(c.third));
        Press(Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitFor([this] { return ListHasFocus(); }));
        EXPECT_EQ(dlg.entries, std::vector<int>({2, 3}));
        EXPECT_EQ(Text(IDC_LAST_ENTERED), QStringLiteral("Dvořák, Jiří"));
        Press(Qt::Key_Escape);
        ASSERT_TRUE(dlg.IsClosed());

        // The reports and nothing else.
        for (const Word& word : c.words)
            WriteWord(expected.data(), word.offset, word.value);
        EXPECT_EQ(ReadFile(path), expected);
        EXPECT_EQ(m_settings.GetProfileString(SETTINGS_SECTION, KEY_POST), "Dvořák, Jiří");
        m_dlg.reset();
    }
}

} // namespace
} // namespace vak::test
