// The print preview on the real dialog: its controls and caption, paging through 40 and 19
// publishers, the pane painting below its own rectangle, printing with and without a printer,
// and the printer choice of the print-setup dialog.
#include "MainWindowFixture.h"
#include "TestPrinterChoice.h"

#include "fixtures/SystemConditions.h"
#include "print/PreviewDlg.h"
#include "res/DialogTemplates.h"

#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <iostream>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace vak::test {
namespace {

class PreviewTest : public MainWindowTest {
protected:
    // The preview of the report month of a group of `count` publishers, opened as the main
    // window opens it.
    CPreviewDlg& OpenPreview(int count)
    {
        m_printers = &m_printerChoice;
        TestMainDlg& main = OpenGroup(SimpleGroup(count));
        m_preview = std::make_unique<CPreviewDlg>(main, main.Printers(), main.m_strLang, &main);
        m_preview->m_nMonth = main.m_nMonth;
        m_preview->OnInitDialog();
        m_preview->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_preview.get()));
        return *m_preview;
    }

    QPushButton* Button(int id) const { return qobject_cast<QPushButton*>(m_preview->GetDlgItem(id)); }

    // What the arrows show: "" for a hidden button, else its text.
    QString Arrow(int id) const
    {
        QPushButton* button = Button(id);
        return button->isVisibleTo(m_preview.get()) ? button->text() : QString();
    }

    void ClickArrow(int id) { QTest::mouseClick(Button(id), Qt::LeftButton); }

    TestPrinterChoice m_printerChoice;
    std::unique_ptr<CPreviewDlg> m_preview;
};

TEST_F(PreviewTest, PagesThroughFortyAndNineteenPublishers)
{
    struct Step {
        int click;      // arrow clicked before the check, 0 for none
        int first, last;
        const char* left;
        const char* right;  // "" hidden
    };
    const std::vector<Step> forty = {
        {0, 0, 18, "> > >", ""},
        {IDC_PREV_PAGE, 18, 36, "< < <", "> > >"},
        {IDC_NEXT_PAGE, 22, 40, "< < <", ""},
        {IDC_PREV_PAGE, 4, 22, "< < <", "> > >"},
        {IDC_PREV_PAGE, 0, 18, "> > >", ""},
    };
    const std::vector<Step> nineteen = {
        {0, 0, 18, "> > >", ""},
        {IDC_PREV_PAGE, 1, 19, "< < <", ""},
        {IDC_PREV_PAGE, 0, 18, "> > >", ""},
    };
    const std::vector<Step> twelve = {{0, 0, 12, "", ""}};  // one page, no arrows
    for (const auto& [count, steps] : {std::pair{40, forty}, std::pair{19, nineteen}, std::pair{12, twelve}}) {
        CPreviewDlg& preview = OpenPreview(count);
        EXPECT_EQ(preview.windowTitle(), QStringLiteral("Březen - odevzdané zprávy"));
        for (std::size_t i = 0; i < steps.size(); ++i) {
            SCOPED_TRACE(testing::Message() << count << " publishers, step " << i);
            if (steps[i].click)
                ClickArrow(steps[i].click);
            EXPECT_EQ(preview.m_nFirst, steps[i].first);
            EXPECT_EQ(preview.m_nLast, steps[i].last);
            EXPECT_EQ(Arrow(IDC_PREV_PAGE), QString::fromLatin1(steps[i].left));
            EXPECT_EQ(Arrow(IDC_NEXT_PAGE), QString::fromLatin1(steps[i].right));
        }
        m_preview.reset();
    }
}

TEST_F(PreviewTest, PaneCoversItsFrameAndPaintsTheLastRowBelowItsRectangle)
{
    CPreviewDlg& preview = OpenPreview(18);
    QWidget* pane = preview.GetDlgItem(IDC_PREVIEW_PANE);
    const QImage image = pane->grab().toImage();
    const QRect client = preview.m_wndPane.m_rcClient;
    // The strip below the rectangle, down to the frame, belongs to the pane.
    const QFrame* frame = preview.findChild<QFrame*>(QString(), Qt::FindDirectChildrenOnly);
    EXPECT_EQ(pane->geometry().bottom(), frame->geometry().bottom() - frame->frameWidth());
    EXPECT_GE(pane->height(), client.height() + 5);
    // The caption band is grey; the column lines go on into the strip, the background below.
    const int firstColumn = client.width() / 4;
    EXPECT_EQ(image.pixelColor(client.width() / 8, 2), QColor(192, 192, 192));
    EXPECT_EQ(image.pixelColor(firstColumn, client.height() + 2), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(firstColumn, client.height() + 4), QColor(Qt::white));
}

// Saving as PDF goes through Vak's own file dialog and checks: the group file and its report file
// are refused, what cannot be written says why (a FIFO is never opened, so nothing hangs), and a
// link at the name is replaced, never followed into a file it names.
TEST_F(PreviewTest, SavingAsPdfRefusesTheGroupsFilesAndSaysWhyAFileCannotBeWritten)
{
    CPreviewDlg& preview = OpenPreview(5);
    QTest::mouseClick(Button(IDC_PRINT), Qt::LeftButton);
    EXPECT_EQ(m_boxes->Last(), QStringLiteral("No Printer"));

    const QString group = QString::fromStdString(m_dlg->m_strPath);
    const std::vector<std::uint8_t> groupBytes = ReadFile(m_dlg->m_strPath);
    fixtures::SmallTmpfs disk(64);
    const QString fifo = m_dir.filePath(QStringLiteral("print.pdf"));
    struct Case {
        QString pdf;
        QString message;
        std::function<bool()> prepare;  // false: the case cannot be brought about here
    };
    const QString refused = QStringLiteral("Do souboru %1 nelze uložit PDF: je to otevřený seznam skupiny nebo jeho "
                                           "aktualizovaný list.");
    const QString failed = QStringLiteral("PDF se nepodařilo uložit do souboru %1: %2");
    const Case cases[] = {
        {group, refused.arg(group), [] { return true; }},
        {QString(group).replace(".t09", ".t19"), refused.arg(QString(group).replace(".t09", ".t19")), [] { return true; }},
        {m_dir.filePath(QStringLiteral("no such folder/sheet.pdf")),
         failed.arg(m_dir.filePath(QStringLiteral("no such folder/sheet.pdf")), "No such file or directory"),
         [] { return true; }},
#ifndef _WIN32
        {fifo, failed.arg(fifo, "Not a regular file"), [&] { return ::mkfifo(fifo.toLocal8Bit().constData(), 0600) == 0; }},
#endif
        {QString::fromStdString(disk.File("sheet.pdf")),
         failed.arg(QString::fromStdString(disk.File("sheet.pdf")), "No space left on device"),
         [&] { return disk.Mounted() && (disk.Fill(), true); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        if (!c.prepare()) {
            std::cout << "[  SKIPPED ] " << c.message.toStdString() << ": this needs root\n";
            continue;
        }
        m_files.QueueAnswer(c.pdf);
        QTest::mouseClick(Button(IDC_SAVE_PDF), Qt::LeftButton);
        EXPECT_EQ(m_boxes->Last(), c.message);
    }
    EXPECT_EQ(ReadFile(m_dlg->m_strPath), groupBytes);
    EXPECT_TRUE(preview.isVisible());

    // A link at the name is replaced by the PDF; the file it names is not made.
    const QString link = m_dir.filePath(QStringLiteral("link.pdf"));
    ASSERT_TRUE(QFile::link(m_dir.filePath(QStringLiteral("nowhere.pdf")), link));
    m_files.QueueAnswer(link);
    m_boxes->Clear();
    QTest::mouseClick(Button(IDC_SAVE_PDF), Qt::LeftButton);
    EXPECT_TRUE(m_boxes->Shown().isEmpty());
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    EXPECT_EQ(ReadFile(link.toStdString()).at(0), '%');
    EXPECT_FALSE(QFile::exists(m_dir.filePath(QStringLiteral("nowhere.pdf"))));
    EXPECT_EQ(m_files.Folders().last(), QFileInfo(group).path());
}

TEST_F(PreviewTest, PrintsTheWholeSheetOnThePrinterChosenInSetupWhateverPageIsShown)
{
    OpenPreview(40);
    const QString pdf = m_dir.filePath(QStringLiteral("list.pdf"));
    m_printerChoice.pdfPath = pdf;
    QTest::mouseClick(Button(IDC_PRINTER_SETUP), Qt::LeftButton);
    ClickArrow(IDC_PREV_PAGE);
    ClickArrow(IDC_NEXT_PAGE);
    QTest::mouseClick(Button(IDC_PRINT), Qt::LeftButton);
    EXPECT_TRUE(m_boxes->Shown().isEmpty());

    // Two pages, each with its heading; page 2 starts with publisher 33.
    SKIP_PDF_TEXT_UNDER_WINDOWS();
    const QString text = PdfText(pdf);
    EXPECT_EQ(text.count(QStringLiteral("Kontakty pro výběr zpráv - Březen")), 2);
    EXPECT_TRUE(text.contains(QStringLiteral("Příjmení1, Jméno1")));
    const qsizetype pageBreak = text.indexOf(QLatin1Char('\f'));
    EXPECT_LT(text.indexOf(QStringLiteral("Příjmení32,")), pageBreak);
    EXPECT_GT(text.indexOf(QStringLiteral("Příjmení33,")), pageBreak);
}

TEST(PrinterChoiceTest, SetupChoiceIsKeptUntilChangedAndCancelKeepsIt)
{
    TestPrinterChoice printers;
    EXPECT_EQ(printers.CurrentPrinter(), nullptr);  // no printer on this machine

    printers.pdfPath = QStringLiteral("/tmp/a.pdf");
    printers.OnFilePrintSetup(nullptr);
    ASSERT_NE(printers.CurrentPrinter(), nullptr);
    EXPECT_EQ(printers.CurrentPrinter()->outputFileName(), QStringLiteral("/tmp/a.pdf"));

    // The next setup is seeded with that choice; Cancel leaves it as it was.
    printers.answerOk = false;
    printers.OnFilePrintSetup(nullptr);
    EXPECT_EQ(printers.seededWith, QStringLiteral("/tmp/a.pdf"));
    EXPECT_EQ(printers.CurrentPrinter()->outputFileName(), QStringLiteral("/tmp/a.pdf"));
    EXPECT_EQ(printers.dialogs, 2);
}

} // namespace
} // namespace vak::test
