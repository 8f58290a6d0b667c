// The application's printer choice: the printer and settings last chosen in the print-setup
// dialog, else the system's default printer.
#pragma once

#include "print/SheetPrinting.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace vak {

class CPrinterChoice {
public:
    CPrinterChoice();
    virtual ~CPrinterChoice();
    CPrinterChoice(const CPrinterChoice&) = delete;
    CPrinterChoice& operator=(const CPrinterChoice&) = delete;

    // The printer all printing goes to: the chosen one while it still exists, else the
    // system's default printer; nullptr when there is neither.
    QPrinter* CurrentPrinter();

    // The print-setup dialog, seeded with the current choice (a choice whose printer is gone
    // is dropped first, and the default printer offered). OK makes the printer and settings
    // shown the choice; Cancel keeps the previous one.
    void OnFilePrintSetup(QWidget* parent);

    bool HasChoice() const { return m_bChosen; }

protected:
    // What the system offers; tests give a machine of their own.
    virtual QString DefaultPrinterName() const;
    virtual QStringList PrinterNames() const;
    // Runs the print-setup dialog on `printer`; true on OK, which has set up `printer`.
    virtual bool RunSetupDialog(QPrinter& printer, QWidget* parent);

private:
    void DropVanishedChoice();
    std::unique_ptr<QPrinter> NewPrinter(const QString& name) const;

    std::unique_ptr<QPrinter> m_pPrinter;  // the chosen printer, or the default one
    bool m_bChosen = false;                // m_pPrinter was chosen in the print-setup dialog
};

// One print job of the pages `draw` paints, on the current printer of `printers`, named
// `docName`, with the wait cursor shown. Says "No Printer" when there is none (also without a
// printer choice), "no hdc" when nothing could be painted and text 1504 with the reason when the
// job failed, in message boxes owned by `parent`.
void PrintOnCurrentPrinter(CPrinterChoice* printers, QWidget* parent, const std::string& docName,
                           const PageDrawing& draw);

} // namespace vak
