#include "res/picture.h"

#include <algorithm>
#include <cmath>

namespace orvane::res {

namespace {

bool Inside(const Shape& shape, float x, float y) {
    switch (shape.kind) {
        case Shape::Rect:
            return x >= shape.x0 && x < shape.x1 && y >= shape.y0 && y < shape.y1;
        case Shape::RoundRect: {
            if (x < shape.x0 || x >= shape.x1 || y < shape.y0 || y >= shape.y1) return false;
            const float r = shape.radius;
            const float cx = std::clamp(x, shape.x0 + r, shape.x1 - r);
            const float cy = std::clamp(y, shape.y0 + r, shape.y1 - r);
            return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
        }
        case Shape::Ellipse: {
            const float rx = (shape.x1 - shape.x0) / 2;
            const float ry = (shape.y1 - shape.y0) / 2;
            if (rx <= 0 || ry <= 0) return false;
            const float dx = (x - (shape.x0 + rx)) / rx;
            const float dy = (y - (shape.y0 + ry)) / ry;
            return dx * dx + dy * dy <= 1;
        }
        case Shape::Line: {
            const float vx = shape.x1 - shape.x0;
            const float vy = shape.y1 - shape.y0;
            const float length2 = vx * vx + vy * vy;
            float t = length2 > 0 ? ((x - shape.x0) * vx + (y - shape.y0) * vy) / length2 : 0;
            t = std::clamp(t, 0.0f, 1.0f);
            const float px = shape.x0 + t * vx - x;
            const float py = shape.y0 + t * vy - y;
            return px * px + py * py <= shape.radius * shape.radius;
        }
        case Shape::Polygon: {
            bool inside = false;
            const std::size_t n = shape.points.size();
            for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
                const Point& a = shape.points[i];
                const Point& b = shape.points[j];
                if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
            }
            return inside;
        }
    }
    return false;
}

// Source-over blending of straight-alpha colours.
std::uint32_t Blend(std::uint32_t under, std::uint32_t over, float coverage) {
    const float oa = static_cast<float>(over >> 24) / 255.0f * coverage;
    const float ua = static_cast<float>(under >> 24) / 255.0f;
    const float a = oa + ua * (1 - oa);
    if (a <= 0) return 0;
    auto channel = [&](int shift) {
        const float o = static_cast<float>((over >> shift) & 0xFF);
        const float u = static_cast<float>((under >> shift) & 0xFF);
        return static_cast<std::uint32_t>(std::lround((o * oa + u * ua * (1 - oa)) / a)) & 0xFF;
    };
    const auto alpha = static_cast<std::uint32_t>(std::lround(a * 255)) & 0xFF;
    return (alpha << 24) | (channel(16) << 16) | (channel(8) << 8) | channel(0);
}

void PutLe16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void PutLe32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    PutLe16(out, v & 0xFFFF);
    PutLe16(out, v >> 16);
}

}  // namespace

std::vector<std::uint32_t> Rasterise(const Picture& picture, int size) {
    return Rasterise(picture, size, size);
}

std::vector<std::uint32_t> Rasterise(const Picture& picture, int width, int height) {
    constexpr int kSamples = 4;  // 4 x 4 samples per pixel
    if (width <= 0 || height <= 0) return {};
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    const float unit = picture.design / static_cast<float>(height);
    for (const Shape& shape : picture.shapes) {
        for (int py = 0; py < height; ++py) {
            for (int px = 0; px < width; ++px) {
                int hits = 0;
                for (int sy = 0; sy < kSamples; ++sy) {
                    for (int sx = 0; sx < kSamples; ++sx) {
                        const float x = (static_cast<float>(px) + (static_cast<float>(sx) + 0.5f) / kSamples) * unit;
                        const float y = (static_cast<float>(py) + (static_cast<float>(sy) + 0.5f) / kSamples) * unit;
                        if (Inside(shape, x, y)) ++hits;
                    }
                }
                if (hits == 0) continue;
                std::uint32_t& pixel = pixels[static_cast<std::size_t>(py) * static_cast<std::size_t>(width) +
                                              static_cast<std::size_t>(px)];
                pixel = Blend(pixel, shape.argb, static_cast<float>(hits) / (kSamples * kSamples));
            }
        }
    }
    return pixels;
}

Picture AppIcon() {
    Picture icon;
    // A monitor with a blue screen, a stand, and a white "i" for information.
    icon.shapes = {
        {Shape::RoundRect, 0xFF2B3A4A, 2, 3, 30, 24, 3, {}},
        {Shape::Rect,      0xFF3A86D8, 4.5f, 5.5f, 27.5f, 21.5f, 0, {}},
        {Shape::Polygon,   0xFF5FA4EE, 0, 0, 0, 0, 0, {{4.5f, 5.5f}, {27.5f, 5.5f}, {4.5f, 16}}},
        {Shape::Rect,      0xFF2B3A4A, 13, 24, 19, 27, 0, {}},
        {Shape::RoundRect, 0xFF2B3A4A, 8, 27, 24, 30, 1.5f, {}},
        {Shape::Ellipse,   0xFFFFFFFF, 14.2f, 7.5f, 17.8f, 11.1f, 0, {}},
        {Shape::RoundRect, 0xFFFFFFFF, 14.4f, 12.5f, 17.6f, 19.8f, 1.2f, {}},
    };
    return icon;
}

std::vector<std::uint8_t> BuildIconFile(const Picture& picture, const std::vector<int>& sizes) {
    std::vector<std::vector<std::uint8_t>> images;
    for (int size : sizes) {
        const std::vector<std::uint32_t> pixels = Rasterise(picture, size);
        std::vector<std::uint8_t> image;
        const auto side = static_cast<std::uint32_t>(size);
        const std::uint32_t maskRow = ((side + 31) / 32) * 4;
        PutLe32(image, 40);
        PutLe32(image, side);
        PutLe32(image, side * 2);  // colour and mask stacked
        PutLe16(image, 1);
        PutLe16(image, 32);
        PutLe32(image, 0);
        PutLe32(image, side * side * 4 + maskRow * side);
        for (int i = 0; i < 4; ++i) PutLe32(image, 0);
        for (int y = size - 1; y >= 0; --y) {  // bottom-up
            for (int x = 0; x < size; ++x) {
                PutLe32(image, pixels[static_cast<std::size_t>(y * size + x)]);  // BGRA in memory
            }
        }
        for (int y = size - 1; y >= 0; --y) {
            std::vector<std::uint8_t> row(maskRow, 0);
            for (int x = 0; x < size; ++x) {
                if ((pixels[static_cast<std::size_t>(y * size + x)] >> 24) == 0) {
                    row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
                }
            }
            image.insert(image.end(), row.begin(), row.end());
        }
        images.push_back(std::move(image));
    }
    std::vector<std::uint8_t> file;
    PutLe16(file, 0);
    PutLe16(file, 1);
    PutLe16(file, static_cast<std::uint32_t>(sizes.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        file.push_back(static_cast<std::uint8_t>(sizes[i] >= 256 ? 0 : sizes[i]));
        file.push_back(static_cast<std::uint8_t>(sizes[i] >= 256 ? 0 : sizes[i]));
        file.push_back(0);
        file.push_back(0);
        PutLe16(file, 1);
        PutLe16(file, 32);
        PutLe32(file, static_cast<std::uint32_t>(images[i].size()));
        PutLe32(file, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());
    return file;
}

}  // namespace orvane::res
