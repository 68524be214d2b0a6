#include "ui/layout.h"

#include <algorithm>

namespace orvane::ui {

namespace {

// A standard window at 96 DPI: the sizing frame (border plus padding) on each side, the plain
// frame of a fixed window, the caption and a one-line menu bar.
constexpr int kSizingFrame = 8;
constexpr int kFixedFrame = 3;
constexpr int kCaption = 23;
constexpr int kMenuBar = 20;

}  // namespace

int ClientWidthOfOuter(int outerWidth, bool sizeable) {
    return outerWidth - 2 * (sizeable ? kSizingFrame : kFixedFrame);
}

int ClientHeightOfOuter(int outerHeight, bool sizeable, bool hasMenu) {
    return outerHeight - 2 * (sizeable ? kSizingFrame : kFixedFrame) - kCaption - (hasMenu ? kMenuBar : 0);
}

void AddRow(Layout& layout, const std::string& parent, const RowGeometry& geometry, int y, const std::string& labelName,
            const std::string& labelText, const std::string& valueName) {
    layout.push_back({.name = labelName,
                      .kind = ControlKind::LabelEdit,
                      .caption = labelText,
                      .rect = {geometry.labelX, y, geometry.labelWidth, geometry.height},
                      .parent = parent});
    layout.push_back({.name = valueName,
                      .kind = ControlKind::ValueEdit,
                      .rect = {geometry.valueX, y, geometry.valueWidth, geometry.height},
                      .parent = parent});
}

int AddRows(Layout& layout, const std::string& parent, const RowGeometry& geometry, int firstY,
            const std::vector<RowSpec>& rows) {
    int y = firstY;
    for (const RowSpec& row : rows) {
        AddRow(layout, parent, geometry, y, row.labelName, row.label, row.valueName);
        y += kRowPitch;
    }
    return y;
}

void AddItemDetailsHeadings(Layout& layout, const std::string& parent, int y, int detailsX) {
    layout.push_back(
        {.name = "lblItem", .kind = ControlKind::Heading, .caption = "Item", .rect = {8, y, 0, 0}, .parent = parent});
    layout.push_back({.name = "lblDetails",
                      .kind = ControlKind::Heading,
                      .caption = "Details",
                      .rect = {detailsX, y, 0, 0},
                      .parent = parent});
}

int TakeWheelPages(int& remainder, int delta) {
    constexpr int kNotch = 120;  // WHEEL_DELTA
    if ((remainder > 0 && delta < 0) || (remainder < 0 && delta > 0)) remainder = 0;
    remainder += delta;
    const int pages = remainder / kNotch;
    remainder -= pages * kNotch;
    return pages;
}

std::vector<Rect> ArrangeAligned(const Layout& layout, int clientWidth, int clientHeight,
                                 const std::function<int(int)>& scale) {
    auto scaled = [&](int value) { return scale ? scale(value) : value; };
    std::vector<Rect> rects;
    rects.reserve(layout.size());
    for (const ControlSpec& control : layout) {
        rects.push_back(
            {scaled(control.rect.x), scaled(control.rect.y), scaled(control.rect.width), scaled(control.rect.height)});
    }
    int top = 0;
    int bottom = clientHeight;
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const ControlSpec& control = layout[i];
        if (!control.parent.empty()) continue;
        if (control.align == Align::Top) {
            const int height = std::min(rects[i].height, std::max(0, bottom - top));
            rects[i] = {0, top, clientWidth, height};
            top += height;
        } else if (control.align == Align::Bottom) {
            const int height = std::min(rects[i].height, std::max(0, bottom - top));
            bottom -= height;
            rects[i] = {0, bottom, clientWidth, height};
        }
    }
    for (std::size_t i = 0; i < layout.size(); ++i) {
        if (layout[i].parent.empty() && layout[i].align == Align::Client) {
            rects[i] = {0, top, clientWidth, std::max(0, bottom - top)};
        }
    }
    return rects;
}

}  // namespace orvane::ui
