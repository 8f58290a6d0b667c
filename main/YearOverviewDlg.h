// The year at a glance: every publisher's twelve months up to the report month in a table, who
// has stopped reporting (missing months marked), the missing months among the last six and the
// service year's hours; copied as tab-separated text (Ctrl+C), printed or saved as PDF.
#pragma once

#include "ui/DialogBuilder.h"

#include <QDialog>

#include <string>
#include <vector>

class QTableView;

namespace vak {

class CGroupData;
class CPrinterChoice;

class CYearOverviewDlg : public QDialog {
    Q_OBJECT
public:
    // The overview of `group` at its report month, printed on `printers` (nullptr: none).
    CYearOverviewDlg(CGroupData& group, CPrinterChoice* printers, QWidget* parent);

    // Computes the overview, shows it (OnInitDialog) and runs the dialog modally.
    int DoModal();
    void OnInitDialog();

    // Handlers, in the order of the dialog's routing.
    void OnCopy();
    void OnPrint();
    void OnSavePdf();
    void OnPrinterSetup();

    QWidget* GetDlgItem(int id) const { return m_controls.GetDlgItem(id); }
    // The table as copied: one line a row, the cells separated by tabs.
    std::string Text() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FitColumns();
    void FocusTable();

    CGroupData& m_group;
    CPrinterChoice* m_pPrinters;
    CDialogControls m_controls;
    QTableView* m_pTable = nullptr;
    std::string m_strHeading;
    std::vector<std::vector<std::string>> m_rows;  // YearOverviewTable: headings, publishers, counts
};

} // namespace vak
