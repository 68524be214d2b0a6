#include "ui/menu_win.h"

namespace orvane::ui {

namespace {

int IdOfItem(const MenuModel& model, const MenuItem& item) {
    for (const auto& entry : model.Entries()) {
        if (entry.item == &item) return entry.id;
    }
    return 0;
}

void AppendItems(HMENU menu, const MenuModel& model, const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
        if (!item.visible) continue;
        if (item.caption == "-") {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        } else if (!item.items.empty()) {
            HMENU submenu = CreatePopupMenu();
            AppendItems(submenu, model, item.items);
            AppendMenuA(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu), item.caption.c_str());
        } else {
            std::string text = item.caption;
            const std::string keys = ShortcutText(item.shortcut);
            if (!keys.empty()) text += "\t" + keys;
            AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(IdOfItem(model, item)), text.c_str());
        }
    }
}

}  // namespace

HMENU BuildMenuBarHandle(const MenuModel& model) {
    bool anyVisible = false;
    for (const MenuItem& top : model.Bar()) anyVisible = anyVisible || top.visible;
    if (!anyVisible) return nullptr;
    HMENU bar = CreateMenu();
    AppendItems(bar, model, model.Bar());
    return bar;
}

HMENU BuildPopupHandle(const MenuModel& model, const std::vector<MenuItem>& items) {
    HMENU popup = CreatePopupMenu();
    AppendItems(popup, model, items);
    return popup;
}

std::vector<ACCEL> MenuAccelerators(const MenuModel& model) {
    std::vector<ACCEL> keys;
    for (const auto& entry : model.Entries()) {
        const Shortcut shortcut = entry.item->shortcut;
        if (shortcut.key == 0) continue;
        BYTE flags = FVIRTKEY;
        if (shortcut.control) flags |= FCONTROL;
        keys.push_back({flags, shortcut.key, static_cast<WORD>(entry.id)});
    }
    return keys;
}

void SyncCheckMarks(HMENU menu, const MenuModel& model) {
    if (!menu) return;
    for (const auto& entry : model.Entries()) {
        if (entry.item->checkItem) {
            CheckMenuItem(menu, static_cast<UINT>(entry.id),
                          MF_BYCOMMAND | (entry.checked ? MF_CHECKED : MF_UNCHECKED));
        }
    }
}

void SyncAvailability(HMENU popup, const MenuModel& model) {
    const int count = GetMenuItemCount(popup);
    for (int position = 0; position < count; ++position) {
        const UINT id = GetMenuItemID(popup, position);
        if (id == static_cast<UINT>(-1)) continue;  // a submenu or separator
        const MenuModel::Entry* entry = model.Find(static_cast<int>(id));
        if (!entry || !entry->item->available) continue;
        EnableMenuItem(popup, id, MF_BYCOMMAND | (entry->item->available() ? MF_ENABLED : MF_GRAYED));
    }
}

}  // namespace orvane::ui
