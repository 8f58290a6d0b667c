// Print jobs of the report sheet and of the month's totals on a printer or a PDF writer.
#include "print/SheetPrinting.h"

#include "print/QtCanvas.h"
#include "print/ReportSheet.h"
#include "print/TotalsPage.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include <functional>

namespace vak {

namespace {

// One print job: `draw` paints every page on a canvas of `device`.
bool PrintJob(QPagedPaintDevice& device, const std::function<void(Canvas&)>& draw)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    CQtCanvas canvas(painter, &device);
    draw(canvas);
    // Spooling is the print system's; how it ends is not the program's to report.
    painter.end();
    return true;
}

} // namespace

bool PrintReportSheet(QPagedPaintDevice& device, CReportSheet& sheet, const std::string& heading)
{
    return PrintJob(device, [&](Canvas& canvas) {
        PageLayout layout;
        CReportSheet::MeasurePage(canvas, layout);
        layout.strHeading1 = heading;
        sheet.PrintSheet(canvas, layout);
    });
}

bool PrintMonthTotals(QPagedPaintDevice& device, const std::string& heading, const std::vector<std::string>& lines)
{
    return PrintJob(device, [&](Canvas& canvas) { PrintTotalsPage(canvas, heading, lines); });
}

bool RenderSheetPdf(CGroupData& group, const std::string& language, int month, QByteArray& pdf)
{
    const std::string heading = SheetHeading(month);
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(SHEET_PDF_DPI);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setTitle(QString::fromStdString(heading));
    writer.setCreator(QStringLiteral("Vak"));
    CReportSheet sheet(group, language, month);
    return PrintReportSheet(writer, sheet, heading);
}

} // namespace vak
