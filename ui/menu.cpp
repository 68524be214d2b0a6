#include "ui/menu.h"

namespace orvane::ui {

std::string ShortcutText(Shortcut shortcut) {
    if (shortcut.key == 0) return {};
    std::string text = shortcut.control ? "Ctrl+" : "";
    if (shortcut.key >= 0x70 && shortcut.key <= 0x87) {
        text += "F" + std::to_string(shortcut.key - 0x70 + 1);
    } else {
        text += static_cast<char>(shortcut.key);
    }
    return text;
}

MenuModel::MenuModel(MenuBar bar) : bar_(std::move(bar)) { Number(bar_); }

void MenuModel::Number(const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
        if (item.caption != "-" && item.items.empty()) {
            entries_.push_back({kFirstId + static_cast<int>(entries_.size()), &item, false});
        }
        Number(item.items);
    }
}

int MenuModel::IdOf(const std::string& name) const {
    if (name.empty()) return 0;
    for (const Entry& entry : entries_) {
        if (entry.item->name == name) return entry.id;
    }
    return 0;
}

const MenuModel::Entry* MenuModel::Find(int id) const {
    for (const Entry& entry : entries_) {
        if (entry.id == id) return &entry;
    }
    return nullptr;
}

bool MenuModel::Activate(int id) {
    for (Entry& entry : entries_) {
        if (entry.id != id) continue;
        if (entry.item->checkItem) entry.checked = !entry.checked;
        if (entry.item->onClick) entry.item->onClick();
        return true;
    }
    return false;
}

bool MenuModel::Checked(const std::string& name) const {
    const Entry* entry = Find(IdOf(name));
    return entry && entry->checked;
}

}  // namespace orvane::ui
