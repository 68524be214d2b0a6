#pragma once
// The uninstall window's controls as a layout table: a report list over a status bar.

#include "screens/lists/inventory_window_layouts.h"

namespace orvane {

ui::Layout BuildUninstallWindowLayout();
ui::WindowLayout UninstallWindowLayout();

}  // namespace orvane
