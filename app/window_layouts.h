#pragma once
// The list of every window's layout that the layout checks walk.

#include <vector>

#include "ui/layout.h"

namespace orvane {

// Every window that has controls, with its client area and the controls its code writes.
std::vector<ui::WindowLayout> AllWindowLayouts(const char* webSite);

}  // namespace orvane
