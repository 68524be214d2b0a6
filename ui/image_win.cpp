#include "ui/image_win.h"

namespace orvane::ui {

void ImageBox::SetIcon(HICON icon) {
    if (!control_) {
        if (icon) DestroyIcon(icon);
        return;
    }
    HICON previous = reinterpret_cast<HICON>(SendMessageA(control_, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0));
    if (previous && previous != icon) DestroyIcon(previous);
}

HICON ImageBox::Icon() const {
    return control_ ? reinterpret_cast<HICON>(SendMessageA(control_, STM_GETICON, 0, 0)) : nullptr;
}

void ReleaseImage(HWND control) {
    ImageBox(control).SetIcon(nullptr);
}

}  // namespace orvane::ui
