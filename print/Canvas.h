// The drawing surface of the report sheet: device pixels and resolution, fonts by point size,
// text with left or right alignment, lines, filled rectangles, clipping and pages. The sheet
// code draws only through this interface; the program paints it with QPainter, tests record it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vak {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb COLOR_BLACK{0, 0, 0};
inline constexpr Rgb COLOR_LIGHT_GREY{192, 192, 192};

// Fonts the device has without creating one.
enum class StockFont {
    None,          // a font created by face, size and weight
    DeviceDefault, // what a device has selected before anything else is
    AnsiVariable,  // the proportional user-interface font
};

inline constexpr int WEIGHT_REGULAR = 400;
inline constexpr int WEIGHT_BOLD = 700;

// Character sets a font can be asked for; the canvas draws Unicode text whatever is set.
inline constexpr int CHARSET_DEFAULT = 1;
inline constexpr int CHARSET_TURKISH = 162;
inline constexpr int CHARSET_BALTIC = 186;
inline constexpr int CHARSET_EAST_EUROPE = 238;

struct FontSpec {
    StockFont stock = StockFont::None;
    std::string face;          // "Arial"; a metric-compatible face stands in where it is missing
    int points = 0;            // size in points, for the device's vertical resolution
    int weight = WEIGHT_REGULAR;
    int charset = CHARSET_DEFAULT;
    bool operator==(const FontSpec&) const = default;

    static FontSpec Stock(StockFont stock) { return {stock, {}, 0, WEIGHT_REGULAR, CHARSET_DEFAULT}; }
    static FontSpec Face(std::string face, int points, int weight = WEIGHT_REGULAR)
    {
        return {StockFont::None, std::move(face), points, weight, CHARSET_DEFAULT};
    }
};

struct Pen {
    int width = 1;  // device pixels
    Rgb color = COLOR_BLACK;
    bool operator==(const Pen&) const = default;
};

enum class TextAlign { Left, Right };

struct TextMetrics {
    int height = 0;   // ascent + descent of the selected font, device pixels
    int ascent = 0;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // Pixels per inch of the device.
    virtual int DpiX() const = 0;
    virtual int DpiY() const = 0;
    virtual TextMetrics GetTextMetrics() const = 0;

    // Selects `font` and returns the font selected before; a device starts with the stock
    // DeviceDefault font.
    virtual FontSpec SelectFont(const FontSpec& font) = 0;
    // Selects `pen` for the lines and returns the pen selected before (1 pixel black at first).
    virtual Pen SelectPen(const Pen& pen) = 0;
    // Where TextOut's point lies: the text's top-left corner or its top-right corner.
    virtual void SetTextAlign(TextAlign align) = 0;
    // Text (UTF-8) at (x, y) in the selected font and alignment, without background.
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    // Fills the rectangle from (left, top) to (right, bottom), right and bottom edge excluded.
    virtual void FillRect(int left, int top, int right, int bottom, Rgb color) = 0;
    // The colour the device's background is painted in.
    virtual Rgb BackgroundColor() const = 0;
    // Limits drawing to the rectangle (right and bottom excluded) until ResetClip.
    virtual void SetClipRect(int left, int top, int right, int bottom) = 0;
    virtual void ResetClip() = 0;

    // Pages of a print job; a screen canvas ignores them.
    virtual void StartPage() = 0;
    virtual void EndPage() = 0;
};

} // namespace vak
