#include "app/main_window_layout.h"

#include "app/summary.h"

namespace orvane {

ui::Layout BuildMainWindowLayout(const char* webSite) {
    ui::Layout layout;
    layout.push_back({kSummaryAreaName, ui::ControlKind::ScrollBox, "", {}, "", std::nullopt});
    ui::AddItemDetailsHeadings(layout, kSummaryAreaName, 16);
    const ui::RowGeometry geometry{8, 130, 152, kSummaryValueWidth, 22};
    for (int row = 1; row <= kSummaryRowCount; ++row) {
        ui::AddRow(layout, kSummaryAreaName, geometry, SummaryRowTop(row), SummaryLabelName(row),
                   kSummaryRows[row - 1].label, SummaryValueName(row));
    }
    layout.push_back({kMainLinkName, ui::ControlKind::Link, webSite, {8, 976, 0, 0}, kSummaryAreaName, std::nullopt});
    return layout;
}

}  // namespace orvane
