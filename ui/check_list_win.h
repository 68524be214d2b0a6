#pragma once
// The check list: items with their marks, added in order, in one or more columns. The user may toggle
// a mark on screen, with a click on its box or the space bar on the selected item.

#include <windows.h>

#include <string>

#include "ui/layout.h"

namespace orvane::ui {

class Form;

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

void PrepareCheckList(Form& form, HWND control, const ControlSpec& design);
void DrawCheckListItem(const DRAWITEMSTRUCT& draw, COLORREF background);

}  // namespace orvane::ui
