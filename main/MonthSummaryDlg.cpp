// The month's totals dialog: showing, copying and printing the figures.
#include "main/MonthSummaryDlg.h"

#include "data/GroupData.h"
#include "main/YearOverviewDlg.h"
#include "print/PrinterChoice.h"
#include "print/SavePdf.h"
#include "print/SheetPrinting.h"
#include "res/StringTable.h"
#include "ui/ListBox.h"
#include "ui/QtText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPrinter>

namespace vak {

CMonthSummaryDlg::CMonthSummaryDlg(CGroupData& group, CPrinterChoice* printers, QWidget* parent)
    : QDialog(parent), m_group(group), m_pPrinters(printers)
{
    // A modal frame with its caption and no system menu.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    m_controls.Build(*this, IDD_MONTH_SUMMARY);
    m_pList = m_controls.Item<CListBox>(IDC_SUMMARY_LIST);
    // The list's own Ctrl+C would copy one line; the dialog copies them all.
    m_pList->installEventFilter(this);
    m_controls.OnClicked(IDC_SUMMARY_COPY, [this] { OnCopy(); });
    m_controls.OnClicked(IDC_SUMMARY_PRINT, [this] { OnPrint(); });
    m_controls.OnClicked(IDC_SUMMARY_SAVE_PDF, [this] { OnSavePdf(); });
    m_controls.OnClicked(IDC_SUMMARY_PRINTER_SETUP, [this] { OnPrinterSetup(); });
    m_controls.OnClicked(IDC_SUMMARY_YEAR, [this] { OnYearOverview(); });
    m_controls.OnClicked(IDCANCEL, [this] { reject(); });
}

int CMonthSummaryDlg::DoModal()
{
    OnInitDialog();
    return exec();
}

void CMonthSummaryDlg::OnInitDialog()
{
    const std::pair<int, int> captions[] = {{IDC_SUMMARY_COPY, IDS_COPY_BUTTON},
                                            {IDC_SUMMARY_PRINT, IDS_PRINT_BUTTON},
                                            {IDC_SUMMARY_SAVE_PDF, IDS_SAVE_PDF_BUTTON},
                                            {IDC_SUMMARY_PRINTER_SETUP, IDS_PRINTER_SETUP_BUTTON},
                                            {IDC_SUMMARY_YEAR, IDS_YEAR_BUTTON},
                                            {IDCANCEL, IDS_CLOSE_BUTTON}};
    for (const auto& [id, text] : captions)
        m_controls.SetText(id, Q(ResString(text)));

    const MonthTotals totals = ComputeMonthTotals(m_group);
    m_strHeading = MonthTotalsHeading(totals);
    m_lines = MonthTotalsLines(totals);
    setWindowTitle(Q(m_strHeading));
    m_pList->clear();
    for (const std::string& line : m_lines)
        m_pList->addItem(Q(line));
    m_pList->setCurrentRow(0);
    m_pList->setFocus(Qt::OtherFocusReason);
}

std::string CMonthSummaryDlg::Text() const
{
    std::string text = m_strHeading + "\n";
    for (const std::string& line : m_lines)
        text += line + "\n";
    return text;
}

void CMonthSummaryDlg::OnCopy()
{
    QGuiApplication::clipboard()->setText(Q(Text()));
    FocusList();
}

void CMonthSummaryDlg::OnPrint()
{
    PrintOnCurrentPrinter(m_pPrinters, this, m_strHeading, MonthTotalsPage(m_strHeading, m_lines));
    FocusList();
}

void CMonthSummaryDlg::OnSavePdf()
{
    const std::string tail = " - " + MonthName(m_group.m_nMonth) + " - " + ResString(IDS_MONTH_SUMMARY);
    SavePdfAs(this, {m_group.m_strPath, tail, m_strHeading, MonthTotalsPage(m_strHeading, m_lines)});
    FocusList();
}

void CMonthSummaryDlg::OnPrinterSetup()
{
    if (m_pPrinters)
        m_pPrinters->OnFilePrintSetup(this);
    FocusList();
}

void CMonthSummaryDlg::OnYearOverview()
{
    CYearOverviewDlg year(m_group, m_pPrinters, this);
    year.DoModal();
    FocusList();
}

bool CMonthSummaryDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pList && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        OnCopy();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// The keyboard goes back to the list, also where the platform does not hand the activation back
// after a message box, the print-setup dialog or the mail composer.
void CMonthSummaryDlg::FocusList()
{
    activateWindow();
    m_pList->setFocus(Qt::OtherFocusReason);
}

} // namespace vak
