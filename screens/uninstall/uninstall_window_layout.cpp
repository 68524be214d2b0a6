#include "screens/uninstall/uninstall_window_layout.h"

namespace orvane {

ui::Layout BuildUninstallWindowLayout() {
    return ListOverStatusBar({{"Name", 200},
                              {"Version", 60},
                              {"Help Link", 160},
                              {"Help Telephone", 120},
                              {"Install Location", 150},
                              {"Install Source", 150},
                              {"Publisher", 150},
                              {"Readme", 150},
                              {"Uninstall", 350}},
                             150, kUninstallPopupCaption);
}

ui::WindowLayout UninstallWindowLayout() {
    return {"TfrmUnistall",
            ui::ClientWidthOfOuter(624, true),
            ui::ClientHeightOfOuter(472, true, true),
            BuildUninstallWindowLayout(),
            {kInventoryListName, kInventoryStatusName}};
}

}  // namespace orvane
