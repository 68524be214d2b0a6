#pragma once
// The main window's summary area as a layout table.

#include "ui/layout.h"

namespace orvane {

inline constexpr const char* kSummaryAreaName = "ScrollBox1";
inline constexpr const char* kMainLinkName = "Label3";
inline constexpr int kSummaryValueWidth = 440;
// The value controls follow the window: this much narrower than its outer width.
inline constexpr int kValueWidthMargin = 200;

// Row n's top within the summary area.
constexpr int SummaryRowTop(int row) { return 48 + 32 * (row - 1); }

ui::Layout BuildMainWindowLayout(const char* webSite);

}  // namespace orvane
