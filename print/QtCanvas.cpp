// Painting the canvas with QPainter.
#include "print/QtCanvas.h"

#include <QColor>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPen>
#include <QStringList>

#include <algorithm>

namespace vak {

namespace {

constexpr int POINTS_PER_INCH = 72;
constexpr int DEVICE_DEFAULT_POINTS = 10;
constexpr const char* ARIAL = "Arial";

// Faces with the metrics of Arial, for systems without it.
const QStringList& ArialSubstitutes()
{
    static const QStringList faces = {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")};
    return faces;
}

QColor ToQColor(Rgb color)
{
    return QColor(color.r, color.g, color.b);
}

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

CQtCanvas::CQtCanvas(QPainter& painter, QPagedPaintDevice* pages, Rgb background)
    : m_painter(painter), m_pages(pages), m_background(background), m_uiFont(painter.font())
{
    m_painter.setFont(FontFor(m_font));
    m_painter.setPen(QPen(ToQColor(m_pen.color), m_pen.width));
}

int CQtCanvas::DpiX() const
{
    return m_painter.device()->logicalDpiX();
}

int CQtCanvas::DpiY() const
{
    return m_painter.device()->logicalDpiY();
}

TextMetrics CQtCanvas::GetTextMetrics() const
{
    const QFontMetrics metrics = m_painter.fontMetrics();
    return {metrics.height(), metrics.ascent()};
}

QFont CQtCanvas::FontFor(const FontSpec& font) const
{
    if (font.stock == StockFont::AnsiVariable)
        return m_uiFont;
    const FontSpec wanted = font.stock == StockFont::DeviceDefault ? FontSpec::Face(ARIAL, DEVICE_DEFAULT_POINTS) : font;
    QFont qfont;
    QStringList faces = {ToQString(wanted.face)};
    if (wanted.face == ARIAL)
        faces += ArialSubstitutes();
    qfont.setFamilies(faces);
    // Points for the device's resolution, rounded as the em height of a font asked by points.
    qfont.setPixelSize(std::max(1, (wanted.points * DpiY() + POINTS_PER_INCH / 2) / POINTS_PER_INCH));
    qfont.setWeight(wanted.weight >= WEIGHT_BOLD ? QFont::Bold : QFont::Normal);
    return qfont;
}

FontSpec CQtCanvas::SelectFont(const FontSpec& font)
{
    FontSpec before = m_font;
    m_font = font;
    m_painter.setFont(FontFor(font));
    return before;
}

Pen CQtCanvas::SelectPen(const Pen& pen)
{
    const Pen before = m_pen;
    m_pen = pen;
    m_painter.setPen(QPen(ToQColor(pen.color), pen.width));
    return before;
}

void CQtCanvas::SetTextAlign(TextAlign align)
{
    m_align = align;
}

void CQtCanvas::TextOut(int x, int y, std::string_view text)
{
    if (text.empty())
        return;
    const QString qtext = ToQString(text);
    const QFontMetrics metrics = m_painter.fontMetrics();
    const int left = m_align == TextAlign::Right ? x - metrics.horizontalAdvance(qtext) : x;
    // Text is placed by the top of its cell; QPainter places it by its baseline.
    m_painter.drawText(QPoint(left, y + metrics.ascent()), qtext);
}

void CQtCanvas::Line(int x1, int y1, int x2, int y2)
{
    m_painter.drawLine(x1, y1, x2, y2);
}

void CQtCanvas::FillRect(int left, int top, int right, int bottom, Rgb color)
{
    m_painter.fillRect(QRect(left, top, right - left, bottom - top), ToQColor(color));
}

void CQtCanvas::SetClipRect(int left, int top, int right, int bottom)
{
    m_painter.setClipRect(QRect(left, top, right - left, bottom - top));
}

void CQtCanvas::ResetClip()
{
    m_painter.setClipping(false);
}

void CQtCanvas::StartPage()
{
    // The painter's first page begins with the painter; every further one is a new page.
    if (m_pagesStarted++ > 0 && m_pages)
        m_pages->newPage();
}

} // namespace vak
