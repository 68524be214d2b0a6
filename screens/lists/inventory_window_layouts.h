#pragma once
// What the inventory windows' layouts share: a report list filling the window above a status bar that
// shows the list's count.

#include "ui/layout.h"

namespace orvane {

inline constexpr const char* kInventoryListName = "ListView1";
inline constexpr const char* kInventoryStatusName = "StatusBar1";
// The hidden top-level menu the installed-applications list opens on a right-click.
inline constexpr const char* kUninstallPopupCaption = "PopupMenu1";

// A report list over a status bar of one panel; shared by the three windows.
ui::Layout ListOverStatusBar(std::vector<ui::ColumnSpec> columns, int panelWidth, const std::string& popupMenu = {});

}  // namespace orvane
