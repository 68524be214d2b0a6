#pragma once
// TfrmDisplay's controls as a layout table.

#include "ui/layout.h"

namespace orvane {

inline constexpr const char* kDisplayAreaName = "ScrollBox1";
inline constexpr const char* kDisplayLinkName = "Label3";
inline constexpr int kDisplayClientWidth = 497;
inline constexpr int kDisplayClientHeight = 489;

ui::Layout BuildDisplayWindowLayout(const char* webSite);
ui::WindowLayout DisplayWindowLayout(const char* webSite);

}  // namespace orvane
