#pragma once
// Menus declared as data, the same way windows declare their controls: caption, shortcut, handler and
// whether the item is a check item. The model numbers the items, runs their handlers and keeps the
// check marks; menu_win turns it into a real menu and accelerator table.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace orvane::ui {

struct Shortcut {
    std::uint16_t key = 0;  // virtual-key code; 0 for none
    bool control = false;
};

// Virtual-key codes used by the program's shortcuts.
inline constexpr std::uint16_t kKeyF2 = 0x71;
inline constexpr std::uint16_t kKeyF4 = 0x73;
inline constexpr std::uint16_t kKeyF5 = 0x74;
inline constexpr std::uint16_t kKeyF6 = 0x75;
inline constexpr std::uint16_t kKeyF7 = 0x76;
inline constexpr std::uint16_t kKeyF8 = 0x77;
inline constexpr std::uint16_t kKeyF9 = 0x78;
inline constexpr std::uint16_t kKeyF10 = 0x79;
inline constexpr std::uint16_t kKeyF11 = 0x7A;
inline constexpr std::uint16_t kKeyF12 = 0x7B;
constexpr Shortcut Key(std::uint16_t key) {
    return {key, false};
}
constexpr Shortcut Ctrl(char letter) {
    return {static_cast<std::uint16_t>(letter), true};
}

// The text shown after the caption: "F5", "Ctrl+P"; empty for no shortcut.
std::string ShortcutText(Shortcut shortcut);

struct MenuItem {
    std::string name;     // the item's name ("Refresh1"); other controls invoke it by name
    std::string caption;  // "-" is a separator; "&" marks the access key
    Shortcut shortcut;
    std::function<void()> onClick;  // may be empty: the item exists without an action
    bool checkItem = false;         // its mark flips before onClick runs
    bool visible = true;            // invisible items keep their handlers but are not shown
    std::vector<MenuItem> items{};  // a submenu
    // A small picture beside the caption (0xAARRGGBB at the size asked for); shown in pop-up menus.
    std::function<std::vector<std::uint32_t>(int pixels)> picture{};
    // Whether the item can be chosen, asked each time its menu opens; an item without it always can.
    // One that cannot is shown greyed.
    std::function<bool()> available{};

    static MenuItem Separator() { return {"", "-", {}, {}, false, true, {}}; }
};

// An item that runs a command, by name: what most menus hold.
inline MenuItem Command(std::string name, std::string caption, std::function<void()> onClick, Shortcut shortcut = {}) {
    MenuItem item;
    item.name = std::move(name);
    item.caption = std::move(caption);
    item.shortcut = shortcut;
    item.onClick = std::move(onClick);
    return item;
}
// A menu of items; a hidden one keeps its items' handlers for other controls to invoke.
inline MenuItem Submenu(std::string name, std::string caption, std::vector<MenuItem> items, bool visible = true) {
    MenuItem menu;
    menu.name = std::move(name);
    menu.caption = std::move(caption);
    menu.visible = visible;
    menu.items = std::move(items);
    return menu;
}

using MenuBar = std::vector<MenuItem>;

class MenuModel {
public:
    struct Entry {
        int id;
        const MenuItem* item;
        bool checked = false;
    };

    MenuModel() = default;
    explicit MenuModel(MenuBar bar);
    // Entries point into the bar: a model may move but not be copied.
    MenuModel(const MenuModel&) = delete;
    MenuModel& operator=(const MenuModel&) = delete;
    MenuModel(MenuModel&&) = default;
    MenuModel& operator=(MenuModel&&) = default;

    const MenuBar& Bar() const { return bar_; }
    const std::vector<Entry>& Entries() const { return entries_; }
    // The command id given to an item, or 0.
    int IdOf(const std::string& name) const;
    const Entry* Find(int id) const;

    // Runs the item as a click would: a check item flips its mark first, then the handler runs and
    // sees the new state. False when no item has that id.
    bool Activate(int id);
    // A second control for the same command invokes the first one's handler through this.
    bool Invoke(const std::string& name) { return Activate(IdOf(name)); }
    bool Checked(const std::string& name) const;

    static constexpr int kFirstId = 100;

private:
    void Number(const std::vector<MenuItem>& items);

    MenuBar bar_;
    std::vector<Entry> entries_;
};

}  // namespace orvane::ui
