// The month's totals: the figures of the report month, one line a figure group, which the
// overseer can copy as text (Ctrl+C), print on the printer choice of the sheet or save as PDF.
#pragma once

#include "data/MonthTotals.h"
#include "ui/DialogBuilder.h"

#include <QDialog>

#include <string>
#include <vector>

namespace vak {

class CGroupData;
class CListBox;
class CPrinterChoice;

class CMonthSummaryDlg : public QDialog {
    Q_OBJECT
public:
    // The totals of `group`'s report month, printed on `printers` (nullptr: none).
    CMonthSummaryDlg(CGroupData& group, CPrinterChoice* printers, QWidget* parent);

    // Computes the figures, shows them (OnInitDialog) and runs the dialog modally.
    int DoModal();
    void OnInitDialog();

    // Handlers, in the order of the dialog's routing.
    void OnCopy();
    void OnPrint();
    void OnSavePdf();
    void OnPrinterSetup();
    void OnYearOverview();  // "Přehled roku..."

    QWidget* GetDlgItem(int id) const { return m_controls.GetDlgItem(id); }
    // The heading and the figure lines, as copied and printed.
    std::string Text() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FocusList();
    CGroupData& m_group;
    CPrinterChoice* m_pPrinters;
    CDialogControls m_controls;
    CListBox* m_pList = nullptr;
    std::string m_strHeading;
    std::vector<std::string> m_lines;
};

} // namespace vak
