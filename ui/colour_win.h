#pragma once
// Layout colours as the screen shows them.

#include <windows.h>

#include "ui/layout.h"

namespace orvane::ui {

// A layout colour as the screen shows it: a system colour (SystemColour) by the user's scheme.
COLORREF ResolveColour(Colour colour);

}  // namespace orvane::ui
