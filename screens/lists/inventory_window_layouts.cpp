#include "screens/lists/inventory_window_layouts.h"

namespace orvane {

ui::Layout ListOverStatusBar(std::vector<ui::ColumnSpec> columns, int panelWidth, const std::string& popupMenu) {
    ui::Layout layout;
    layout.push_back({.name = kInventoryStatusName,
                      .kind = ui::ControlKind::StatusBar,
                      .rect = {0, 0, 0, 19},
                      .align = ui::Align::Bottom,
                      .columns = {{"", panelWidth}}});
    layout.push_back({.name = kInventoryListName,
                      .kind = ui::ControlKind::ListView,
                      .align = ui::Align::Client,
                      .columns = std::move(columns),
                      .popupMenu = popupMenu});
    return layout;
}

}  // namespace orvane
