#pragma once
// The startup window's controls as a layout table: a report list over a status bar.

#include "screens/lists/inventory_window_layouts.h"

namespace orvane {

ui::Layout BuildStartupWindowLayout();
ui::WindowLayout StartupWindowLayout();

}  // namespace orvane
