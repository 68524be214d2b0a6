#include "screens/memory/memory_window_layout.h"

namespace orvane {

ui::Layout BuildMemoryWindowLayout(const char* webSite) {
    using ui::ControlKind;
    ui::Layout layout;
    layout.push_back({.name = kMemoryAreaName, .kind = ControlKind::ScrollBox, .align = ui::Align::Client});
    ui::AddItemDetailsHeadings(layout, kMemoryAreaName, 16);
    // The memory counts: narrow labels, wide values.
    ui::AddRows(layout, kMemoryAreaName, {8, 130, 152, 300, 22}, 48,
                {{"Desc1", "Physical Total", "Info1"},
                 {"Desc2", "Physical Free", "Info2"},
                 {"Desc3", "Page File Total", "Info3"},
                 {"Desc4", "Page File Free", "Info4"},
                 {"Desc6", "Virtual Total", "Info5"},
                 {"Desc21", "Virtual Free", "Info6"}});
    // The load, as a gauge, then the layout figures: wide labels, narrower values.
    const ui::RowGeometry wide{8, 193, 214, 237, 22};
    layout.push_back({.name = "Edit1",
                      .kind = ControlKind::LabelEdit,
                      .caption = "Memory Utilization",
                      .rect = {wide.labelX, 248, wide.labelWidth, wide.height},
                      .parent = kMemoryAreaName});
    layout.push_back({.name = kMemoryGaugeName,
                      .kind = ControlKind::BarGauge,
                      .rect = {wide.valueX, 248, 238, 22},
                      .parent = kMemoryAreaName});
    ui::AddRows(layout, kMemoryAreaName, wide, 288,
                {{"Edit3", "Allocation Granularity", "Info7"},
                 {"Edit5", "Application Address Range", "Info8"},
                 {"Edit6", "Page Size", "Info9"}});
    layout.push_back({.name = kMemoryLinkName,
                      .kind = ControlKind::Link,
                      .caption = webSite,
                      .rect = {8, 385, 0, 0},
                      .parent = kMemoryAreaName});
    return layout;
}

ui::WindowLayout MemoryWindowLayout(const char* webSite) {
    ui::WindowLayout window{
        "TfrmMemory", kMemoryClientWidth, kMemoryClientHeight, BuildMemoryWindowLayout(webSite), {}};
    window.written.assign(std::begin(kMemoryValueNames), std::end(kMemoryValueNames));
    window.written.push_back(kMemoryGaugeName);
    return window;
}

}  // namespace orvane
