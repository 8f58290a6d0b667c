// The application's printer choice, its print-setup dialog, and one print job on it.
#include "print/PrinterChoice.h"

#include "res/StringTable.h"
#include "ui/MessageBox.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QPrinter>
#include <QPrinterInfo>

namespace vak {

CPrinterChoice::CPrinterChoice() = default;
CPrinterChoice::~CPrinterChoice() = default;

QString CPrinterChoice::DefaultPrinterName() const
{
    return QPrinterInfo::defaultPrinterName();
}

QStringList CPrinterChoice::PrinterNames() const
{
    return QPrinterInfo::availablePrinterNames();
}

bool CPrinterChoice::RunSetupDialog(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    // Setup only: the whole sheet is printed, so no page range, selection or current page. No
    // "print to file" either: the dialog would open that file itself to check it (and hang on a
    // FIFO); a PDF is saved through "Uložit jako PDF..." and Vak's own checks instead.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    // The output file's completer reads files to tell their type and hangs the program for good
    // on some system files (typing "/proc/" is enough); the file is typed or browsed instead.
    for (auto* edit : dialog.findChildren<QLineEdit*>())
        edit->setCompleter(nullptr);
    // Nothing is printed from here: the dialog only chooses.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    return dialog.exec() == QDialog::Accepted;
}

std::unique_ptr<QPrinter> CPrinterChoice::NewPrinter(const QString& name) const
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!name.isEmpty())
        printer->setPrinterName(name);
    return printer;
}

// A chosen printer that was removed from the system since is no choice any more.
void CPrinterChoice::DropVanishedChoice()
{
    if (!m_bChosen)
        return;
    if (!PrinterNames().contains(m_pPrinter->printerName())) {
        m_pPrinter.reset();
        m_bChosen = false;
    }
}

QPrinter* CPrinterChoice::CurrentPrinter()
{
    DropVanishedChoice();
    if (m_bChosen)
        return m_pPrinter.get();
    const QString name = DefaultPrinterName();
    if (name.isEmpty())
        return nullptr;
    if (!m_pPrinter || m_pPrinter->printerName() != name)
        m_pPrinter = NewPrinter(name);
    return m_pPrinter.get();
}

void CPrinterChoice::OnFilePrintSetup(QWidget* parent)
{
    DropVanishedChoice();
    // Cancel must leave the previous choice as it was, so the dialog works on a copy unless
    // it is seeded with the choice itself (which the dialog changes only on OK).
    if (m_bChosen) {
        RunSetupDialog(*m_pPrinter, parent);
        return;
    }
    std::unique_ptr<QPrinter> printer = NewPrinter(DefaultPrinterName());
    if (!RunSetupDialog(*printer, parent))
        return;
    m_pPrinter = std::move(printer);
    m_bChosen = true;
}

namespace {

// Why a print job failed; empty when it was printed. `started` is false when nothing could be
// painted (no device context).
struct PrintOutcome {
    bool started = true;
    std::string failure;
};

// A printer that took the pages may still refuse the job at its end.
PrintOutcome PrintOnPrinter(QPrinter& printer, const PageDrawing& draw)
{
    const PrintResult result = PrintPages(printer, draw);
    if (result == PrintResult::NotStarted)
        return {false, {}};
    if (result == PrintResult::NotFinished || printer.printerState() == QPrinter::Error)
        return {true, FormatText(ResString(IDS_PRINTER_REFUSED), printer.printerName().toStdString())};
    return {};
}

} // namespace

void PrintOnCurrentPrinter(CPrinterChoice* printers, QWidget* parent, const std::string& docName,
                           const PageDrawing& draw)
{
    QPrinter* printer = printers ? printers->CurrentPrinter() : nullptr;
    if (!printer) {
        VakMessageBox(parent, QString::fromLatin1(TEXT_NO_PRINTER), MsgButtons::Ok, MsgIcon::Warning);
        return;
    }
    printer->setDocName(QString::fromStdString(docName));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PrintOutcome outcome = PrintOnPrinter(*printer, draw);
    QApplication::restoreOverrideCursor();
    if (!outcome.started)
        VakMessageBox(parent, QString::fromLatin1(TEXT_NO_HDC), MsgButtons::Ok, MsgIcon::Warning);
    else if (!outcome.failure.empty())
        VakMessageBox(parent, QString::fromStdString(FormatText(ResString(IDS_PRINT_FAILED), outcome.failure)),
                      MsgButtons::Ok, MsgIcon::Warning);
}

} // namespace vak
