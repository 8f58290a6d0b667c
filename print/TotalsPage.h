// The month's totals on paper: the heading and the figure lines on one page, drawn on the
// sheet's canvas.
#pragma once

#include <string>
#include <vector>

namespace vak {

class Canvas;

// Draws `heading` in the sheet's bold heading font at the sheet's top and left margins and each
// of `lines` below it in the sheet's text font, a quarter inch apart. The figures of a month
// (at most 19 lines) always fit on one page.
void PrintTotalsPage(Canvas& dc, const std::string& heading, const std::vector<std::string>& lines);

} // namespace vak
