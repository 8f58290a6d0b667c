// Printing on a paged Qt device (a printer or a PDF): the whole report sheet, the month's totals.
#pragma once

#include <QByteArray>

#include <string>
#include <vector>

class QPagedPaintDevice;

namespace vak {

class CGroupData;
class CReportSheet;

// Measures the page of `device` and prints every page of `sheet` on it, headed `heading`.
// Returns false when the device cannot be painted on (nothing is printed then).
bool PrintReportSheet(QPagedPaintDevice& device, CReportSheet& sheet, const std::string& heading);

// Prints the month's totals, `heading` and its figure `lines`, on `device`. Returns false when
// the device cannot be painted on.
bool PrintMonthTotals(QPagedPaintDevice& device, const std::string& heading, const std::vector<std::string>& lines);

inline constexpr int SHEET_PDF_DPI = 600;

// The printed sheet of report month `month` of `group` as a PDF document (A4, the sheet's own
// margins, titled with the heading). Returns false when it could not be drawn.
bool RenderSheetPdf(CGroupData& group, const std::string& language, int month, QByteArray& pdf);

} // namespace vak
