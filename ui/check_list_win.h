#pragma once
// The check list: items with their marks, added in order, in one or more columns. The user may toggle
// a mark on screen, with a click on its box or the space bar on the selected item.

#include <windows.h>

#include <string>

#include "ui/control_kinds_win.h"

namespace orvane::ui {

class CheckList {
public:
    explicit CheckList(HWND control = nullptr) : control_(control) {}
    explicit operator bool() const { return control_ != nullptr; }
    HWND Handle() const { return control_; }

    void Clear();
    int Add(const std::string& item, bool checked);
    int Count() const;
    std::string Item(int index) const;
    bool Checked(int index) const;

private:
    HWND control_;
};

// The columns and item height, and the toggling by mouse and space bar.
void PrepareCheckList(FormHost& form, HWND control, const ControlSpec& design);
// An item: its mark and its text on the list's background, the selected item's text highlighted.
void DrawCheckListItem(FormHost& form, const ControlSpec& design, const DRAWITEMSTRUCT& draw);

inline constexpr KindHooks kCheckListHooks{
    .prepare = PrepareCheckList, .drawItem = DrawCheckListItem, .colour = ColourByKind};

}  // namespace orvane::ui
