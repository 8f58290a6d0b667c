// The real message box as a user meets it: the text shown as written (a link in a group file's
// text stays text), and Enter giving the default answer.
#include "MainWindowFixture.h"

#include <QMessageBox>

namespace vak::test {
namespace {

TEST(MessageBoxTest, TextIsPlainAndEnterGivesTheDefaultAnswer)
{
    struct Case {
        QString text;
        MsgButtons buttons;
        MsgAnswer defaultAnswer;
        MsgAnswer onEnter;
    };
    const QString link = QStringLiteral("<a href=\"http://e.x/\">klik</a>@x.cz");
    const Case cases[] = {
        {link, MsgButtons::Ok, MsgAnswer::Yes, MsgAnswer::Ok},
        {QStringLiteral("<b>Přepsat?</b>"), MsgButtons::YesNo, MsgAnswer::Yes, MsgAnswer::Yes},
        {QStringLiteral("<b>Přepsat?</b>"), MsgButtons::YesNo, MsgAnswer::No, MsgAnswer::No},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EnterOnMessageBoxes enter;
        EXPECT_EQ(VakMessageBox(nullptr, c.text, c.buttons, MsgIcon::Information, c.defaultAnswer), c.onEnter);
        ASSERT_EQ(enter.seen.size(), 1);
        EXPECT_EQ(enter.seen[0].text, c.text);
        EXPECT_EQ(enter.seen[0].format, Qt::PlainText);
    }
}

} // namespace
} // namespace vak::test
