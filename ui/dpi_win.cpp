#include "ui/dpi_win.h"

#include <windows.h>

#include "platform/win32/handles.h"

namespace orvane::ui {

namespace {

int ScreenDpi() {
    static const int dpi = [] {
        win32::WindowDc screen(nullptr);
        const int value = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
        return value > 0 ? value : 96;
    }();
    return dpi;
}

}  // namespace

int Scale(int designPixels) {
    return MulDiv(designPixels, ScreenDpi(), 96);
}
int Unscale(int screenPixels) {
    return MulDiv(screenPixels, 96, ScreenDpi());
}

}  // namespace orvane::ui
