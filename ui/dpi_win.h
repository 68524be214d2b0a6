#pragma once
// Design pixels are 96-DPI units; this is the one place that maps them to the screen.

namespace orvane::ui {

int Scale(int designPixels);
int Unscale(int screenPixels);

}  // namespace orvane::ui
