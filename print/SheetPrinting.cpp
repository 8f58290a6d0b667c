// One print job of the report sheet on a printer or a PDF writer.
#include "print/SheetPrinting.h"

#include "print/QtCanvas.h"
#include "print/ReportSheet.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace vak {

PrintResult PrintReportSheet(QPagedPaintDevice& device, CReportSheet& sheet, const std::string& heading)
{
    QPainter painter;
    if (!painter.begin(&device))
        return PrintResult::NotStarted;
    CQtCanvas canvas(painter, &device);
    PageLayout layout;
    CReportSheet::MeasurePage(canvas, layout);
    layout.strHeading1 = heading;
    sheet.PrintSheet(canvas, layout);
    return painter.end() ? PrintResult::Printed : PrintResult::NotFinished;
}

bool RenderSheetPdf(CReportSheet& sheet, const std::string& heading, const QPageLayout& layout, int dpi, QByteArray& pdf)
{
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(dpi);
    writer.setPageLayout(layout);
    writer.setTitle(QString::fromStdString(heading));
    writer.setCreator(QStringLiteral("Vak"));
    return PrintReportSheet(writer, sheet, heading) == PrintResult::Printed;
}

bool RenderSheetPdf(CGroupData& group, const std::string& language, int month, QByteArray& pdf)
{
    CReportSheet sheet(group, language, month);
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
    return RenderSheetPdf(sheet, SheetHeading(month), a4, SHEET_PDF_DPI, pdf);
}

} // namespace vak
