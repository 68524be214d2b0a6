#pragma once
// The push buttons: a click reaches the form by the button's name.

#include <windows.h>

#include "ui/control_kinds_win.h"

namespace orvane::ui {

void ClickButton(FormHost& form, const ControlSpec& design, WPARAM wParam);

inline constexpr KindHooks kButtonHooks{.command = ClickButton};

}  // namespace orvane::ui
