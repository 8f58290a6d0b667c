// The year at a glance: every publisher's twelve months up to the report month in a table, who
// has stopped reporting (missing months marked), the missing months among the last six and the
// service year's hours; copied as tab-separated text (Ctrl+C), printed or saved as PDF.
#pragma once

#include "print/FiguresDlg.h"

#include <string>
#include <vector>

class QTableView;

namespace vak {

class CYearOverviewDlg : public CFiguresDlg {
    Q_OBJECT
public:
    // The overview of `group` at its report month, printed on `printers` (nullptr: none).
    CYearOverviewDlg(CGroupData& group, CPrinterChoice* printers, QWidget* parent);

    // Computes the overview and shows it.
    void OnInitDialog() override;

    // The table as copied: one line a row, the cells separated by tabs.
    std::string Text() const override;

protected:
    std::string Heading() const override { return m_strHeading; }
    PageDrawing Pages() const override;
    std::string PdfName() const override;

private:
    void FitColumns();

    QTableView* m_pTable = nullptr;
    std::string m_strHeading;
    std::vector<std::vector<std::string>> m_rows;  // YearOverviewTable: headings, publishers, counts
};

} // namespace vak
