#include "app/main_window_menu.h"

#include <utility>
#include <vector>

#include "app/main_window_layout.h"
#include "res/toolbar_pictures.h"

namespace orvane {

namespace {

using ui::Ctrl;
using ui::Key;
using ui::MenuItem;

class MenuBuilder {
public:
    explicit MenuBuilder(const MainMenuActions& actions) : actions_(actions) {}

    MenuItem Item(const char* name, const char* caption, ui::Shortcut shortcut = {}) const {
        return ui::Command(name, caption, actions_.command ? actions_.command(name) : std::function<void()>(),
                           shortcut);
    }
    MenuItem Check(const char* name, const char* caption, ui::Shortcut shortcut = {}) const {
        MenuItem item = Item(name, caption, shortcut);
        item.checkItem = true;
        return item;
    }
    // The launcher's items: the call is found on this system each time the item's menu opens, and an
    // item whose tool is missing is greyed.
    MenuItem Launch(const char* name, const char* caption) const {
        MenuItem item = ui::Command(name, caption, [launch = actions_.launch, name] {
            if (launch) launch(name);
        });
        item.available = [available = actions_.available, name] { return !available || available(name); };
        return item;
    }
    // An item of the first tool button's drop-down, with its picture.
    MenuItem Output(const char* name, const char* caption, res::MenuPicture picture) const {
        MenuItem item = Item(name, caption);
        item.picture = [picture](int pixels) { return res::Rasterise(res::OutputMenuPicture(picture), pixels); };
        return item;
    }

private:
    const MainMenuActions& actions_;
};

MenuItem Menu(const char* caption, std::vector<MenuItem> items, bool visible = true) {
    return ui::Submenu("", caption, std::move(items), visible);
}

}  // namespace

ui::MenuBar BuildMainMenuBar(const MainMenuActions& actions) {
    const MenuBuilder m(actions);
    const MenuItem separator = MenuItem::Separator();
    MenuItem controlPanel = m.Launch("ControlPanel2", "Control Panel");
    controlPanel.visible = false;
    return {
        Menu("&File", {m.Item("Save1", "Save", Key(ui::kKeyF2)), m.Item("ExporttoHTML1", "Export to HTML"),
                       m.Item("ExportFullReport1", "Export Full Report..."), separator,
                       m.Item("Print1", "Print", Ctrl('P')), m.Item("QuickPrint1", "Quick Print"), separator,
                       m.Item("Exit1", "Exit", Key(ui::kKeyF12))}),
        Menu("&Edit", {m.Item("CopytoClipboard1", "Copy to Clipboard", Ctrl('C'))}),
        Menu("&View", {m.Item("Refresh1", "System Info", Key(ui::kKeyF5)),
                       m.Item("PersonalInfo1", "Personal Info", Key(ui::kKeyF6)),
                       m.Item("MemoryInfo1", "Memory Info", Key(ui::kKeyF7)),
                       m.Item("DisplayInfo1", "Display Info", Key(ui::kKeyF8)),
                       m.Item("DiskInfo1", "Disk Info", Key(ui::kKeyF9)),
                       m.Item("Uninstallers1", "App Info", Key(ui::kKeyF10)),
                       m.Item("CPUInfo1", "CPU Info", Key(ui::kKeyF11)), m.Item("Sound1", "Sound"),
                       m.Item("Startup1", "Startup"), separator,
                       m.Check("ransparentBackground1", "Transparent Background", Ctrl('T')), separator,
                       m.Item("ScrollDown1", "Scroll Down", Ctrl('D')), m.Item("ScrollUp1", "Scroll Up", Ctrl('U'))}),
        Menu("&System",
             {m.Launch("Run1", "Run"), m.Launch("Explorer1", "Explorer"), separator, m.Launch("FindFiles1", "Find Files"),
              m.Launch("FindComputer1", "Find Computer"), separator, m.Launch("MinimizeAll1", "Minimize All"),
              m.Launch("rayProperties1", "Tray Properties"), controlPanel, m.Check("HideTaskbar1", "Hide Taskbar"),
              separator, m.Launch("ShutdownWindows1", "Shutdown System"), separator,
              m.Launch("askManager1", "Task Manager"), separator, m.Launch("VolumeControl1", "Volume Control")}),
        Menu("&Control Panel",
             {m.Launch("Accessibility1", "Accessibility"), m.Launch("AddRemovePrograms1", "Add/Remove Programs"),
              m.Launch("Display1", "Display"), m.Launch("Desktop1", "Desktop"), m.Launch("Internet1", "Internet"),
              m.Launch("Regional1", "Regional"), m.Launch("Joystick1", "Joystick"), m.Launch("Mouse1", "Mouse"),
              m.Launch("Multimedia1", "Multimedia"), m.Launch("Modems1", "Modems"), m.Launch("Network1", "Network"),
              m.Launch("ODBC1", "ODBC"), m.Launch("Password1", "Password"), m.Launch("Printers1", "Printers"),
              m.Launch("System2", "System"), m.Launch("heme1", "Theme"), m.Launch("imeDate1", "Time/Date"),
              m.Launch("Workgroup1", "Workgroup")}),
        Menu("Programs", {m.Launch("SystemFileChecker1", "System File Checker"), m.Launch("Scandisk1", "Scandisk"),
                          m.Launch("Defrag1", "Defrag"), m.Launch("SysEdit1", "Sys Edit"),
                          m.Launch("FileSignatureVerification1", "File Signature Verification"),
                          m.Launch("DeviceManager1", "Device Manager"), m.Launch("Dxdiag1", "Dxdiag"),
                          m.Launch("OnScreenKeyboard1", "On Screen Keyboard")}),
        Menu("Hardware", {m.Item("StandbyMonitor1", "Standby Monitor"), m.Item("SwitchOffMonitor1", "Switch Off Monitor"),
                          separator, m.Item("EjectCD1", "Eject CD"), m.Item("LoadCD1", "Load CD"), separator,
                          m.Check("MuteSpeakers1", "Mute Speakers"), m.Check("MuteMicrophone1", "Mute Microphone")}),
        Menu("Language", {m.Item("English1", "English"), m.Item("Spanish1", "Spanish")}, false),
        Menu("&Help", {m.Item("UsingOrvane1", "Using Orvane"), m.Launch("Orvanewebpage1", "Orvane - Webpage"),
                       separator, m.Item("About1", "About")}),
        Menu(kOutputMenuCaption,
             {m.Output("Save2", "Save", res::MenuPicture::Save),
              m.Output("InfotoClipboard1", "Info to Clipboard", res::MenuPicture::Clipboard),
              m.Output("Print2", "Print", res::MenuPicture::Print),
              m.Output("ExporttoHTML2", "Export to HTML", res::MenuPicture::Html)},
             false),
    };
}

}  // namespace orvane
