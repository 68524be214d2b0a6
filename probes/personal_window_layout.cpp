#include "probes/personal_window_layout.h"

#include "app/summary.h"

namespace orvane {

ui::Layout BuildPersonalWindowLayout(const char* webSite) {
    ui::Layout layout;
    layout.push_back({kPersonalAreaName, ui::ControlKind::ScrollBox, "", {}, "", std::nullopt});
    ui::AddItemDetailsHeadings(layout, kPersonalAreaName, 16);
    const ui::RowGeometry geometry{8, 130, 152, 400, 22};
    // The rows the summary refresh fills, in its order, then this window's own line; 32 pixels apart.
    int y = 48;
    for (const PersonalRowSpec& row : kPersonalRefreshRows) {
        ui::AddRow(layout, kPersonalAreaName, geometry, y, row.labelName, row.label, row.valueName);
        y += 32;
    }
    ui::AddRow(layout, kPersonalAreaName, geometry, y, kAdministratorLabelName, "Administrator",
               kAdministratorValueName);
    layout.push_back({
        kPersonalLinkName, ui::ControlKind::Link, webSite, {8, 297, 0, 0},
           kPersonalAreaName, std::nullopt
    });
    return layout;
}

}  // namespace orvane
