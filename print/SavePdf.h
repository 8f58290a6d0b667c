// Saving a print job as a PDF file that the user names in Vak's own file dialog.
#pragma once

#include "print/SheetPrinting.h"

#include <string>

class QWidget;

namespace vak {

struct PdfRequest {
    std::string groupPath;  // the open group file: its folder and name suggest the PDF's
    std::string nameTail;   // added to the group file's name in the suggestion (" - Březen")
    std::string title;      // the document's title
    PageDrawing draw;
};

// Asks for the PDF file and writes the pages there (A4) as every file Vak makes is written: a
// link at the name replaced, the old file kept until the new one is complete. The open group
// file and its report file are refused, as are a folder, FIFO or device, with a message owned
// by `parent`; nothing but Vak's own checks looks at the path. True when the file was written.
bool SavePdfAs(QWidget* parent, const PdfRequest& request);

// The file the dialog offers: the group file's folder and name with `nameTail` and ".pdf"
// ("C:\Sbor\Skupina7.t09", " - Březen" gives "C:\Sbor\Skupina7 - Březen.pdf").
std::string SuggestedPdfPath(const std::string& groupPath, const std::string& nameTail);

} // namespace vak
