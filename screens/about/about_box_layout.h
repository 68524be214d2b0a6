#pragma once
// The About box's controls as a layout table.

#include "ui/layout.h"

namespace orvane {

ui::Layout BuildAboutBoxLayout(const char* webSite);

}  // namespace orvane
