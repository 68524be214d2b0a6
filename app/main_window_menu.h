#pragma once
// The main window's menu bar as data: every menu and item in order, with its name, caption, shortcut,
// check mark and visibility. The window supplies what each of its own items does; the launcher's items
// start their tools and are greyed where the tool is missing.

#include <functional>
#include <string>
#include <string_view>

#include "ui/menu.h"

namespace orvane {

struct MainMenuActions {
    // The handler of one of the window's own items, by the item's name (may be empty: the item exists
    // without an action).
    std::function<std::function<void()>(std::string_view name)> command;
    // A launcher item's start and its availability, asked each time its menu opens.
    std::function<void(std::string_view name)> launch;
    std::function<bool(std::string_view name)> available;
};

ui::MenuBar BuildMainMenuBar(const MainMenuActions& actions);

}  // namespace orvane
