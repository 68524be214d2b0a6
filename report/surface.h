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

// How a layout's page sits on a sheet of paper: where the sheet is smaller (a Letter printer for an A4
// layout, say), the page is scaled down to fit, keeping its proportions, and centred; otherwise it is
// drawn at its own size from the sheet's corner.
struct PageFit {
    double scale = 1;
    double offsetX = 0;  // millimetres on the sheet
    double offsetY = 0;
};
PageFit FitPage(PageSize layoutPage, PageSize paper);

// A picture's printed size in device pixels, scaled down to fit the printable area where it is larger,
// keeping its proportions; a picture that fits keeps its size.
struct ImageFit {
    int width = 0;
    int height = 0;
};
ImageFit FitImage(int width, int height, int areaWidth, int areaHeight);

// Draws a layout's millimetres on the paper's surface through a fit: positions, sizes and fonts scaled,
// measurements given back in the layout's millimetres.
class FittedSurface : public Surface {
public:
    FittedSurface(Surface& paper, PageFit fit) : paper_(paper), fit_(fit) {}
    // A page drawn as it is keeps the paper's pixel grid; a scaled one is laid out in millimetres.
    std::optional<DeviceGrid> Grid() const override {
        return fit_.scale == 1.0 && fit_.offsetX == 0 && fit_.offsetY == 0 ? paper_.Grid() : std::nullopt;
    }
    void Fill(const MmRect& rect, Colour colour) override { paper_.Fill(Map(rect), colour); }
    void Line(double x0, double y0, double x1, double y1) override;
    double TextWidth(const Font& font, std::string_view text) override;
    double LineHeight(const Font& font) override;
    void Text(const Font& font, double x, double y, std::string_view text, const MmRect& clip) override;

private:
    double X(double x) const { return fit_.offsetX + x * fit_.scale; }
    double Y(double y) const { return fit_.offsetY + y * fit_.scale; }
    MmRect Map(const MmRect& rect) const;
    Font Scaled(const Font& font) const;

    Surface& paper_;
    PageFit fit_;
};

// Splits the text into lines that fit the width, breaking at spaces where it can.
std::vector<std::string> WrapText(Surface& surface, const Font& font, std::string_view text, double width);

}  // namespace orvane::report
