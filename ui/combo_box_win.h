#pragma once
// The drop-down list (no free text) and the drop-down with an editable field.

#include <windows.h>

#include <string>

#include "ui/control_kinds_win.h"

namespace orvane::ui {

class ComboBox {
public:
    explicit ComboBox(HWND control = nullptr) : control_(control) {}
    explicit operator bool() const { return control_ != nullptr; }
    HWND Handle() const { return control_; }

    void Clear();
    int Add(const std::string& item);
    int Count() const;
    std::string Item(int index) const;
    // Replaces an entry's text in place; a selected entry stays selected.
    void SetItem(int index, const std::string& text);
    // The selected entry, or -1.
    int Selected() const;
    // Selects an entry (-1: none) without raising the selection event, as a program's choice does not.
    void Select(int index);

private:
    HWND control_;
};

// A changed selection reaches the form by the drop-down's name; in the editable drop-down, so does
// every change of the text typed into its field.
void DropDownListCommand(FormHost& form, const ControlSpec& design, WPARAM wParam);
void DropDownCommand(FormHost& form, const ControlSpec& design, WPARAM wParam);

inline constexpr KindHooks kDropDownListHooks{.command = DropDownListCommand};
inline constexpr KindHooks kDropDownHooks{.command = DropDownCommand, .colour = ColourByKind};

}  // namespace orvane::ui
