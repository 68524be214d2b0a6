#pragma once
// The print preview's controls as a layout table, and the measures its page is drawn with.

#include "ui/layout.h"

namespace orvane {

inline constexpr int kPreviewToolStripHeight = 40;
// The page is shown at 3 pixels (96 DPI) to the millimetre, on a grey desk.
inline constexpr double kPreviewPixelsPerMm = 3.0;
inline constexpr int kPreviewDeskMargin = 12;
ui::Layout BuildPrintPreviewLayout();

}  // namespace orvane
