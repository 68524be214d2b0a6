#include "screens/machine/machine_window_layout.h"

namespace orvane {

ui::Layout BuildMachineWindowLayout() {
    ui::Layout layout;
    layout.push_back({.name = kMachineListName,
                      .kind = ui::ControlKind::ListView,
                      .align = ui::Align::Client,
                      .columns = {{"Item", 190}, {"Details", 330}}});
    return layout;
}

ui::WindowLayout MachineWindowLayout() {
    return {"TfrmMachine",
            ui::ClientWidthOfOuter(560, true),
            ui::ClientHeightOfOuter(520, true, true),
            BuildMachineWindowLayout(),
            {kMachineListName}};
}

}  // namespace orvane
