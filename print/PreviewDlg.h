// The print preview: the report sheet of the report month 18 publishers a page in an
// owner-drawn pane, paging with two arrow buttons, printing the whole sheet or saving it as PDF,
// printer setup.
#pragma once

#include "ui/DialogBuilder.h"

#include <QDialog>
#include <QObject>
#include <QRect>

#include <cstdint>
#include <string>

class QPaintEvent;

namespace vak {

class Canvas;
class CGroupData;
class CPreviewDlg;
class CPrinterChoice;

// The pane of the preview (item 130, an owner-drawn button): it paints the preview page of its
// dialog and never the button.
class CPreviewPane : public QObject {
public:
    // Takes over the painting of `item`. The widget is stretched over `frameInside` (the inside
    // of the frame around it) so that the strip the page paints below the pane shows; the
    // pane's own rectangle stays what the template gives.
    void SubclassDlgItem(QWidget* item, CPreviewDlg* dialog, const QRect& frameInside);
    QWidget* Widget() const { return m_pItem; }

    QRect m_rcClient;           // the client rectangle, taken at the first paint
    bool m_bRectKnown = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnPaint(const QPaintEvent& event);

    QWidget* m_pItem = nullptr;
    CPreviewDlg* m_pDialog = nullptr;
    QSize m_clientSize;
};

class CPreviewDlg : public QDialog {
    Q_OBJECT
public:
    // The preview of `group`'s sheet, printed on `printers` (nullptr: none), its names as
    // `language` has them.
    CPreviewDlg(CGroupData& group, CPrinterChoice* printers, const std::string& language, QWidget* parent);

    // Prepares the dialog for m_nMonth (OnInitDialog) and runs it modally.
    int DoModal();
    bool OnInitDialog();

    // Handlers, in the order of the dialog's routing.
    void OnNextPage();
    void OnPrevPage();
    void OnPrinterSetup();
    void OnPrint();
    void OnSavePdf();
    void UpdateArrows();

    // The preview page of publishers m_nFirst + 1 .. m_nLast into the rectangle at (x, y).
    void PaintPreviewPage(int x, int y, int width, int height, Canvas& dc);

    QWidget* GetDlgItem(int id) const { return m_controls.GetDlgItem(id); }

    std::uint8_t m_nMonth = 0;  // the report month, set by the opener
    CPreviewPane m_wndPane;
    int m_nTotal = 0;           // publishers of the group
    int m_nFirst = 0;           // publishers before the first row of the page
    int m_nLast = 0;            // the last publisher on the page

private:
    QRect FrameInside() const;

    CGroupData& m_group;
    CPrinterChoice* m_pPrinters;
    std::string m_strLang;
    CDialogControls m_controls;
};

} // namespace vak
