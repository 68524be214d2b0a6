#pragma once
// The report surface on a GDI device context: the screen for the preview, a printer for the printout.
// Millimetres from the paper's corner become device pixels at the context's resolution.

#include <windows.h>

#include <map>
#include <string>

#include "platform/win32/handles.h"
#include "report/surface.h"

namespace orvane::report {

class GdiSurface : public Surface {
public:
    // pixelsPerMm: the device's resolution; origin: the device pixel of the paper's top-left corner
    // (negative on a printer, whose pixels start at its printable area).
    GdiSurface(HDC dc, double pixelsPerMmX, double pixelsPerMmY, POINT origin);

    std::optional<DeviceGrid> Grid() const override { return grid_; }
    void Fill(const MmRect& rect, Colour colour) override;
    void Line(double x0, double y0, double x1, double y1) override;
    double TextWidth(const Font& font, std::string_view text) override;
    double LineHeight(const Font& font) override;
    void Text(const Font& font, double x, double y, std::string_view text, const MmRect& clip) override;

    // For a printer DC: its resolution and physical offsets.
    static GdiSurface ForPrinter(HDC dc);

private:
    int X(double mm) const;
    int Y(double mm) const;
    RECT Pixels(const MmRect& rect) const;
    HFONT FontFor(const Font& font);

    HDC dc_;
    double perMmX_;
    double perMmY_;
    POINT origin_;
    std::map<std::string, win32::GdiObject<HFONT>> fonts_;
    std::optional<DeviceGrid> grid_;
};

}  // namespace orvane::report
