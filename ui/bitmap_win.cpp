#include "ui/bitmap_win.h"

#include <algorithm>

namespace orvane::ui {

HBITMAP BitmapFromPixels(const std::vector<std::uint32_t>& pixels, int width, int height, bool premultiply) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap || !bits) return bitmap;
    auto* out = static_cast<std::uint32_t*>(bits);
    const std::size_t count =
        std::min(pixels.size(), static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (std::size_t i = 0; i < count; ++i) {
        std::uint32_t p = pixels[i];
        if (premultiply) {
            const std::uint32_t a = p >> 24;
            auto channel = [&](int shift) { return (((p >> shift) & 0xFF) * a + 127) / 255; };
            p = (a << 24) | (channel(16) << 16) | (channel(8) << 8) | channel(0);
        }
        out[i] = p;
    }
    return bitmap;
}

}  // namespace orvane::ui
