#include "ui/colour_win.h"

namespace orvane::ui {

COLORREF ResolveColour(Colour colour) {
    return (colour & 0x80000000u) ? GetSysColor(static_cast<int>(colour & 0xFFu)) : colour;
}

}  // namespace orvane::ui
