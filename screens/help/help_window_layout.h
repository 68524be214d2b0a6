#pragma once
// The Help window's controls as a layout table.

#include "ui/layout.h"

namespace orvane {

ui::Layout BuildHelpWindowLayout(const char* webSite);

}  // namespace orvane
