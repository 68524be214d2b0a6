#pragma once
// Pictures drawn from shapes rather than stored as bitmaps: the icon and the tool-bar pictures are
// described here as text and rasterised (with anti-aliasing) when they are needed.

#include <cstdint>
#include <vector>

namespace orvane::res {

struct Point {
    float x;
    float y;
};

struct Shape {
    enum Kind { Rect, RoundRect, Ellipse, Polygon, Line } kind;
    std::uint32_t argb;          // 0xAARRGGBB
    float x0, y0, x1, y1;        // bounding box (Rect, RoundRect, Ellipse) or end points (Line)
    float radius = 0;            // corner radius (RoundRect) or half the width (Line)
    std::vector<Point> points;   // Polygon corners
};

// Shapes drawn in order on a transparent square whose side is `design` units.
struct Picture {
    float design = 32;
    std::vector<Shape> shapes;
};

// size x size pixels, top row first, each 0xAARRGGBB with straight (not premultiplied) alpha.
std::vector<std::uint32_t> Rasterise(const Picture& picture, int size);
// A picture that is not square: `design` units span the height; the width takes as many pixels as the
// caller asks for, at the same scale.
std::vector<std::uint32_t> Rasterise(const Picture& picture, int width, int height);

// The program's icon.
Picture AppIcon();

// An icon file (.ico) holding the picture at each size, 32-bit with alpha.
std::vector<std::uint8_t> BuildIconFile(const Picture& picture, const std::vector<int>& sizes);

}  // namespace orvane::res
