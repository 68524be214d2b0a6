#include "app/window_layouts.h"

#include "app/main_window_layout.h"
#include "screens/cpu/cpu_window_layout.h"
#include "screens/memory/memory_window_layout.h"
#include "screens/personal/personal_model.h"
#include "screens/personal/personal_window_layout.h"
#include "screens/display/display_window_layout.h"
#include "screens/drive/drive_window_layout.h"
#include "screens/about/about_box_layout.h"
#include "screens/help/help_window_layout.h"
#include "screens/preview/print_preview_layout.h"
#include "screens/devices/device_window_layout.h"
#include "screens/uninstall/uninstall_window_layout.h"
#include "screens/startup/startup_window_layout.h"
#include "screens/sound/sound_window_layout.h"
#include "screens/machine/machine_window_layout.h"

namespace orvane {

std::vector<ui::WindowLayout> AllWindowLayouts(const char* webSite) {
    std::vector<ui::WindowLayout> windows;
    windows.push_back(MainWindowLayout(webSite));
    windows.push_back({"TAboutBox", 298, 226, BuildAboutBoxLayout(webSite), {}});
    windows.push_back({"TfrmHelp", 499, 400, BuildHelpWindowLayout(webSite), {}});
    windows.push_back({"TQRPreview",
                       ui::ClientWidthOfOuter(720, true),
                       ui::ClientHeightOfOuter(760, true, false),
                       BuildPrintPreviewLayout(),
                       {"Page"}});
    ui::WindowLayout personal{"TfrmPersonal",
                              ui::ClientWidthOfOuter(605, false),
                              ui::ClientHeightOfOuter(375, false, true),
                              BuildPersonalWindowLayout(webSite),
                              {kAdministratorValueName}};
    for (const PersonalRowSpec& row : kPersonalRefreshRows) personal.written.push_back(row.valueName);
    windows.push_back(personal);
    windows.push_back(MemoryWindowLayout(webSite));
    windows.push_back(CpuWindowLayout(webSite));
    windows.push_back(DisplayWindowLayout(webSite));
    windows.push_back(DriveWindowLayout(webSite));
    windows.push_back(DeviceWindowLayout());
    windows.push_back(UninstallWindowLayout());
    windows.push_back(StartupWindowLayout());
    windows.push_back(SoundWindowLayout(webSite));
    windows.push_back(MachineWindowLayout());
    return windows;
}

}  // namespace orvane
