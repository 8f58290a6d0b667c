// The month's totals: the figures of the report month, one line a figure group, which the
// overseer can copy as text (Ctrl+C), print on the printer choice of the sheet or save as PDF,
// and the way to the year at a glance.
#pragma once

#include "print/FiguresDlg.h"

#include <string>
#include <vector>

namespace vak {

class CListBox;

class CMonthSummaryDlg : public CFiguresDlg {
    Q_OBJECT
public:
    // The totals of `group`'s report month, printed on `printers` (nullptr: none).
    CMonthSummaryDlg(CGroupData& group, CPrinterChoice* printers, QWidget* parent);

    // Computes the figures and shows them.
    void OnInitDialog() override;
    void OnYearOverview();  // "Přehled roku..."

    // The heading and the figure lines, as copied and printed.
    std::string Text() const override;

protected:
    std::string Heading() const override { return m_strHeading; }
    PageDrawing Pages() const override;
    std::string PdfName() const override;

private:
    CListBox* m_pList = nullptr;
    std::string m_strHeading;
    std::vector<std::string> m_lines;
};

} // namespace vak
