// The report sheet of a loaded group as PDF bytes, for `vak-cli sheet`.
#pragma once

#include <cstdint>
#include <vector>

namespace vak {

class CGroupData;

// Whether this vak-cli can draw the sheet (it is built with Qt).
bool CanDrawSheetPdf();

// Draws the printed sheet of the group's report month into `pdf`, without a display.
// Returns false when it could not be drawn.
bool DrawSheetPdf(CGroupData& group, std::vector<std::uint8_t>& pdf);

} // namespace vak
