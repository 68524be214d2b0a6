#pragma once
// The layout tables of the windows that have no header of their own for them, and the list of every
// window's layout that the layout checks walk.

#include <vector>

#include "ui/layout.h"

namespace orvane {

ui::Layout BuildAboutBoxLayout(const char* webSite);
ui::Layout BuildHelpWindowLayout(const char* webSite);

inline constexpr int kPreviewToolStripHeight = 40;
// The page is shown at 3 pixels (96 DPI) to the millimetre, on a grey desk.
inline constexpr double kPreviewPixelsPerMm = 3.0;
inline constexpr int kPreviewDeskMargin = 12;
ui::Layout BuildPrintPreviewLayout();

// Every window that has controls, with its client area and the controls its code writes.
std::vector<ui::WindowLayout> AllWindowLayouts(const char* webSite);

}  // namespace orvane
