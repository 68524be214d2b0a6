#include "screens/display/display_window_layout.h"

#include <iterator>

#include "screens/display/display_model.h"

namespace orvane {

namespace {

constexpr ui::RowGeometry kGeometry{8, 130, 152, 300, 22};
constexpr int kFirstRowY = 48;

}  // namespace

ui::Layout BuildDisplayWindowLayout(const char* webSite) {
    using ui::ControlKind;
    ui::Layout layout;
    layout.push_back({.name = kDisplayAreaName, .kind = ControlKind::ScrollBox, .align = ui::Align::Client});
    ui::AddItemDetailsHeadings(layout, kDisplayAreaName, 16, kGeometry.valueX);
    // The first row's value is the adapter list, which also takes a text of the user's own.
    const RowSpec& adapters = kDisplayRows[0];
    layout.push_back({.name = adapters.labelName,
                      .kind = ControlKind::LabelEdit,
                      .caption = adapters.caption,
                      .rect = {kGeometry.labelX, kFirstRowY, kGeometry.labelWidth, kGeometry.height},
                      .parent = kDisplayAreaName});
    layout.push_back({.name = adapters.valueName,
                      .kind = ControlKind::DropDown,
                      .rect = {kGeometry.valueX, kFirstRowY, kGeometry.valueWidth, kGeometry.height},
                      .parent = kDisplayAreaName,
                      .background = ui::kInfoTipBackground});
    std::vector<ui::RowSpec> rows;
    for (auto row = std::next(std::begin(kDisplayRows)); row != std::end(kDisplayRows); ++row) {
        rows.push_back({row->labelName, row->caption, row->valueName});
    }
    const int below = ui::AddRows(layout, kDisplayAreaName, kGeometry, kFirstRowY + ui::kRowPitch, rows);
    layout.push_back({.name = kDisplayLinkName,
                      .kind = ControlKind::Link,
                      .caption = webSite,
                      .rect = {kGeometry.labelX, below + 8, 0, 0},
                      .parent = kDisplayAreaName});
    return layout;
}

ui::WindowLayout DisplayWindowLayout(const char* webSite) {
    ui::WindowLayout window{
        "TfrmDisplay", kDisplayClientWidth, kDisplayClientHeight, BuildDisplayWindowLayout(webSite), {}};
    for (const RowSpec& row : kDisplayRows) window.written.push_back(row.valueName);
    return window;
}

}  // namespace orvane
