// The print preview dialog and its pane: paging, printing and printer setup.
#include "print/PreviewDlg.h"

#include "data/GroupData.h"
#include "print/PrinterChoice.h"
#include "print/QtCanvas.h"
#include "print/ReportSheet.h"
#include "print/SavePdf.h"
#include "print/SheetPrinting.h"
#include "res/StringTable.h"
#include "ui/QtText.h"

#include <QFrame>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace vak {

namespace {

const char* const ARROWS_NEXT = "> > >";
const char* const ARROWS_BACK = "< < <";

} // namespace

void CPreviewPane::SubclassDlgItem(QWidget* item, CPreviewDlg* dialog, const QRect& frameInside)
{
    m_pItem = item;
    m_pDialog = dialog;
    m_clientSize = item->size();
    item->setGeometry(QRect(item->pos(), frameInside.bottomRight()));
    item->installEventFilter(this);
}

bool CPreviewPane::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pItem && event->type() == QEvent::Paint) {
        OnPaint(*static_cast<QPaintEvent*>(event));
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void CPreviewPane::OnPaint(const QPaintEvent& event)
{
    if (event.region().isEmpty())
        return;
    if (!m_bRectKnown) {
        m_rcClient = QRect(QPoint(0, 0), m_clientSize);
        m_bRectKnown = true;
    }
    QPainter painter(m_pItem);
    CQtCanvas canvas(painter);
    m_pDialog->PaintPreviewPage(m_rcClient.left(), m_rcClient.top(), m_rcClient.width(), m_rcClient.height(),
                                canvas);
}

CPreviewDlg::CPreviewDlg(CGroupData& group, CPrinterChoice* printers, const std::string& language, QWidget* parent)
    : QDialog(parent), m_group(group), m_pPrinters(printers), m_strLang(language)
{
    // A modal frame with its caption and no system menu.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    m_controls.Build(*this, IDD_PREVIEW);
    m_controls.OnClicked(IDC_NEXT_PAGE, [this] { OnNextPage(); });
    m_controls.OnClicked(IDC_PREV_PAGE, [this] { OnPrevPage(); });
    m_controls.OnClicked(IDC_PRINTER_SETUP, [this] { OnPrinterSetup(); });
    m_controls.OnClicked(IDC_PRINT, [this] { OnPrint(); });
    m_controls.OnClicked(IDC_SAVE_PDF, [this] { OnSavePdf(); });
    m_controls.OnClicked(IDCANCEL, [this] { reject(); });
}

int CPreviewDlg::DoModal()
{
    OnInitDialog();
    return exec();
}

bool CPreviewDlg::OnInitDialog()
{
    m_wndPane.SubclassDlgItem(GetDlgItem(IDC_PREVIEW_PANE), this, FrameInside());
    m_wndPane.m_bRectKnown = false;
    setWindowTitle(Q(ResString(IDS_REPORTED_CAPTION, IDS_MONTH_FIRST + m_nMonth)));
    m_nTotal = m_group.m_nPublishers;
    m_nFirst = 0;
    m_nLast = std::min(m_nTotal, PREVIEW_ROWS);
    UpdateArrows();
    return true;
}

// The inside of the etched frame around the pane, in the dialog's pixels.
QRect CPreviewDlg::FrameInside() const
{
    const auto* frame = findChild<QFrame*>(QString(), Qt::FindDirectChildrenOnly);
    if (!frame)
        return GetDlgItem(IDC_PREVIEW_PANE)->geometry();
    const int line = frame->frameWidth();
    return frame->geometry().adjusted(line, line, -line, -line);
}

// The last page always holds the last 18 publishers, overlapping the page before it.
void CPreviewDlg::OnNextPage()
{
    if (m_nTotal - m_nLast > PREVIEW_ROWS)
        m_nLast += PREVIEW_ROWS;
    else
        m_nLast = m_nTotal;
    m_nFirst = std::max(m_nLast - PREVIEW_ROWS, 0);
    UpdateArrows();
    m_wndPane.Widget()->update();
}

// On the first page the left button carries "> > >" and pages forward.
void CPreviewDlg::OnPrevPage()
{
    if (m_nFirst == 0) {
        OnNextPage();
        return;
    }
    m_nFirst = m_nFirst > PREVIEW_ROWS ? m_nFirst - PREVIEW_ROWS : 0;
    m_nLast = std::min(m_nFirst + PREVIEW_ROWS, m_nTotal);
    UpdateArrows();
    m_wndPane.Widget()->update();
}

void CPreviewDlg::OnPrinterSetup()
{
    if (m_pPrinters)
        m_pPrinters->OnFilePrintSetup(this);
}

// One print job of the whole sheet, whatever page the preview shows, on the application's
// printer choice; the dialog stays open.
void CPreviewDlg::OnPrint()
{
    const std::string heading = SheetHeading(m_nMonth);
    CReportSheet sheet(m_group, m_strLang, m_nMonth);
    PrintOnCurrentPrinter(m_pPrinters, this, heading, ReportSheetPages(sheet, heading));
}

void CPreviewDlg::OnSavePdf()
{
    const std::string heading = SheetHeading(m_nMonth);
    CReportSheet sheet(m_group, m_strLang, m_nMonth);
    SavePdfAs(this, {m_group.m_strPath, " - " + MonthName(m_nMonth), heading, ReportSheetPages(sheet, heading)});
}

void CPreviewDlg::UpdateArrows()
{
    if (m_nTotal <= PREVIEW_ROWS) {
        m_controls.Show(IDC_PREV_PAGE, false);
        m_controls.Show(IDC_NEXT_PAGE, false);
        return;
    }
    m_controls.SetText(IDC_PREV_PAGE, QString::fromLatin1(m_nFirst == 0 ? ARROWS_NEXT : ARROWS_BACK));
    m_controls.Show(IDC_NEXT_PAGE, m_nFirst > 0 && m_nLast < m_nTotal);
}

void CPreviewDlg::PaintPreviewPage(int x, int y, int width, int height, Canvas& dc)
{
    CReportSheet sheet(m_group, m_strLang, m_nMonth);
    sheet.PaintPreviewPage(x, y, width, height, dc, m_nFirst, m_nLast);
}

} // namespace vak
