// The report entry test fixture.
#include "EntryFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace vak::test {

EntryDialogTest::~EntryDialogTest()
{
    m_entry.reset();
}

CEntryDlg& EntryDialogTest::OpenEntry(const fixtures::GroupBuilder& group, int p, CivilDate today)
{
    m_entry.reset();
    Open(WriteGroup(group), today);
    m_entry = m_dlg->NewEntryDialog(p);
    m_entry->show();
    m_entry->activateWindow();
    // The window system reports the dialog active a little before the application does.
    EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == m_entry.get(); }));
    return *m_entry;
}

void EntryDialogTest::Keys(const QString& script)
{
    for (const QChar c : script) {
        switch (c.unicode()) {
        case '\n': Press(Qt::Key_Return); break;
        case '\t': Press(Qt::Key_Tab); break;
        case '>': Press(Qt::Key_Right); break;
        case '<': Press(Qt::Key_Left); break;
        case '^': Press(Qt::Key_Up); break;
        case '~': Press(Qt::Key_Down); break;
        case '|': Press(Qt::Key_Backspace); break;
        default: Type(QString(c)); break;
        }
    }
}

void EntryDialogTest::Alt(char letter)
{
    Press(Qt::Key_A + (letter - 'a'), Qt::AltModifier);
    // A button pressed by its mnemonic is clicked after its pressed look has shown.
    QTest::qWait(150);
}

QString EntryDialogTest::EntryText(int id) const
{
    return m_entry->GetDlgItem(id)->property("text").toString();
}

void EntryDialogTest::ClickItem(int id)
{
    QTest::mouseClick(m_entry->GetDlgItem(id), Qt::LeftButton);
}

bool EntryDialogTest::Shown(int id) const
{
    return m_entry->GetDlgItem(id)->isVisibleTo(m_entry.get());
}

bool EntryDialogTest::HasFocus(int id) const
{
    return QApplication::focusWidget() == m_entry->GetDlgItem(id);
}

QString EntryDialogTest::SelectedText(int id) const
{
    if (auto* edit = qobject_cast<QLineEdit*>(m_entry->GetDlgItem(id)))
        return edit->selectedText();
    return {};
}

} // namespace vak::test
