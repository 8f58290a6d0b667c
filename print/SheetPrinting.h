// Printing the whole report sheet on a paged Qt device: a printer or a PDF.
#pragma once

#include <QByteArray>

#include <string>

class QPageLayout;
class QPagedPaintDevice;

namespace vak {

class CGroupData;
class CReportSheet;

// How a print job went.
enum class PrintResult {
    Printed,
    NotStarted,   // the device cannot be painted on: nothing is printed
    NotFinished,  // the pages were drawn but the device could not end the job
};

// Measures the page of `device` and prints every page of `sheet` on it, headed `heading`.
PrintResult PrintReportSheet(QPagedPaintDevice& device, CReportSheet& sheet, const std::string& heading);

inline constexpr int SHEET_PDF_DPI = 600;

// The printed sheet as a PDF document with the page `layout` at `dpi`, titled with `heading`.
// Returns false when it could not be drawn.
bool RenderSheetPdf(CReportSheet& sheet, const std::string& heading, const QPageLayout& layout, int dpi,
                    QByteArray& pdf);

// The printed sheet of report month `month` of `group` as a PDF document (A4, the sheet's own
// margins, SHEET_PDF_DPI).
bool RenderSheetPdf(CGroupData& group, const std::string& language, int month, QByteArray& pdf);

} // namespace vak
