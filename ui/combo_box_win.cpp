#include "ui/combo_box_win.h"

#include <algorithm>

#include "ui/form_host_win.h"

namespace orvane::ui {

void DropDownListCommand(FormHost& form, const ControlSpec& design, WPARAM wParam) {
    if (HIWORD(wParam) == CBN_SELCHANGE) form.RaiseSelectionChanged(design.name);
}

void DropDownCommand(FormHost& form, const ControlSpec& design, WPARAM wParam) {
    const int code = HIWORD(wParam);
    // A text typed into the field leaves no entry selected: that too is a change.
    if (code == CBN_SELCHANGE || code == CBN_EDITCHANGE) form.RaiseSelectionChanged(design.name);
}

void ComboBox::Clear() {
    if (control_) SendMessageA(control_, CB_RESETCONTENT, 0, 0);
}

int ComboBox::Add(const std::string& item) {
    return control_ ? static_cast<int>(SendMessageA(control_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str())))
                    : -1;
}

int ComboBox::Count() const {
    return control_ ? static_cast<int>(SendMessageA(control_, CB_GETCOUNT, 0, 0)) : 0;
}

std::string ComboBox::Item(int index) const {
    if (!control_) return {};
    const auto length = SendMessageA(control_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const auto got =
        SendMessageA(control_, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(got, 0)));
    return text;
}

void ComboBox::SetItem(int index, const std::string& text) {
    if (!control_ || index < 0 || index >= Count() || Item(index) == text) return;
    const bool selected = Selected() == index;
    SendMessageA(control_, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
    SendMessageA(control_, CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
    if (selected) Select(index);
}

int ComboBox::Selected() const {
    return control_ ? static_cast<int>(SendMessageA(control_, CB_GETCURSEL, 0, 0)) : -1;
}

void ComboBox::Select(int index) {
    if (control_) SendMessageA(control_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

}  // namespace orvane::ui
