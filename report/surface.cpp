#include "report/surface.h"

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
