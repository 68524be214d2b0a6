#include "report/gdi_surface_win.h"

#include <algorithm>
#include <cmath>

#include "core/text.h"

namespace orvane::report {

GdiSurface::GdiSurface(HDC dc, double pixelsPerMmX, double pixelsPerMmY, POINT origin)
    : dc_(dc), perMmX_(pixelsPerMmX), perMmY_(pixelsPerMmY), origin_(origin) {}

GdiSurface GdiSurface::ForPrinter(HDC dc) {
    const double perMmX = GetDeviceCaps(dc, LOGPIXELSX) / 25.4;
    const double perMmY = GetDeviceCaps(dc, LOGPIXELSY) / 25.4;
    const POINT origin{-GetDeviceCaps(dc, PHYSICALOFFSETX), -GetDeviceCaps(dc, PHYSICALOFFSETY)};
    GdiSurface surface(dc, perMmX, perMmY, origin);
    surface.grid_ =
        DeviceGrid{GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES), -origin.x, -origin.y, perMmX, perMmY};
    return surface;
}

int GdiSurface::X(double mm) const {
    return origin_.x + static_cast<int>(std::lround(mm * perMmX_));
}
int GdiSurface::Y(double mm) const {
    return origin_.y + static_cast<int>(std::lround(mm * perMmY_));
}

RECT GdiSurface::Pixels(const MmRect& rect) const {
    return RECT{X(rect.x), Y(rect.y), X(rect.x + rect.width), Y(rect.y + rect.height)};
}

HFONT GdiSurface::FontFor(const Font& font) {
    const std::string key = Format("%s|%.2f|%d", font.face, font.points, font.bold);
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second.Get();
    // Points to device pixels through the vertical resolution: 72 points to the inch.
    const int height = -static_cast<int>(std::lround(font.points * perMmY_ * 25.4 / 72.0));
    HFONT handle = CreateFontA(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                               OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, font.face);
    fonts_.emplace(key, win32::GdiObject<HFONT>(handle));
    return handle;
}

void GdiSurface::Fill(const MmRect& rect, Colour colour) {
    win32::GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
    const RECT pixels = Pixels(rect);
    FillRect(dc_, &pixels, brush.Get());
}

void GdiSurface::Line(double x0, double y0, double x1, double y1) {
    // A hairline of about a quarter of a millimetre, whatever the resolution.
    const int width = std::max(1, static_cast<int>(std::lround(0.25 * perMmY_)));
    win32::GdiObject<HPEN> pen(CreatePen(PS_SOLID, width, RGB(0, 0, 0)));
    win32::SelectScope select(dc_, pen.Get());
    MoveToEx(dc_, X(x0), Y(y0), nullptr);
    LineTo(dc_, X(x1), Y(y1));
}

double GdiSurface::TextWidth(const Font& font, std::string_view text) {
    win32::SelectScope select(dc_, FontFor(font));
    SIZE size{};
    GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
    return size.cx / perMmX_;
}

double GdiSurface::LineHeight(const Font& font) {
    win32::SelectScope select(dc_, FontFor(font));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc_, &metrics);
    return metrics.tmHeight / perMmY_;
}

void GdiSurface::Text(const Font& font, double x, double y, std::string_view text, const MmRect& clip) {
    win32::SelectScope select(dc_, FontFor(font));
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, RGB(0, 0, 0));
    const RECT box = Pixels(clip);
    ExtTextOutA(dc_, X(x), Y(y), ETO_CLIPPED, &box, text.data(), static_cast<UINT>(text.size()), nullptr);
}

}  // namespace orvane::report
