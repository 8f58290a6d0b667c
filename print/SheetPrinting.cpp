// Print jobs of the report sheet and of the month's totals on a printer or a PDF writer.
#include "print/SheetPrinting.h"

#include "print/QtCanvas.h"
#include "print/ReportSheet.h"
#include "print/TotalsPage.h"
#include "print/YearPage.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace vak {

PrintResult PrintPages(QPagedPaintDevice& device, const PageDrawing& draw)
{
    QPainter painter;
    if (!painter.begin(&device))
        return PrintResult::NotStarted;
    CQtCanvas canvas(painter, &device);
    draw(canvas);
    return painter.end() ? PrintResult::Printed : PrintResult::NotFinished;
}

PageDrawing ReportSheetPages(CReportSheet& sheet, const std::string& heading)
{
    return [&sheet, heading](Canvas& canvas) {
        PageLayout layout;
        CReportSheet::MeasurePage(canvas, layout);
        layout.strHeading1 = heading;
        sheet.PrintSheet(canvas, layout);
    };
}

PageDrawing MonthTotalsPage(const std::string& heading, const std::vector<std::string>& lines)
{
    return [heading, lines](Canvas& canvas) { PrintTotalsPage(canvas, heading, lines); };
}

PageDrawing YearOverviewPages(const std::string& heading, const std::vector<std::vector<std::string>>& table)
{
    return [heading, table](Canvas& canvas) { PrintYearPages(canvas, heading, table); };
}

bool RenderA4Pdf(const PageDrawing& draw, const std::string& title, QByteArray& pdf)
{
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(SHEET_PDF_DPI);
    // The pages keep margins of their own.
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setTitle(QString::fromStdString(title));
    writer.setCreator(QStringLiteral("Vak"));
    return PrintPages(writer, draw) == PrintResult::Printed;
}

bool RenderSheetPdf(CGroupData& group, const std::string& language, int month, QByteArray& pdf)
{
    CReportSheet sheet(group, language, month);
    const std::string heading = SheetHeading(month);
    return RenderA4Pdf(ReportSheetPages(sheet, heading), heading, pdf);
}

} // namespace vak
