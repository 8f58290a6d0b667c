// The month's totals dialog: showing the figures, and opening the year at a glance.
#include "main/MonthSummaryDlg.h"

#include "data/GroupData.h"
#include "data/MonthTotals.h"
#include "main/YearOverviewDlg.h"
#include "res/StringTable.h"
#include "ui/ListBox.h"
#include "ui/QtText.h"

namespace vak {

CMonthSummaryDlg::CMonthSummaryDlg(CGroupData& group, CPrinterChoice* printers, QWidget* parent)
    : CFiguresDlg(group, printers, IDD_MONTH_SUMMARY,
                  {IDC_SUMMARY_COPY, IDC_SUMMARY_PRINT, IDC_SUMMARY_SAVE_PDF, IDC_SUMMARY_PRINTER_SETUP}, parent)
{
    m_pList = m_controls.Item<CListBox>(IDC_SUMMARY_LIST);
    SetFiguresControl(m_pList);
    m_controls.SetText(IDC_SUMMARY_YEAR, Q(ResString(IDS_YEAR_BUTTON)));
    m_controls.OnClicked(IDC_SUMMARY_YEAR, [this] { OnYearOverview(); });
}

void CMonthSummaryDlg::OnInitDialog()
{
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

PageDrawing CMonthSummaryDlg::Pages() const
{
    return MonthTotalsPage(m_strHeading, m_lines);
}

std::string CMonthSummaryDlg::PdfName() const
{
    return ResString(IDS_MONTH_SUMMARY);
}

void CMonthSummaryDlg::OnYearOverview()
{
    CYearOverviewDlg year(m_group, m_pPrinters, this);
    year.DoModal();
    FocusFigures();
}

} // namespace vak
