// vak-cli built without Qt: the sheet cannot be drawn.
#include "cli/SheetPdf.h"

namespace vak {

bool CanDrawSheetPdf()
{
    return false;
}

bool DrawSheetPdf(CGroupData&, std::vector<std::uint8_t>&)
{
    return false;
}

} // namespace vak
