#include "screens/preview/print_preview_layout.h"

namespace orvane {

ui::Layout BuildPrintPreviewLayout() {
    using ui::ControlKind;
    const int pageWidth = static_cast<int>(210 * kPreviewPixelsPerMm);
    const int pageHeight = static_cast<int>(297 * kPreviewPixelsPerMm);
    return {
        {.name = "ToolPanel",
         .kind = ControlKind::Panel,
         .rect = {0, 0, 0, kPreviewToolStripHeight},
         .align = ui::Align::Top},
        {.name = "PrintButton",
         .kind = ControlKind::DefaultButton,
         .caption = "Print",
         .rect = {8, 8, 80, 25},
         .parent = "ToolPanel"},
        {.name = "CloseButton",
         .kind = ControlKind::Button,
         .caption = "Close",
         .rect = {96, 8, 80, 25},
         .parent = "ToolPanel"},
        {.name = "Desk", .kind = ControlKind::ScrollBox, .align = ui::Align::Client},
        {.name = "Page",
         .kind = ControlKind::PaintBox,
         .rect = {kPreviewDeskMargin, kPreviewDeskMargin, pageWidth, pageHeight},
         .parent = "Desk"},
        // Keeps a margin below the page inside the desk's scroll range.
        {.name = "DeskEdge",
         .kind = ControlKind::Label,
         .rect = {kPreviewDeskMargin, kPreviewDeskMargin + pageHeight, 1, kPreviewDeskMargin},
         .parent = "Desk"},
    };
}

}  // namespace orvane
