#pragma once
// The inventory windows' controls as layout tables: a report list filling the window above a status
// bar that shows the list's count.

#include "ui/layout.h"

namespace orvane {

inline constexpr const char* kInventoryListName = "ListView1";
inline constexpr const char* kInventoryStatusName = "StatusBar1";
// The hidden top-level menu the installed-applications list opens on a right-click.
inline constexpr const char* kUninstallPopupCaption = "PopupMenu1";

ui::Layout BuildDeviceWindowLayout();
ui::WindowLayout DeviceWindowLayout();
ui::Layout BuildUninstallWindowLayout();
ui::WindowLayout UninstallWindowLayout();
ui::Layout BuildStartupWindowLayout();
ui::WindowLayout StartupWindowLayout();

// A report list over a status bar of one panel; shared by the three windows.
ui::Layout ListOverStatusBar(std::vector<ui::ColumnSpec> columns, int panelWidth, const std::string& popupMenu = {});

}  // namespace orvane
