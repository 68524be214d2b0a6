#pragma once
// The Machine Info window's controls as a layout table: one report list of items and their details,
// grouped by section, filling the window.

#include "ui/layout.h"

namespace orvane {

inline constexpr const char* kMachineListName = "ListView1";

ui::Layout BuildMachineWindowLayout();
ui::WindowLayout MachineWindowLayout();

}  // namespace orvane
