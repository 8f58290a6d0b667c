// The real message box as a user meets it: the text shown as written (a link in a group file's
// text stays text), Enter giving the default answer, and a long text within the screen.
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
    QStringList failures;
    for (int p = 1; p <= 127; ++p)
        failures.append(QStringLiteral("Příjmení%1, Jméno%1 (p%1@example.cz): Send Mail failed to send message.").arg(p));
    const QString link = QStringLiteral("<a href=\"http://e.x/\">klik</a>@x.cz");
    const Case cases[] = {
        {link, MsgButtons::Ok, MsgAnswer::Yes, MsgAnswer::Ok},
        {QStringLiteral("<b>Přepsat?</b>"), MsgButtons::YesNo, MsgAnswer::Yes, MsgAnswer::Yes},
        {QStringLiteral("<b>Přepsat?</b>"), MsgButtons::YesNo, MsgAnswer::No, MsgAnswer::No},
        {failures.join('\n'), MsgButtons::Ok, MsgAnswer::Ok, MsgAnswer::Ok},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.left(40).toStdString());
        EnterOnMessageBoxes enter;
        EXPECT_EQ(VakMessageBox(nullptr, c.text, c.buttons, MsgIcon::Information, c.defaultAnswer), c.onEnter);
        ASSERT_EQ(enter.seen.size(), 1);
        EXPECT_EQ(enter.seen[0].text, c.text);
        EXPECT_EQ(enter.seen[0].format, Qt::PlainText);
        EXPECT_TRUE(enter.seen[0].onScreen);
    }
}

} // namespace
} // namespace vak::test
