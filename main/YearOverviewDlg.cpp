// The year at a glance: the table, copying it and printing it.
#include "main/YearOverviewDlg.h"

#include "data/GroupData.h"
#include "data/YearOverview.h"
#include "print/SheetPrinting.h"
#include "res/StringTable.h"
#include "ui/QtText.h"

#include <QAbstractTableModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <QTableView>

namespace vak {

namespace {

// A missing month stands out: its cell is empty on a reddish ground, and a screen reader says
// "chybí".
const QColor MISSING_COLOR(255, 205, 205);

// The rows of YearOverviewTable as a table: the headings row as the column headings (a month's
// year below its name), the names as the row headings, the months' counts in bold.
class YearTableModel : public QAbstractTableModel {
public:
    YearTableModel(const std::vector<std::vector<std::string>>& rows, std::vector<bool> missing, QObject* parent)
        : QAbstractTableModel(parent), m_rows(rows), m_missing(std::move(missing))
    {
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_rows.size()) - 1;
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_rows.front().size()) - 1;
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        const std::vector<std::string>& row = m_rows[static_cast<std::size_t>(index.row()) + 1];
        const auto column = static_cast<std::size_t>(index.column()) + 1;
        const bool missing = IsMissing(index);
        switch (role) {
        case Qt::DisplayRole:
            return missing || column >= row.size() ? QVariant() : QVariant(Q(row[column]));
        case Qt::AccessibleTextRole:
            return missing ? QVariant(Q(ResString(IDS_YEAR_MISSING_CELL))) : QVariant();
        case Qt::BackgroundRole:
            return missing ? QVariant(MISSING_COLOR) : QVariant();
        case Qt::TextAlignmentRole:
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::FontRole:
            return IsCountsRow(index.row()) ? QVariant(BoldFont()) : QVariant();
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        if (orientation == Qt::Vertical)
            return Q(m_rows[static_cast<std::size_t>(section) + 1].front());
        // On two lines, so that the columns stay narrow: a month's year below its name, a
        // figure's heading broken at its middle.
        QString heading = Q(m_rows.front()[static_cast<std::size_t>(section) + 1]);
        const qsizetype middle = heading.size() / 2;
        const qsizetype before = heading.lastIndexOf(QLatin1Char(' '), middle);
        const qsizetype after = heading.indexOf(QLatin1Char(' '), middle);
        const qsizetype space = before < 0 || (after >= 0 && after - middle < middle - before) ? after : before;
        if (space >= 0)
            heading[space] = QLatin1Char('\n');
        return heading;
    }

private:
    bool IsCountsRow(int row) const { return row == rowCount() - 1; }
    bool IsMissing(const QModelIndex& index) const
    {
        return !IsCountsRow(index.row()) && index.column() < OVERVIEW_MONTHS &&
               m_missing[static_cast<std::size_t>(index.row() * OVERVIEW_MONTHS + index.column())];
    }
    static QFont BoldFont()
    {
        QFont font;
        font.setBold(true);
        return font;
    }

    const std::vector<std::vector<std::string>>& m_rows;
    std::vector<bool> m_missing;  // the publishers' month cells, row by row
};

} // namespace

CYearOverviewDlg::CYearOverviewDlg(CGroupData& group, CPrinterChoice* printers, QWidget* parent)
    : CFiguresDlg(group, printers, IDD_YEAR_OVERVIEW, {IDC_YEAR_COPY, IDC_YEAR_PRINT, IDC_YEAR_SAVE_PDF, IDC_YEAR_PRINTER_SETUP},
                  parent)
{
    m_pTable = m_controls.Item<QTableView>(IDC_YEAR_TABLE);
    SetFiguresControl(m_pTable);
}

void CYearOverviewDlg::OnInitDialog()
{
    const YearOverview overview = ComputeYearOverview(m_group);
    m_strHeading = YearOverviewHeading(overview);
    m_rows = YearOverviewTable(overview);
    std::vector<bool> missing;
    for (const YearRow& row : overview.publishers)
        for (const YearCell& cell : row.cells)
            missing.push_back(cell.missing);
    setWindowTitle(Q(m_strHeading));
    m_pTable->setModel(new YearTableModel(m_rows, std::move(missing), m_pTable));
    // Rows a line of text high, so that many publishers show at once.
    m_pTable->verticalHeader()->setDefaultSectionSize(m_pTable->fontMetrics().height() + 6);
    FitColumns();
    // The keyboard starts on the report month of the first publisher.
    m_pTable->setCurrentIndex(m_pTable->model()->index(0, OVERVIEW_MONTHS - 1));
    m_pTable->setFocus(Qt::OtherFocusReason);
}

// Each column as wide as its heading and its longest text, in bold as the last row is: measured
// once a column rather than cell by cell, which the dialog's opening would feel.
void CYearOverviewDlg::FitColumns()
{
    QFont bold = m_pTable->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int margin = 2 * (m_pTable->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_pTable) + 1);
    const QAbstractItemModel& model = *m_pTable->model();
    for (int column = 0; column < model.columnCount(); ++column) {
        // The cells hold digits or "Ano": the longest text stands for the widest.
        const auto index = static_cast<std::size_t>(column) + 1;
        std::string longest = ResString(IDS_YES);
        for (std::size_t row = 1; row < m_rows.size(); ++row)
            if (index < m_rows[row].size() && m_rows[row][index].size() > longest.size())
                longest = m_rows[row][index];
        int width = metrics.horizontalAdvance(Q(longest));
        for (const QString& line : model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString().split(QLatin1Char('\n')))
            width = std::max(width, metrics.horizontalAdvance(line));
        m_pTable->setColumnWidth(column, width + margin);
    }
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

PageDrawing CYearOverviewDlg::Pages() const
{
    return YearOverviewPages(m_strHeading, m_rows);
}

std::string CYearOverviewDlg::PdfName() const
{
    return ResString(IDS_YEAR_TABLE);
}

} // namespace vak
