// What the dialogs of figures (the month's totals, the year at a glance) share: their figures are
// copied as text (Ctrl+C or "Kopírovat"), printed on the sheet's printer choice or saved as PDF,
// and the keyboard always comes back to the control that shows them.
#pragma once

#include "print/SheetPrinting.h"
#include "ui/DialogBuilder.h"

#include <QDialog>

#include <string>

namespace vak {

class CGroupData;
class CPrinterChoice;

// The buttons of such a dialog, by control id.
struct FiguresButtons {
    int copy, print, savePdf, printerSetup;
};

class CFiguresDlg : public QDialog {
    Q_OBJECT
public:
    // Builds template `templateId` for the figures of `group`, printed on `printers` (nullptr:
    // none), with `buttons` and IDCANCEL routed and captioned.
    CFiguresDlg(CGroupData& group, CPrinterChoice* printers, int templateId, const FiguresButtons& buttons,
                QWidget* parent);

    // Shows the figures (OnInitDialog) and runs the dialog modally.
    int DoModal();
    virtual void OnInitDialog() = 0;

    // Handlers, in the order of the dialog's routing.
    void OnCopy();
    void OnPrint();
    void OnSavePdf();
    void OnPrinterSetup();

    QWidget* GetDlgItem(int id) const { return m_controls.GetDlgItem(id); }
    // The figures as copied.
    virtual std::string Text() const = 0;

protected:
    // The heading, and the pages that print it with the figures.
    virtual std::string Heading() const = 0;
    virtual PageDrawing Pages() const = 0;
    // What names the figures in the suggested PDF file's name ("Souhrn měsíce").
    virtual std::string PdfName() const = 0;
    // The control that shows the figures: Ctrl+C there copies them all, and the keyboard comes
    // back to it after each command, also where the platform does not hand the activation back
    // after a message box or the print-setup dialog.
    void SetFiguresControl(QWidget* control);
    void FocusFigures();
    bool eventFilter(QObject* watched, QEvent* event) override;

    CGroupData& m_group;
    CPrinterChoice* m_pPrinters;
    CDialogControls m_controls;

private:
    QWidget* m_pFigures = nullptr;
};

} // namespace vak
