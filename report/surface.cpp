#include "report/surface.h"

#include <algorithm>

#include "core/text.h"

namespace orvane::report {

void Surface::Frame(const MmRect& rect) {
    const double right = rect.x + rect.width;
    const double bottom = rect.y + rect.height;
    Line(rect.x, rect.y, right, rect.y);
    Line(right, rect.y, right, bottom);
    Line(right, bottom, rect.x, bottom);
    Line(rect.x, bottom, rect.x, rect.y);
}

PageFit FitPage(PageSize layoutPage, PageSize paper) {
    if (layoutPage.width <= 0 || layoutPage.height <= 0 || paper.width <= 0 || paper.height <= 0) return {};
    const double scale = std::min(paper.width / layoutPage.width, paper.height / layoutPage.height);
    // A sheet that differs by less than half a per cent is the same paper measured in whole device pixels.
    if (scale >= 0.995) return {};
    return {scale, (paper.width - layoutPage.width * scale) / 2, (paper.height - layoutPage.height * scale) / 2};
}

ImageFit FitImage(int width, int height, int areaWidth, int areaHeight) {
    if (width <= 0 || height <= 0 || areaWidth <= 0 || areaHeight <= 0) return {width, height};
    if (width <= areaWidth && height <= areaHeight) return {width, height};
    // The side that overflows more decides; the other follows in proportion, rounded down so it fits too.
    if (static_cast<long long>(width) * areaHeight >= static_cast<long long>(height) * areaWidth) {
        return {areaWidth, static_cast<int>(static_cast<long long>(height) * areaWidth / width)};
    }
    return {static_cast<int>(static_cast<long long>(width) * areaHeight / height), areaHeight};
}

void FittedSurface::Line(double x0, double y0, double x1, double y1) {
    paper_.Line(X(x0), Y(y0), X(x1), Y(y1));
}

double FittedSurface::TextWidth(const Font& font, std::string_view text) {
    return paper_.TextWidth(Scaled(font), text) / fit_.scale;
}

double FittedSurface::LineHeight(const Font& font) {
    return paper_.LineHeight(Scaled(font)) / fit_.scale;
}

void FittedSurface::Text(const Font& font, double x, double y, std::string_view text, const MmRect& clip) {
    paper_.Text(Scaled(font), X(x), Y(y), text, Map(clip));
}

MmRect FittedSurface::Map(const MmRect& rect) const {
    return {X(rect.x), Y(rect.y), rect.width * fit_.scale, rect.height * fit_.scale};
}

Font FittedSurface::Scaled(const Font& font) const {
    Font scaled = font;
    scaled.points = font.points * fit_.scale;
    return scaled;
}

std::vector<std::string> WrapText(Surface& surface, const Font& font, std::string_view text, double width) {
    std::vector<std::string> lines;
    std::string current;
    std::size_t at = 0;
    while (at < text.size()) {
        // The next word with the spaces that follow it.
        std::size_t end = text.find(' ', at);
        end = end == std::string_view::npos ? text.size() : end + 1;
        const std::string word(text.substr(at, end - at));
        if (!current.empty() && surface.TextWidth(font, Trim(current + word)) > width) {
            lines.push_back(Trim(current));
            current.clear();
        }
        current += word;
        at = end;
    }
    if (!current.empty() || lines.empty()) lines.push_back(Trim(current));
    return lines;
}

}  // namespace orvane::report
