#include "screens/personal/personal_window_layout.h"

#include "screens/personal/personal_model.h"

namespace orvane {

ui::Layout BuildPersonalWindowLayout(const char* webSite) {
    ui::Layout layout;
    layout.push_back({.name = kPersonalAreaName, .kind = ui::ControlKind::ScrollBox, .align = ui::Align::Client});
    ui::AddItemDetailsHeadings(layout, kPersonalAreaName, 16);
    // The rows the summary refresh fills, in its order, then this window's own line.
    std::vector<ui::RowSpec> rows;
    for (const PersonalRowSpec& row : kPersonalRefreshRows) rows.push_back({row.labelName, row.label, row.valueName});
    rows.push_back({kAdministratorLabelName, "Administrator", kAdministratorValueName});
    ui::AddRows(layout, kPersonalAreaName, {8, 130, 152, 400, 22}, 48, rows);
    layout.push_back({.name = kPersonalLinkName,
                      .kind = ui::ControlKind::Link,
                      .caption = webSite,
                      .rect = {8, 297, 0, 0},
                      .parent = kPersonalAreaName});
    return layout;
}

}  // namespace orvane
