#pragma once
// The owner-drawn statics: the paint box, which the form draws (OnPaintBox), and the bevel, an etched
// frame on the form's background.

#include <windows.h>

#include "ui/control_kinds_win.h"

namespace orvane::ui {

void DrawPaintBox(FormHost& form, const ControlSpec& design, const DRAWITEMSTRUCT& draw);
void DrawBevel(FormHost& form, const ControlSpec& design, const DRAWITEMSTRUCT& draw);

inline constexpr KindHooks kPaintBoxHooks{.drawItem = DrawPaintBox};
inline constexpr KindHooks kBevelHooks{.drawItem = DrawBevel};

}  // namespace orvane::ui
