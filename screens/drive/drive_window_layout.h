#pragma once
// TfrmDisk's controls as a layout table.

#include "ui/layout.h"

namespace orvane {

inline constexpr const char* kDriveAreaName = "ScrollBox1";
inline constexpr const char* kDriveLinkName = "Label3";
// The window is designed by its outer size, with a sizing frame and a menu.
inline constexpr int kDriveOuterWidth = 506;
inline constexpr int kDriveOuterHeight = 642;

ui::Layout BuildDriveWindowLayout(const char* webSite);
ui::WindowLayout DriveWindowLayout(const char* webSite);

}  // namespace orvane
