#pragma once
// Pictures drawn as pixels, made into bitmaps the tool bar's image list and the menus take.

#include <windows.h>

#include <cstdint>
#include <vector>

namespace orvane::ui {

// A 32-bit top-down DIB of the pixels (0xAARRGGBB), premultiplied for image lists and menus.
HBITMAP BitmapFromPixels(const std::vector<std::uint32_t>& pixels, int width, int height, bool premultiply);

}  // namespace orvane::ui
