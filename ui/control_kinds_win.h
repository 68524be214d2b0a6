#pragma once
// The look of every control kind in one table: window class, styles, font, colours, whether it holds
// other controls, and the kind's own set-up after creation (in ui/<kind>_win.cpp) where a style is not
// enough.

#include <windows.h>

#include "ui/layout.h"

namespace orvane::ui {

class Form;

// Where a control's background or text colour comes from.
struct Paint {
    enum class Source { Own, FormBackground, Fixed, System, Declared };
    Source source = Source::Own;  // Own: the control paints itself; the toolkit does not colour it
    Colour value = 0;             // the fixed colour, or the system colour's index
};

struct KindTraits {
    ControlKind kind;
    const char* windowClass;
    DWORD style;  // besides WS_CHILD | WS_VISIBLE
    DWORD exStyle;
    FontSpec font;
    Paint background;
    Paint text;
    bool container;  // other controls may name it as their parent
    // The kind's set-up once the window exists: columns, panels, buttons, ranges, colours.
    void (*prepare)(Form& form, HWND control, const ControlSpec& design);
};

const KindTraits& TraitsOf(ControlKind kind);

}  // namespace orvane::ui
