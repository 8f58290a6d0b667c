// Drawing the sheet as PDF with Qt, on the offscreen platform so that no display is needed.
#include "cli/SheetPdf.h"

#include "data/GroupData.h"
#include "print/SheetPrinting.h"
#include "res/StringTable.h"

#include <QGuiApplication>

#include <cstdio>

namespace vak {

namespace {

// Qt's own notes (missing runtime folders and the like) are not the tool's output.
void KeepOnlyCriticalMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        fprintf(stderr, "vak-cli: %s\n", message.toLocal8Bit().constData());
}

} // namespace

bool CanDrawSheetPdf()
{
    return true;
}

bool DrawSheetPdf(CGroupData& group, std::vector<std::uint8_t>& pdf)
{
    // A PDF needs no display: whatever platform the environment names (xcb without a display
    // would abort), the offscreen one draws it. Windows' own platform needs no display either,
    // and Qt's offscreen one has no fonts there (its text comes out as boxes).
#ifndef _WIN32
    qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    qInstallMessageHandler(KeepOnlyCriticalMessages);
    int argc = 1;
    char name[] = "vak-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    QByteArray bytes;
    if (!RenderSheetPdf(group, ResString(IDS_LANGUAGE), group.m_nMonth, bytes))
        return false;
    pdf.assign(bytes.begin(), bytes.end());
    return true;
}

} // namespace vak
