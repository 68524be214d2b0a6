#pragma once
// The drop-down list (no free text) and the drop-down with an editable field.

#include <windows.h>

#include <string>

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

}  // namespace orvane::ui
