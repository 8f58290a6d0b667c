// Saving a print job as a PDF file: the file dialog, the refusals and the writing.
#include "print/SavePdf.h"

#include "data/FilePath.h"
#include "data/GroupPaths.h"
#include "data/SafeFile.h"
#include "res/StringTable.h"
#include "ui/FileDlg.h"
#include "ui/MessageBox.h"
#include "ui/QtText.h"

#include <QApplication>

#include <filesystem>

namespace vak {

namespace {

void Warn(QWidget* parent, const std::string& text)
{
    VakMessageBox(parent, Q(text), MsgButtons::Ok, MsgIcon::Warning);
}

// The pages drawn in memory and written over `path`; false with the system's reason.
bool WritePdf(const PdfRequest& request, const std::string& path, std::string& failure)
{
    QByteArray pdf;
    if (!RenderA4Pdf(request.draw, request.title, pdf)) {
        failure = TEXT_NO_HDC;
        return false;
    }
    std::error_code reason;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(pdf.constData());
    if (WriteFileSafely(path, {bytes, static_cast<std::size_t>(pdf.size())}, &reason, LinkAtName::Replace))
        return true;
    failure = reason.message();
    return false;
}

} // namespace

std::string SuggestedPdfPath(const std::string& groupPath, const std::string& nameTail)
{
    std::filesystem::path path = PathFromUtf8(groupPath.empty() ? std::string("Vak") : groupPath);
    path.replace_filename(PathFromUtf8(Utf8FromPath(path.stem()) + nameTail + ".pdf"));
    return Utf8FromPath(path);
}

bool SavePdfAs(QWidget* parent, const PdfRequest& request)
{
    const QString chosen = CFileDlg::GetSaveFileName(
        parent, Q(ResString(IDS_SAVE_PDF_TITLE)), Q(ResString(IDS_PDF_FILES)), QStringLiteral("*.pdf"),
        Q(SuggestedPdfPath(request.groupPath, request.nameTail)));
    if (chosen.isEmpty())
        return false;
    const std::string path = chosen.toStdString();
    for (const std::string& own : {request.groupPath, ReportFileName(request.groupPath)}) {
        if (!own.empty() && IsSameFile(path, own)) {
            Warn(parent, FormatText(ResString(IDS_PDF_IS_GROUP_FILE), path));
            return false;
        }
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::string failure;
    const bool written = WritePdf(request, path, failure);
    QApplication::restoreOverrideCursor();
    if (!written)
        Warn(parent, FormatText(ResString(IDS_PDF_FAILED), path, failure));
    return written;
}

} // namespace vak
