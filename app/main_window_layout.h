#pragma once
// The main window as a layout table: the tool-bar strip with its buttons, the summary area and the
// status bar.

#include "ui/layout.h"

namespace orvane {

inline constexpr const char* kSummaryAreaName = "ScrollBox1";
inline constexpr const char* kMainLinkName = "Label3";
inline constexpr const char* kStripName = "CoolBar1";
inline constexpr const char* kToolBarName = "ToolBar1";
inline constexpr const char* kStatusBarName = "StatusBar1";
// The hidden menu that the first tool button's arrow opens.
inline constexpr const char* kOutputMenuCaption = "Output";
inline constexpr int kSummaryValueWidth = 440;
inline constexpr int kStripHeight = 67;
// The value controls follow the window: this much narrower than its outer width.
inline constexpr int kValueWidthMargin = 200;

// Row n's top within the summary area.
constexpr int SummaryRowTop(int row) {
    return 48 + 32 * (row - 1);
}

ui::Layout BuildMainWindowLayout(const char* webSite);
ui::WindowLayout MainWindowLayout(const char* webSite);

}  // namespace orvane
