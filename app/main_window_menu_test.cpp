#include "app/main_window_menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launcher/launcher.h"

namespace orvane {
namespace {

// One line per item: name, caption, shortcut, and "check" or "hidden" where the item is one; "-" a separator.
struct MenuCase {
    const char* caption;
    bool visible;
    std::vector<std::string> items;
};

std::string Describe(const ui::MenuItem& item) {
    if (item.caption == "-") return "-";
    std::string line = item.name + " | " + item.caption + " | " + ui::ShortcutText(item.shortcut);
    if (item.checkItem) line += " | check";
    if (!item.visible) line += " | hidden";
    return line;
}

const std::vector<MenuCase> kMainMenus = {
    {"&File", true, {"Save1 | Save | F2", "ExporttoHTML1 | Export to HTML | ",
                     "ExportFullReport1 | Export Full Report... | ", "-", "Print1 | Print | Ctrl+P",
                     "QuickPrint1 | Quick Print | ", "-", "Exit1 | Exit | F12"}},
    {"&Edit", true, {"CopytoClipboard1 | Copy to Clipboard | Ctrl+C"}},
    {"&View", true, {"Refresh1 | System Info | F5", "PersonalInfo1 | Personal Info | F6",
                     "MemoryInfo1 | Memory Info | F7", "DisplayInfo1 | Display Info | F8",
                     "DiskInfo1 | Disk Info | F9", "Uninstallers1 | App Info | F10", "CPUInfo1 | CPU Info | F11",
                     "Sound1 | Sound | ", "Startup1 | Startup | ", "MachineInfo1 | Machine Info | F4", "-",
                     "ransparentBackground1 | Transparent Background | Ctrl+T | check", "-",
                     "ScrollDown1 | Scroll Down | Ctrl+D", "ScrollUp1 | Scroll Up | Ctrl+U"}},
    {"&System", true, {"Run1 | Run | ", "Explorer1 | Explorer | ", "-", "FindFiles1 | Find Files | ",
                       "FindComputer1 | Find Computer | ", "-", "MinimizeAll1 | Minimize All | ",
                       "rayProperties1 | Tray Properties | ", "ControlPanel2 | Control Panel |  | hidden",
                       "HideTaskbar1 | Hide Taskbar |  | check", "-", "ShutdownWindows1 | Shutdown System | ", "-",
                       "askManager1 | Task Manager | ", "-", "VolumeControl1 | Volume Control | "}},
    {"&Control Panel", true, {"Accessibility1 | Accessibility | ", "AddRemovePrograms1 | Add/Remove Programs | ",
                              "Display1 | Display | ", "Desktop1 | Desktop | ", "Internet1 | Internet | ",
                              "Regional1 | Regional | ", "Joystick1 | Joystick | ", "Mouse1 | Mouse | ",
                              "Multimedia1 | Multimedia | ", "Modems1 | Modems | ", "Network1 | Network | ",
                              "ODBC1 | ODBC | ", "Password1 | Password | ", "Printers1 | Printers | ",
                              "System2 | System | ", "heme1 | Theme | ", "imeDate1 | Time/Date | ",
                              "Workgroup1 | Workgroup | "}},
    {"Programs", true, {"SystemFileChecker1 | System File Checker | ", "Scandisk1 | Scandisk | ",
                        "Defrag1 | Defrag | ", "SysEdit1 | Sys Edit | ",
                        "FileSignatureVerification1 | File Signature Verification | ",
                        "DeviceManager1 | Device Manager | ", "Dxdiag1 | Dxdiag | ",
                        "OnScreenKeyboard1 | On Screen Keyboard | "}},
    {"Hardware", true, {"StandbyMonitor1 | Standby Monitor | ", "SwitchOffMonitor1 | Switch Off Monitor | ", "-",
                        "EjectCD1 | Eject CD | ", "LoadCD1 | Load CD | ", "-",
                        "MuteSpeakers1 | Mute Speakers |  | check", "MuteMicrophone1 | Mute Microphone |  | check"}},
    {"Language", false, {"English1 | English | ", "Spanish1 | Spanish | "}},
    {"&Help", true, {"UsingOrvane1 | Using Orvane | ", "Orvanewebpage1 | Orvane - Webpage | ", "-",
                     "About1 | About | "}},
    {"Output", false, {"Save2 | Save | ", "InfotoClipboard1 | Info to Clipboard | ", "Print2 | Print | ",
                       "ExporttoHTML2 | Export to HTML | "}},
};

TEST(MainMenu, TheBarHoldsEveryMenuAndItemInOrderWithItsCaptionShortcutAndMark) {
    const ui::MenuBar bar = BuildMainMenuBar({});
    ASSERT_EQ(bar.size(), kMainMenus.size());
    for (std::size_t m = 0; m < bar.size(); ++m) {
        SCOPED_TRACE(kMainMenus[m].caption);
        EXPECT_EQ(bar[m].caption, kMainMenus[m].caption);
        EXPECT_EQ(bar[m].visible, kMainMenus[m].visible);
        std::vector<std::string> items;
        for (const ui::MenuItem& item : bar[m].items) items.push_back(Describe(item));
        EXPECT_EQ(items, kMainMenus[m].items);
    }
}

TEST(MainMenu, LauncherItemsStartTheirToolAndAskWhetherItIsThereTheOthersRunTheWindowsHandler) {
    std::vector<std::string> launched, asked, run;
    const ui::MenuBar bar = BuildMainMenuBar(
        {.command = [&run](std::string_view name) { return [&run, n = std::string(name)] { run.push_back(n); }; },
         .launch = [&launched](std::string_view name) { launched.emplace_back(name); },
         .available =
             [&asked](std::string_view name) {
                 asked.emplace_back(name);
                 return false;
             }});
    std::vector<std::string> launcherItems;
    for (const ui::MenuItem& menu : bar) {
        for (const ui::MenuItem& item : menu.items) {
            if (item.caption == "-") continue;
            const bool launches = LauncherKindOf(item.name).has_value() && LauncherKindOf(item.name) != LaunchKind::Direct;
            SCOPED_TRACE(item.name);
            ASSERT_TRUE(item.onClick);
            launched.clear();
            run.clear();
            item.onClick();
            if (launches) {
                launcherItems.push_back(item.name);
                EXPECT_EQ(launched, std::vector<std::string>{item.name});
                EXPECT_TRUE(run.empty());
                ASSERT_TRUE(item.available);
                EXPECT_FALSE(item.available());
                EXPECT_EQ(asked.back(), item.name);
            } else {
                EXPECT_EQ(run, std::vector<std::string>{item.name});
                EXPECT_TRUE(launched.empty());
                EXPECT_FALSE(item.available);
            }
        }
    }
    // Every launch item of the launcher's table is on the menu bar, once.
    std::vector<std::string> table;
    for (const LauncherItem& item : LauncherItems()) {
        if (item.kind != LaunchKind::Direct) table.emplace_back(item.name);
    }
    EXPECT_EQ(launcherItems, table);
}

}  // namespace
}  // namespace orvane
