#include "ui/button_win.h"

#include "ui/form_host_win.h"

namespace orvane::ui {

void ClickButton(FormHost& form, const ControlSpec& design, WPARAM wParam) {
    if (HIWORD(wParam) == BN_CLICKED) form.RaiseClick(design.name);
}

}  // namespace orvane::ui
