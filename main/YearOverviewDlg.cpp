// The year at a glance: the table, copying it and printing it.
#include "main/YearOverviewDlg.h"

#include "data/GroupData.h"
#include "data/YearOverview.h"
#include "print/PrinterChoice.h"
#include "print/SavePdf.h"
#include "print/SheetPrinting.h"
#include "res/StringTable.h"
#include "ui/QtText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableWidget>

namespace vak {

namespace {

// A missing month stands out: its cell is empty on a reddish ground, and a screen reader says
// "chybí".
const QColor MISSING_COLOR(255, 205, 205);

QTableWidgetItem* Cell(const std::string& text, bool missing, bool bold)
{
    auto* item = new QTableWidgetItem(missing ? QString() : Q(text));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (missing) {
        item->setBackground(MISSING_COLOR);
        item->setData(Qt::AccessibleTextRole, Q(ResString(IDS_YEAR_MISSING_CELL)));
    }
    if (bold) {
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
    }
    return item;
}

} // namespace

CYearOverviewDlg::CYearOverviewDlg(CGroupData& group, CPrinterChoice* printers, QWidget* parent)
    : QDialog(parent), m_group(group), m_pPrinters(printers)
{
    // A modal frame with its caption and no system menu.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    m_controls.Build(*this, IDD_YEAR_OVERVIEW);
    m_pTable = m_controls.Item<QTableWidget>(IDC_YEAR_TABLE);
    // The table's own Ctrl+C would copy one cell; the dialog copies them all.
    m_pTable->installEventFilter(this);
    m_controls.OnClicked(IDC_YEAR_COPY, [this] { OnCopy(); });
    m_controls.OnClicked(IDC_YEAR_PRINT, [this] { OnPrint(); });
    m_controls.OnClicked(IDC_YEAR_SAVE_PDF, [this] { OnSavePdf(); });
    m_controls.OnClicked(IDC_YEAR_PRINTER_SETUP, [this] { OnPrinterSetup(); });
    m_controls.OnClicked(IDCANCEL, [this] { reject(); });
}

int CYearOverviewDlg::DoModal()
{
    OnInitDialog();
    return exec();
}

void CYearOverviewDlg::OnInitDialog()
{
    const std::pair<int, int> captions[] = {{IDC_YEAR_COPY, IDS_COPY_BUTTON},
                                            {IDC_YEAR_PRINT, IDS_PRINT_BUTTON},
                                            {IDC_YEAR_SAVE_PDF, IDS_SAVE_PDF_BUTTON},
                                            {IDC_YEAR_PRINTER_SETUP, IDS_PRINTER_SETUP_BUTTON},
                                            {IDCANCEL, IDS_CLOSE_BUTTON}};
    for (const auto& [id, text] : captions)
        m_controls.SetText(id, Q(ResString(text)));

    const YearOverview overview = ComputeYearOverview(m_group);
    m_strHeading = YearOverviewHeading(overview);
    m_rows = YearOverviewTable(overview);
    std::vector<bool> missing;
    for (const YearRow& row : overview.publishers)
        for (const YearCell& cell : row.cells)
            missing.push_back(cell.missing);
    setWindowTitle(Q(m_strHeading));
    FillTable(missing);
    // The keyboard starts on the report month of the first publisher.
    m_pTable->setCurrentCell(0, OVERVIEW_MONTHS - 1);
    m_pTable->setFocus(Qt::OtherFocusReason);
}

// The rows below the headings, one a publisher and the months' counts last; `missing` tells the
// publishers' month cells that are missing, row by row.
void CYearOverviewDlg::FillTable(const std::vector<bool>& missing)
{
    const std::vector<std::string>& headings = m_rows.front();
    const int rows = static_cast<int>(m_rows.size()) - 1;
    const int columns = static_cast<int>(headings.size()) - 1;
    m_pTable->setRowCount(rows);
    m_pTable->setColumnCount(columns);
    QStringList columnHeadings;
    for (int column = 0; column < columns; ++column) {
        QString heading = Q(headings[static_cast<std::size_t>(column) + 1]);
        // A month's year goes below its name, so that the month columns stay narrow.
        if (column < OVERVIEW_MONTHS)
            heading.replace(QLatin1Char(' '), QLatin1Char('\n'));
        columnHeadings << heading;
    }
    m_pTable->setHorizontalHeaderLabels(columnHeadings);
    QStringList rowHeadings;
    for (int row = 0; row < rows; ++row) {
        const std::vector<std::string>& cells = m_rows[static_cast<std::size_t>(row) + 1];
        rowHeadings << Q(cells.front());
        const bool counts = row == rows - 1;
        for (int column = 0; column < static_cast<int>(cells.size()) - 1; ++column) {
            const std::size_t index = static_cast<std::size_t>(row * OVERVIEW_MONTHS + column);
            const bool isMissing = !counts && column < OVERVIEW_MONTHS && missing[index];
            m_pTable->setItem(row, column, Cell(cells[static_cast<std::size_t>(column) + 1], isMissing, counts));
        }
    }
    m_pTable->setVerticalHeaderLabels(rowHeadings);
    m_pTable->resizeColumnsToContents();
}

std::string CYearOverviewDlg::Text() const
{
    std::string text;
    for (const std::vector<std::string>& row : m_rows) {
        for (std::size_t column = 0; column < row.size(); ++column)
            text += (column == 0 ? "" : "\t") + row[column];
        text += "\n";
    }
    return text;
}

void CYearOverviewDlg::OnCopy()
{
    QGuiApplication::clipboard()->setText(Q(Text()));
    FocusTable();
}

void CYearOverviewDlg::OnPrint()
{
    PrintOnCurrentPrinter(m_pPrinters, this, m_strHeading, YearOverviewPages(m_strHeading, m_rows));
    FocusTable();
}

void CYearOverviewDlg::OnSavePdf()
{
    const std::string tail = " - " + MonthName(m_group.m_nMonth) + " - " + ResString(IDS_YEAR_TABLE);
    SavePdfAs(this, {m_group.m_strPath, tail, m_strHeading, YearOverviewPages(m_strHeading, m_rows)});
    FocusTable();
}

void CYearOverviewDlg::OnPrinterSetup()
{
    if (m_pPrinters)
        m_pPrinters->OnFilePrintSetup(this);
    FocusTable();
}

bool CYearOverviewDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pTable && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        OnCopy();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// The keyboard goes back to the table, also where the platform does not hand the activation
// back after a message box or the print-setup dialog.
void CYearOverviewDlg::FocusTable()
{
    activateWindow();
    m_pTable->setFocus(Qt::OtherFocusReason);
}

} // namespace vak
