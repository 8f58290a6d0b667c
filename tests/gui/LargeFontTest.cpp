// Large fonts: with the application font at 150 % and 200 % (as a larger system font gives it;
// the same tests also run under QT_SCALE_FACTOR 1.5 and 2), every template and every window in
// the states it is worked in keeps its controls inside the window, apart and showing their
// whole text; the printed sheet does not follow the user-interface font.
#include "EntryFixture.h"
#include "WindowAudit.h"

#include "app/AboutDlg.h"
#include "fixtures/DemoGroup.h"
#include "print/PreviewDlg.h"
#include "print/SheetPrinting.h"

#include <QApplication>
#include <QFontInfo>
#include <QRegularExpression>
#include <QTest>

namespace vak::test {
namespace {

struct FontCase {
    const char* family;  // nullptr: the platform's own
    int percent;
};
// Liberation Sans (Arial's metrics) lays its lines out with a leading that its font height
// leaves out, so it shows a line height taken too small at 150 % and 200 %.
constexpr FontCase FONTS[] = {{nullptr, 100}, {nullptr, 150}, {nullptr, 200},
                              {"Liberation Sans", 150}, {"Liberation Sans", 200}};

// The application font of `fontCase` while the object lives.
class ScopedFont {
public:
    explicit ScopedFont(const FontCase& fontCase) : m_before(QApplication::font())
    {
        QFont font = m_before;
        if (fontCase.family) {
            font.setFamily(QString::fromLatin1(fontCase.family));
            EXPECT_EQ(QFontInfo(font).family(), font.family()) << "fonts-liberation is needed";
        }
        font.setPointSizeF(m_before.pointSizeF() * fontCase.percent / 100.0);
        QApplication::setFont(font);
    }
    ~ScopedFont() { QApplication::setFont(m_before); }
    ScopedFont(const ScopedFont&) = delete;
    ScopedFont& operator=(const ScopedFont&) = delete;

private:
    QFont m_before;
};

testing::Message Describe(const FontCase& fontCase)
{
    return testing::Message() << (fontCase.family ? fontCase.family : "platform font") << " at "
                              << fontCase.percent << " %";
}

// The demo group stands in November 2026, the report month of a clock in December 2026.
constexpr CivilDate DEMO_TODAY{2026, 12, 10};

class LargeFontTest : public EntryDialogTest {
protected:
    static void ExpectLaidOut(QWidget& window, const char* state)
    {
        EXPECT_EQ(LayoutProblems(window), QStringList()) << state;
    }
};

TEST(LargeFontTemplateTest, EveryTemplateFitsItsControlsAndTextsAtLargeFonts)
{
    for (const FontCase& fontCase : FONTS) {
        const ScopedFont font(fontCase);
        for (const DialogTemplate& dialogTemplate : DialogTemplates()) {
            SCOPED_TRACE(Describe(fontCase) << ", template " << dialogTemplate.id);
            QDialog dialog;
            CDialogControls controls;
            ASSERT_TRUE(controls.Build(dialog, dialogTemplate.id));
            EXPECT_EQ(TemplateLayoutProblems(dialog), QStringList());
        }
    }
}

TEST_F(LargeFontTest, MainWindowAboutBoxAndPreviewStayLaidOutAtLargeFonts)
{
    for (const FontCase& fontCase : FONTS) {
        SCOPED_TRACE(Describe(fontCase));
        const ScopedFont font(fontCase);
        // The demo group's first publisher has three numbers and an address: every button shows.
        TestMainDlg& main = Open(WriteGroup(fixtures::BuildDemoGroup(), "Skupina7.t09"), DEMO_TODAY);
        ExpectLaidOut(main, "main window");

        CAboutDlg about(&main);
        about.show();
        ExpectLaidOut(about, "about box");

        CPreviewDlg preview(&main);
        preview.m_nMonth = main.m_nMonth;
        preview.OnInitDialog();
        preview.show();
        ExpectLaidOut(preview, "preview");
        preview.OnNextPage();
        ExpectLaidOut(preview, "preview, second page");
    }
}

// A regular pioneer with credit hours and a publisher who may tick "Pomocný průkopník", in
// both forms, with the month list and the note field open in turn.
TEST_F(LargeFontTest, EntryFormsStayLaidOutInEveryStateAtLargeFonts)
{
    struct Form {
        const char* name;
        int month;
        int slot;
        CivilDate today;
    };
    const Form forms[] = {{"new form", NEW_FORM_MONTH, 0, NEW_FORM_TODAY},
                          {"old form", OLD_FORM_MONTH, OLD_FORM_SLOT, OLD_FORM_TODAY}};
    for (const FontCase& fontCase : FONTS) {
        const ScopedFont font(fontCase);
        for (const Form& form : forms) {
            fixtures::GroupBuilder group = Group(form.month);
            group.Publisher(1).Status(form.month, form.slot, 2).Report(
                form.month, form.slot,
                {.hours = 52, .studies = 3, .quarters = 2, .participation = form.month == NEW_FORM_MONTH, .credit = 5});
            for (const int p : {1, 2}) {
                SCOPED_TRACE(Describe(fontCase) << ", " << form.name << ", publisher " << p);
                CEntryDlg& entry = OpenEntry(group, p, form.today);
                ExpectLaidOut(entry, "opened");
                entry.OnChangeMonth();
                ExpectLaidOut(entry, "month list open");
                Keys("~\n");
                entry.OnNotes();
                ExpectLaidOut(entry, "note field open");
            }
        }
    }
}

TEST_F(LargeFontTest, MonthButtonTakesClicksUnderTheCreditLabel)
{
    fixtures::GroupBuilder group = Group();
    group.Publisher(1).Status(NEW_FORM_MONTH, 0, 2).Report(NEW_FORM_MONTH, 0, {.hours = 60, .participation = true, .credit = 30});
    CEntryDlg& entry = OpenEntry(group);
    QWidget* button = entry.GetDlgItem(IDC_CHANGE_MONTH);
    const QRect shared = button->geometry().intersected(entry.GetDlgItem(IDC_CREDIT)->geometry());
    ASSERT_FALSE(shared.isEmpty());
    // The window system hands the click to the control the pointer is over.
    QWidget* clicked = entry.childAt(shared.center());
    ASSERT_EQ(clicked, button);
    QTest::mouseClick(clicked, Qt::LeftButton, Qt::NoModifier, clicked->mapFrom(&entry, shared.center()));
    EXPECT_TRUE(Shown(IDC_MONTH_LIST));
}

TEST_F(LargeFontTest, PrintedSheetDoesNotFollowTheUserInterfaceFont)
{
    TestMainDlg& main = Open(WriteGroup(fixtures::BuildDemoGroup(), "Skupina7.t09"), DEMO_TODAY);
    // The file's own dates are the only bytes that may differ between two runs.
    const auto render = [&main] {
        QByteArray pdf;
        EXPECT_TRUE(RenderSheetPdf(main, main.m_strLang, main.m_nMonth, pdf));
        return QString::fromLatin1(pdf).remove(QRegularExpression(QStringLiteral("/CreationDate \\([^)]*\\)")));
    };
    const QString normal = render();
    const ScopedFont font({nullptr, 200});
    EXPECT_EQ(render(), normal);
}

} // namespace
} // namespace vak::test
