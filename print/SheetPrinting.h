// Print jobs on a paged Qt device (a printer or a PDF): the whole report sheet, the month's
// totals, and a PDF document drawn in memory.
#pragma once

#include <QByteArray>

#include <functional>
#include <string>
#include <vector>

class QPagedPaintDevice;

namespace vak {

class Canvas;
class CGroupData;
class CReportSheet;

// How a print job went.
enum class PrintResult {
    Printed,
    NotStarted,   // the device cannot be painted on: nothing is printed
    NotFinished,  // the pages were drawn but the device could not end the job
};

// Draws every page of a print job on the device's canvas.
using PageDrawing = std::function<void(Canvas&)>;

// One print job on `device`.
PrintResult PrintPages(QPagedPaintDevice& device, const PageDrawing& draw);

// The pages of the report sheet headed `heading`, measured on the canvas they are drawn on.
PageDrawing ReportSheetPages(CReportSheet& sheet, const std::string& heading);
// The page of the month's totals: `heading` and its figure `lines`.
PageDrawing MonthTotalsPage(const std::string& heading, const std::vector<std::string>& lines);
// The pages of the year overview: `heading` and its `table` (YearOverviewTable).
PageDrawing YearOverviewPages(const std::string& heading, const std::vector<std::vector<std::string>>& table);

inline constexpr int SHEET_PDF_DPI = 600;

// The pages as a PDF document on A4 at SHEET_PDF_DPI, titled `title`. Returns false when they
// could not be drawn.
bool RenderA4Pdf(const PageDrawing& draw, const std::string& title, QByteArray& pdf);

// The printed sheet of report month `month` of `group` as a PDF document.
bool RenderSheetPdf(CGroupData& group, const std::string& language, int month, QByteArray& pdf);

} // namespace vak
