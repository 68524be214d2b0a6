#include "ui/label_win.h"

#include "ui/colour_win.h"
#include "ui/form_host_win.h"

namespace orvane::ui {

void ClickLink(FormHost& form, const ControlSpec& design, WPARAM wParam) {
    if (HIWORD(wParam) == STN_CLICKED) form.RaiseClick(design.name);
}

bool ColourLabel(FormHost& form, const ControlSpec& design, HDC dc, LRESULT& result) {
    const COLORREF back = KindBackground(design, form.Background());
    // Text on a coloured ground (the CPU window's black panels) declares its colour.
    const COLORREF text = design.colour ? ResolveColour(*design.colour) : KindTextColour(design, form.Background());
    return ApplyColours(form, dc, text, back, result);
}

}  // namespace orvane::ui
