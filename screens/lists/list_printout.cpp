#include "screens/lists/list_printout.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

// Halves to even, as the arithmetic is designed (the default rounding mode).
int Near(double value) {
    return static_cast<int>(std::nearbyint(value));
}

// Device pixels to the surface's millimetres and back.
struct PixelMap {
    report::DeviceGrid grid;

    double X(int px) const { return (px + grid.offsetX) / grid.pixelsPerMmX; }
    double Y(int px) const { return (px + grid.offsetY) / grid.pixelsPerMmY; }
    report::MmRect Rect(int left, int top, int right, int bottom) const {
        return {X(left), Y(top), std::max(0, right - left) / grid.pixelsPerMmX,
                std::max(0, bottom - top) / grid.pixelsPerMmY};
    }
    report::MmRect Paper() const {
        return Rect(-grid.offsetX, -grid.offsetY, grid.width + grid.offsetX, grid.height + grid.offsetY);
    }
};

report::Font ListFont(double points, bool bold = false) {
    return {kListPrintFace, points, bold};
}

int WidthPx(report::Surface& surface, const report::DeviceGrid& grid, const report::Font& font,
            const std::string& text) {
    return static_cast<int>(std::lround(surface.TextWidth(font, text) * grid.pixelsPerMmX));
}

}  // namespace

report::DeviceGrid ListPrintGrid(const report::Surface& surface) {
    if (std::optional<report::DeviceGrid> grid = surface.Grid()) return *grid;
    return {2970, 2100, 0, 0, 10, 10};
}

ListPageGeometry LayoutListPages(const report::DeviceGrid& grid, const std::vector<int>& widths, int rowHeight,
                                 std::size_t rowCount) {
    ListPageGeometry page;
    page.uy = (grid.height + 2.0 * grid.offsetY) / 28.215;
    page.ux = (grid.width + 2.0 * grid.offsetX) / 21.0;
    const std::size_t n = widths.size();
    page.x.assign(n + 1, 0);
    page.x[0] = Near(1.5 * page.ux);
    page.x[n] = grid.width - Near(1.5 * page.ux);
    const int available = page.x[n] - page.x[0];
    double sum = 0;
    for (int width : widths) sum += std::max(0, width);
    for (std::size_t i = 0; i < n; ++i) {
        // Columns the user closed to nothing all at once would leave no shares: share alike then.
        const double share = sum > 0 ? std::max(0, widths[i]) / sum : 1.0 / static_cast<double>(n);
        page.x[i + 1] = page.x[i] + Near(share * available);
    }
    page.top = Near(2.5 * page.uy);
    page.rowHeight = std::max(1, rowHeight);
    // A page too small for one row still takes one, so the printout ends.
    page.perPage = std::max(1, Near((grid.height - 5 * page.uy) / page.rowHeight));
    const std::size_t perPage = static_cast<std::size_t>(page.perPage);
    page.pages = std::max<int>(1, static_cast<int>((rowCount + perPage - 1) / perPage));
    return page;
}

ListPageGeometry ListPrintout::Layout(report::Surface& surface) const {
    const report::DeviceGrid grid = ListPrintGrid(surface);
    const int height = static_cast<int>(std::lround(surface.LineHeight(ListFont(10)) * grid.pixelsPerMmY));
    return LayoutListPages(grid, list_.widths, height, list_.rows.size());
}

int ListPrintout::PageCount(report::Surface& measure) const {
    return Layout(measure).pages;
}

void ListPrintout::DrawPage(report::Surface& surface, int index) const {
    const std::size_t rowCount = list_.rows.size();
    const std::size_t n = list_.widths.size();
    if (rowCount == 0 || n == 0) return;
    const ListPageGeometry page = Layout(surface);
    const report::DeviceGrid grid = ListPrintGrid(surface);
    const PixelMap map{grid};
    const std::size_t first = static_cast<std::size_t>(index) * static_cast<std::size_t>(page.perPage);
    if (index < 0 || first >= rowCount) return;
    const std::size_t end = std::min(rowCount, first + static_cast<std::size_t>(page.perPage));
    const std::vector<int>& x = page.x;
    const int top = page.top;
    const int h = page.rowHeight;
    const int inset = Near(0.1 * page.ux);
    const int lift = Near(0.1 * page.uy);

    // The frame: inner rules, down to one row below the last row on the last page.
    const bool lastPage = index + 1 == page.pages;
    const int rulesBottom =
        lastPage ? top + (static_cast<int>(rowCount - first) + 2) * h : top + (page.perPage + 1) * h;
    for (std::size_t i = 1; i < n; ++i) surface.Line(map.X(x[i]), map.Y(top), map.X(x[i]), map.Y(rulesBottom));

    // The header, each caption centred over its column and clipped to it.
    const report::Font bold = ListFont(10, true);
    for (std::size_t i = 0; i < n; ++i) {
        const std::string caption = i < list_.captions.size() ? list_.captions[i] : std::string();
        const int captionWidth = WidthPx(surface, grid, bold, caption);
        const int captionX = x[i] + (x[i + 1] - x[i]) / 2 - captionWidth / 2;
        surface.Text(bold, map.X(captionX), map.Y(top - lift), caption,
                     map.Rect(x[i] + inset, top - lift, x[i + 1] - inset, top + h - lift));
    }
    const int ruleY = top + h - Near(0.05 * page.uy);
    surface.Line(map.X(x[0] - inset), map.Y(ruleY), map.X(x[n] + inset), map.Y(ruleY));

    // The date line at the right margin, then the title: at the left when it clears the date line
    // centred, else centred.
    const report::Font small = ListFont(8);
    const std::string dateLine =
        "Date: " + list_.date + " Page: " + std::to_string(index + 1) + " / " + std::to_string(page.pages);
    const int dateWidth = WidthPx(surface, grid, small, dateLine);
    const int dateX = grid.width - Near(1.5 * page.ux) - 2 * (dateWidth / 2);
    surface.Text(small, map.X(dateX), map.Y(Near(0.5 * page.uy)), dateLine, map.Paper());
    const report::Font large = ListFont(18);
    const int titleWidth = WidthPx(surface, grid, large, list_.title);
    const int titleX = dateX >= (titleWidth + grid.width) / 2 + Near(0.75 * page.ux) ? Near(3 * page.ux)
                                                                                     : (grid.width - titleWidth) / 2;
    surface.Text(large, map.X(titleX), map.Y(Near(1.0 * page.uy)), list_.title, map.Paper());

    // The rows, one text height apart below the header.
    const report::Font regular = ListFont(10);
    int row = 1;
    for (std::size_t k = first; k < end; ++k, ++row) {
        const int rowTop = top + row * h;
        const ListRow& cells = list_.rows[k];
        for (std::size_t c = 0; c < n; ++c) {
            if (c >= cells.size() || cells[c].empty()) continue;
            surface.Text(regular, map.X(x[c] + inset), map.Y(rowTop), cells[c],
                         map.Rect(x[c] + inset, rowTop, x[c + 1] - inset, rowTop + h));
        }
    }
}

}  // namespace orvane
