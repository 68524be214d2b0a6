#pragma once
// The tool bar: flat buttons with pictures drawn at the screen's size, captions, hints, separators and
// a drop-down arrow that opens a declared menu. Each button's click reaches the form by its name.

#include <windows.h>

#include "ui/layout.h"

namespace orvane::ui {

class Form;

void PrepareToolBar(Form& form, HWND control, const ControlSpec& design);

}  // namespace orvane::ui
