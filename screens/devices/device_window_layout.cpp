#include "screens/devices/device_window_layout.h"

namespace orvane {

ui::Layout BuildDeviceWindowLayout() {
    return ListOverStatusBar({{"Driver", 200}, {"Provider", 150}, {"Version", 150}}, 150);
}

ui::WindowLayout DeviceWindowLayout() {
    return {"TfrmDevices",
            ui::ClientWidthOfOuter(526, true),
            ui::ClientHeightOfOuter(453, true, true),
            BuildDeviceWindowLayout(),
            {kInventoryListName, kInventoryStatusName}};
}

}  // namespace orvane
