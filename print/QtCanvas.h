// The report sheet's canvas painted with QPainter: on a printer, a PDF writer or the preview pane.
#pragma once

#include "print/Canvas.h"

#include <QFont>
#include <QPainter>

#include <string>

class QPagedPaintDevice;

namespace vak {

class CQtCanvas : public Canvas {
public:
    // Draws with `painter`, already active on its device. `pages` is the device when it has
    // pages (printer, PDF); `background` is the colour of the device's background.
    explicit CQtCanvas(QPainter& painter, QPagedPaintDevice* pages = nullptr, Rgb background = {255, 255, 255});

    int DpiX() const override;
    int DpiY() const override;
    TextMetrics GetTextMetrics() const override;
    FontSpec SelectFont(const FontSpec& font) override;
    Pen SelectPen(const Pen& pen) override;
    void SetTextAlign(TextAlign align) override;
    void TextOut(int x, int y, std::string_view text) override;
    void Line(int x1, int y1, int x2, int y2) override;
    void FillRect(int left, int top, int right, int bottom, Rgb color) override;
    Rgb BackgroundColor() const override { return m_background; }
    void SetClipRect(int left, int top, int right, int bottom) override;
    void ResetClip() override;
    void StartPage() override;
    void EndPage() override {}

    // The Qt font for `font` on this device: Arial, or a metric-compatible face where Arial
    // is missing, sized in device pixels for the points asked.
    QFont FontFor(const FontSpec& font) const;

private:
    QPainter& m_painter;
    QPagedPaintDevice* m_pages;
    Rgb m_background;
    QFont m_uiFont;   // the painter's font when it began: the user-interface font
    FontSpec m_font = FontSpec::Stock(StockFont::DeviceDefault);
    Pen m_pen;
    TextAlign m_align = TextAlign::Left;
    int m_pagesStarted = 0;
};

} // namespace vak
