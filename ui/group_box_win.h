#pragma once
// The group box: a captioned frame drawn over the controls that lie on it, which are its siblings.

#include <windows.h>

#include "ui/control_kinds_win.h"

namespace orvane::ui {

// The frame paints nothing inside itself, and its parent clips it out: it fills its inside with the
// parent's background, around the controls that lie on it.
void PrepareGroupBox(FormHost& form, HWND control, const ControlSpec& design);

inline constexpr KindHooks kGroupBoxHooks{.prepare = PrepareGroupBox, .colour = ColourByKind};

}  // namespace orvane::ui
