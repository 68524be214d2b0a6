#pragma once
// The report engine's drawing surface: a page in millimetres from the paper's top-left corner, on which
// a report draws filled rectangles, lines, frames and single lines of text, and measures its text. The
// print preview and the printer are both surfaces, so a page draws the same on each.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::report {

// Colours as 0x00BBGGRR, the platform's order (the same values as ui::Colour).
using Colour = std::uint32_t;

struct MmRect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};

struct Font {
    const char* face = "Arial";
    double points = 9.75;
    bool bold = false;
};

// A sheet of paper, or a layout's page, in millimetres.
struct PageSize {
    double width = 210;  // A4 portrait
    double height = 297;
};

// A printer's pixel grid, for layouts designed in device pixels: the printable area's size in pixels,
// where it starts on the paper (PHYSICALOFFSETX and Y) and the resolution.
struct DeviceGrid {
    int width = 0;
    int height = 0;
    int offsetX = 0;
    int offsetY = 0;
    double pixelsPerMmX = 1;
    double pixelsPerMmY = 1;
};

class Surface {
public:
    virtual ~Surface() = default;
    // The device's pixel grid where the surface is a printer's; nullopt elsewhere.
    virtual std::optional<DeviceGrid> Grid() const { return std::nullopt; }
    virtual void Fill(const MmRect& rect, Colour colour) = 0;
    virtual void Line(double x0, double y0, double x1, double y1) = 0;
    // The rectangle's outline as hairlines.
    virtual void Frame(const MmRect& rect);
    virtual double TextWidth(const Font& font, std::string_view text) = 0;
    virtual double LineHeight(const Font& font) = 0;
    // One line of text whose top-left corner is (x, y), clipped to the rectangle.
    virtual void Text(const Font& font, double x, double y, std::string_view text, const MmRect& clip) = 0;
};

// Splits the text into lines that fit the width, breaking at spaces where it can.
std::vector<std::string> WrapText(Surface& surface, const Font& font, std::string_view text, double width);

}  // namespace orvane::report
