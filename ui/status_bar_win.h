#pragma once
// The status bar: panels of the widths the layout gives, each with its text.

#include <windows.h>

#include <string>

#include "ui/control_kinds_win.h"

namespace orvane::ui {

class StatusBar {
public:
    explicit StatusBar(HWND control = nullptr) : control_(control) {}
    explicit operator bool() const { return control_ != nullptr; }
    HWND Handle() const { return control_; }

    void SetPanelText(int panel, const std::string& text);
    std::string PanelText(int panel) const;

private:
    HWND control_;
};

void PrepareStatusBar(FormHost& form, HWND control, const ControlSpec& design);

inline constexpr KindHooks kStatusBarHooks{.prepare = PrepareStatusBar};

}  // namespace orvane::ui
