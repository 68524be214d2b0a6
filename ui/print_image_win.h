#pragma once
// Quick Print: a picture of a window's client area on the default printer, with no dialog.

#include <windows.h>

namespace orvane::ui {

// Prints the client area as the screen shows it, at the same physical size (scaled by the printer's
// resolution against the screen's), or scaled down to the printable area where it is larger. Failures
// reach the error box.
void PrintClientAreaImage(HWND window);

}  // namespace orvane::ui
