#pragma once
// The group box: a captioned frame drawn over the controls that lie on it, which are its siblings.

#include <windows.h>

#include "ui/layout.h"

namespace orvane::ui {

class Form;

// The frame paints nothing inside itself, and its parent clips it out: it fills its inside with the
// parent's background, around the controls that lie on it.
void PrepareGroupBox(Form& form, HWND control, const ControlSpec& design);

}  // namespace orvane::ui
