// A printer choice for window tests, a machine with the printers a test gives, and the text of
// the PDF files printed on it.
#pragma once

#include "print/PrinterChoice.h"

#include <QPrinter>
#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

namespace vak::test {

// A machine with the printers a test gives; the print-setup dialog is answered by the test. The
// printer it chooses puts its pages into the PDF file `pdfPath`, for the test to read; it is a
// printer without a name (Qt's PDF output has none) that stays installed.
class TestPrinterChoice : public CPrinterChoice {
public:
    QString defaultPrinter;
    QString pdfPath;        // where the chosen printer's pages go when the dialog is answered with OK
    bool answerOk = true;
    int dialogs = 0;
    QString seededWith;  // the output file the dialog was shown with

protected:
    QString DefaultPrinterName() const override { return defaultPrinter; }
    QStringList PrinterNames() const override
    {
        return defaultPrinter.isEmpty() ? QStringList{QString()} : QStringList{defaultPrinter, QString()};
    }
    bool RunSetupDialog(QPrinter& printer, QWidget*) override
    {
        ++dialogs;
        seededWith = printer.outputFileName();
        if (!answerOk)
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        return true;
    }
};

// pdftotext is a Linux program, which the Windows build's tests under Wine cannot start; there
// the checks of the PDF's text are skipped (scripts/test-windows reads vak-cli.exe's sheet with it).
#ifdef _WIN32
#define SKIP_PDF_TEXT_UNDER_WINDOWS() GTEST_SKIP() << "pdftotext cannot run here"
#else
#define SKIP_PDF_TEXT_UNDER_WINDOWS() static_cast<void>(0)
#endif

// The text of a PDF file, laid out as on the page.
inline QString PdfText(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    EXPECT_TRUE(pdftotext.waitForFinished(10000)) << "pdftotext (poppler-utils) is needed";
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

} // namespace vak::test
