#include "ui/layout.h"

namespace orvane::ui {

FontSpec DefaultFont(ControlKind kind) {
    switch (kind) {
        case ControlKind::LabelEdit:
            return {"MS Sans Serif", 13, true, false, false};
        case ControlKind::Heading:
            return {"Arial Narrow", 21, true, true, false};
        case ControlKind::Link:
        case ControlKind::StaticLink:
            return {"Arial", 16, true, false, true};
        case ControlKind::Label:
        case ControlKind::Button:
        case ControlKind::DefaultButton:
            // The windows' own font: MS Sans Serif 8 points.
            return {"MS Sans Serif", 11, false, false, false};
        default:
            return {"MS Sans Serif", 13, false, false, false};
    }
}

void AddRow(Layout& layout, const std::string& parent, const RowGeometry& geometry, int y,
            const std::string& labelName, const std::string& labelText, const std::string& valueName) {
    layout.push_back({labelName, ControlKind::LabelEdit, labelText,
                      {geometry.labelX, y, geometry.labelWidth, geometry.height}, parent, std::nullopt});
    layout.push_back({valueName, ControlKind::ValueEdit, "",
                      {geometry.valueX, y, geometry.valueWidth, geometry.height}, parent, std::nullopt});
}

void AddItemDetailsHeadings(Layout& layout, const std::string& parent, int y) {
    layout.push_back({"lblItem", ControlKind::Heading, "Item", {8, y, 0, 0}, parent, std::nullopt});
    layout.push_back({"lblDetails", ControlKind::Heading, "Details", {152, y, 0, 0}, parent, std::nullopt});
}

}  // namespace orvane::ui
