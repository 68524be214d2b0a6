#include "app/main_window_menu.h"

#include <utility>
#include <vector>

#include "app/main_window_layout.h"
#include "launcher/launcher.h"
#include "res/toolbar_pictures.h"

namespace orvane {

namespace {

using ui::Ctrl;
using ui::Key;
using ui::MenuItem;

class MenuBuilder {
public:
    explicit MenuBuilder(const MainMenuActions& actions) : actions_(actions) {}

    MenuItem Item(std::string_view name, std::string_view caption, ui::Shortcut shortcut = {}) const {
        return ui::Command(std::string(name), std::string(caption),
                           actions_.command ? actions_.command(name) : std::function<void()>(), shortcut);
    }
    MenuItem Check(const char* name, const char* caption, ui::Shortcut shortcut = {}) const {
        MenuItem item = Item(name, caption, shortcut);
        item.checkItem = true;
        return item;
    }
    // One menu's launcher items as the launcher's table lists them. A launch item's call is found on this
    // system each time its menu opens, and an item whose tool is missing is greyed; a direct item is the
    // window's own command.
    std::vector<MenuItem> Tools(LauncherMenu menu) const {
        std::vector<MenuItem> items;
        for (const LauncherItem& entry : LauncherItems()) {
            if (entry.menu != menu) continue;
            if (entry.marks & kAfterSeparator) items.push_back(MenuItem::Separator());
            MenuItem item = entry.kind == LaunchKind::Direct ? Item(entry.name, entry.caption) : Launch(entry);
            item.checkItem = (entry.marks & kCheckItem) != 0;
            item.visible = (entry.marks & kHiddenItem) == 0;
            items.push_back(std::move(item));
        }
        return items;
    }
    // An item of the first tool button's drop-down, with its picture.
    MenuItem Output(const char* name, const char* caption, res::MenuPicture picture) const {
        MenuItem item = Item(name, caption);
        item.picture = [picture](int pixels) { return res::Rasterise(res::OutputMenuPicture(picture), pixels); };
        return item;
    }

private:
    MenuItem Launch(const LauncherItem& entry) const {
        const std::string_view name = entry.name;
        MenuItem item = ui::Command(std::string(name), std::string(entry.caption), [launch = actions_.launch, name] {
            if (launch) launch(name);
        });
        item.available = [available = actions_.available, name] { return !available || available(name); };
        return item;
    }

    const MainMenuActions& actions_;
};

std::vector<MenuItem> Joined(std::vector<MenuItem> first, std::vector<MenuItem> second, std::vector<MenuItem> third) {
    for (std::vector<MenuItem>* part : {&second, &third}) {
        for (MenuItem& item : *part) first.push_back(std::move(item));
    }
    return first;
}

MenuItem Menu(const char* caption, std::vector<MenuItem> items, bool visible = true) {
    return ui::Submenu("", caption, std::move(items), visible);
}

}  // namespace

ui::MenuBar BuildMainMenuBar(const MainMenuActions& actions) {
    const MenuBuilder m(actions);
    const MenuItem separator = MenuItem::Separator();
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
                       m.Item("Startup1", "Startup"), m.Item("MachineInfo1", "Machine Info", Key(ui::kKeyF4)), separator,
                       m.Check("ransparentBackground1", "Transparent Background", Ctrl('T')), separator,
                       m.Item("ScrollDown1", "Scroll Down", Ctrl('D')), m.Item("ScrollUp1", "Scroll Up", Ctrl('U'))}),
        Menu("&System", m.Tools(LauncherMenu::System)),
        Menu("&Control Panel", m.Tools(LauncherMenu::ControlPanel)),
        Menu("Programs", m.Tools(LauncherMenu::Programs)),
        Menu("Hardware", m.Tools(LauncherMenu::Hardware)),
        Menu("Language", {m.Item("English1", "English"), m.Item("Spanish1", "Spanish")}, false),
        Menu("&Help", Joined({m.Item("UsingOrvane1", "Using Orvane")}, m.Tools(LauncherMenu::Help),
                             {separator, m.Item("About1", "About")})),
        Menu(kOutputMenuCaption,
             {m.Output("Save2", "Save", res::MenuPicture::Save),
              m.Output("InfotoClipboard1", "Info to Clipboard", res::MenuPicture::Clipboard),
              m.Output("Print2", "Print", res::MenuPicture::Print),
              m.Output("ExporttoHTML2", "Export to HTML", res::MenuPicture::Html)},
             false),
    };
}

}  // namespace orvane
