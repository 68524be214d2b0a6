#pragma once
// The tool bar: flat buttons with pictures drawn at the screen's size, captions, hints, separators and
// a drop-down arrow that opens a declared menu. Each button's click reaches the form by its name.

#include <windows.h>

#include "ui/control_kinds_win.h"

namespace orvane::ui {

void PrepareToolBar(FormHost& form, HWND control, const ControlSpec& design);
void ToolBarCommand(FormHost& form, const ControlSpec& design, WPARAM wParam);
// A button's hint for its tip, and the menu its drop-down arrow opens.
bool ToolBarNotify(FormHost& form, HWND control, const ControlSpec& design, const NMHDR& header, LRESULT& result);

inline constexpr KindHooks kToolBarHooks{.prepare = PrepareToolBar, .command = ToolBarCommand, .notify = ToolBarNotify};

}  // namespace orvane::ui
