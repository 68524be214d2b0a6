#pragma once
// The look of every control kind in one table: window class, styles, font, colours, whether it holds
// other controls, and the kind's own hooks (in ui/<kind>_win.cpp): its set-up after creation where a
// style is not enough, and the messages about it that reach the form.

#include <windows.h>

#include "ui/layout.h"

namespace orvane::ui {

class FormHost;

// Where a control's background or text colour comes from.
struct Paint {
    enum class Source { Own, FormBackground, Fixed, System, Declared };
    Source source = Source::Own;  // Own: the control paints itself; the toolkit does not colour it
    Colour value = 0;             // the fixed colour, or the system colour's index
};

// A kind's own handling of its controls. Every hook is optional: where a kind has none, the form
// leaves the message to Windows.
struct KindHooks {
    // The set-up once the window exists: columns, panels, buttons, ranges, colours.
    void (*prepare)(FormHost& form, HWND control, const ControlSpec& design) = nullptr;
    // A WM_COMMAND from the control: the notification code in wParam's high word, the id in its low.
    void (*command)(FormHost& form, const ControlSpec& design, WPARAM wParam) = nullptr;
    // A WM_NOTIFY about the control; true when the hook answered it, with the result.
    bool (*notify)(FormHost& form, HWND control, const ControlSpec& design, const NMHDR& header,
                   LRESULT& result) = nullptr;
    // A WM_DRAWITEM for the owner-drawn control.
    void (*drawItem)(FormHost& form, const ControlSpec& design, const DRAWITEMSTRUCT& draw) = nullptr;
    // A WM_CTLCOLOR* message: sets the text and background colours; the result is the background's
    // brush.
    bool (*colour)(FormHost& form, const ControlSpec& design, HDC dc, LRESULT& result) = nullptr;
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
    KindHooks hooks;
};

const KindTraits& TraitsOf(ControlKind kind);

// The colours the table gives a control: a background declared in the layout over the kind's, and the
// kind's text colour (the window text where the control paints its own).
COLORREF KindBackground(const ControlSpec& design, Colour formBackground);
COLORREF KindTextColour(const ControlSpec& design, Colour formBackground);
// Answers a WM_CTLCOLOR* message with these colours: the colour hook of the kinds that have no other.
bool ColourByKind(FormHost& form, const ControlSpec& design, HDC dc, LRESULT& result);
// Answers a WM_CTLCOLOR* message with the colours given.
bool ApplyColours(FormHost& form, HDC dc, COLORREF text, COLORREF background, LRESULT& result);

}  // namespace orvane::ui
