#pragma once
// The text kinds: headings, labels and the links. A link reports a click; text on a coloured ground
// takes the colour its layout declares.

#include <windows.h>

#include "ui/control_kinds_win.h"

namespace orvane::ui {

void ClickLink(FormHost& form, const ControlSpec& design, WPARAM wParam);
bool ColourLabel(FormHost& form, const ControlSpec& design, HDC dc, LRESULT& result);

inline constexpr KindHooks kLabelHooks{.colour = ColourLabel};
inline constexpr KindHooks kLinkHooks{.command = ClickLink, .colour = ColourLabel};

}  // namespace orvane::ui
