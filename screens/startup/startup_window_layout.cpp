#include "screens/startup/startup_window_layout.h"

namespace orvane {

ui::Layout BuildStartupWindowLayout() {
    // The fourth column tells entries the user disabled in Task Manager from those that run.
    return ListOverStatusBar({{"Location", 150}, {"Name", 150}, {"Path", 350}, {"Status", 70}}, 300);
}

ui::WindowLayout StartupWindowLayout() {
    return {"TfrmStartup",
            ui::ClientWidthOfOuter(674, true),
            ui::ClientHeightOfOuter(563, true, true),
            BuildStartupWindowLayout(),
            {kInventoryListName, kInventoryStatusName}};
}

}  // namespace orvane
