// The year at a glance on paper: the heading, then the table of the year overview, 50 rows a
// page with the column headings on every page, drawn on the sheet's canvas.
#pragma once

#include <string>
#include <vector>

namespace vak {

class Canvas;

inline constexpr int YEAR_ROWS_PER_PAGE = 50;

// Draws `heading` and `table` (as YearOverviewTable gives it: the headings row first, its
// column headings split after their first word onto two lines) on as many pages as the rows
// take. Names are cut to fit their column; the cells are right-aligned in theirs.
void PrintYearPages(Canvas& dc, const std::string& heading, const std::vector<std::vector<std::string>>& table);

} // namespace vak
