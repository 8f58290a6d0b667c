// The shared commands of the dialogs of figures: copying, printing, saving as PDF.
#include "print/FiguresDlg.h"

#include "data/GroupData.h"
#include "print/PrinterChoice.h"
#include "print/SavePdf.h"
#include "res/StringTable.h"
#include "ui/QtText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

namespace vak {

CFiguresDlg::CFiguresDlg(CGroupData& group, CPrinterChoice* printers, int templateId, const FiguresButtons& buttons,
                         QWidget* parent)
    : QDialog(parent), m_group(group), m_pPrinters(printers)
{
    // A modal frame with its caption and no system menu.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    m_controls.Build(*this, templateId);
    const std::pair<int, int> captions[] = {{buttons.copy, IDS_COPY_BUTTON},
                                            {buttons.print, IDS_PRINT_BUTTON},
                                            {buttons.savePdf, IDS_SAVE_PDF_BUTTON},
                                            {buttons.printerSetup, IDS_PRINTER_SETUP_BUTTON},
                                            {IDCANCEL, IDS_CLOSE_BUTTON}};
    for (const auto& [id, text] : captions)
        m_controls.SetText(id, Q(ResString(text)));
    m_controls.OnClicked(buttons.copy, [this] { OnCopy(); });
    m_controls.OnClicked(buttons.print, [this] { OnPrint(); });
    m_controls.OnClicked(buttons.savePdf, [this] { OnSavePdf(); });
    m_controls.OnClicked(buttons.printerSetup, [this] { OnPrinterSetup(); });
    m_controls.OnClicked(IDCANCEL, [this] { reject(); });
}

int CFiguresDlg::DoModal()
{
    OnInitDialog();
    return exec();
}

void CFiguresDlg::OnCopy()
{
    QGuiApplication::clipboard()->setText(Q(Text()));
    FocusFigures();
}

void CFiguresDlg::OnPrint()
{
    PrintOnCurrentPrinter(m_pPrinters, this, Heading(), Pages());
    FocusFigures();
}

void CFiguresDlg::OnSavePdf()
{
    const std::string tail = " - " + MonthName(m_group.m_nMonth) + " - " + PdfName();
    SavePdfAs(this, {m_group.m_strPath, tail, Heading(), Pages()});
    FocusFigures();
}

void CFiguresDlg::OnPrinterSetup()
{
    if (m_pPrinters)
        m_pPrinters->OnFilePrintSetup(this);
    FocusFigures();
}

void CFiguresDlg::SetFiguresControl(QWidget* control)
{
    m_pFigures = control;
    // The control's own Ctrl+C would copy one line or cell; the dialog copies them all.
    control->installEventFilter(this);
}

void CFiguresDlg::FocusFigures()
{
    activateWindow();
    m_pFigures->setFocus(Qt::OtherFocusReason);
}

bool CFiguresDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pFigures && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        OnCopy();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vak
