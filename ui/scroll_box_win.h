#pragma once
// The scroll box and the panel: containers of the toolkit's own class that pass their messages up to
// the form. A scroll box moves its controls under its scroll bars; a panel never scrolls.

#include <windows.h>

namespace orvane::ui {

inline constexpr const char* kScrollBoxClass = "TScrollBox";

void RegisterScrollBoxClass();
// Sets the scroll ranges from the controls the box holds.
void UpdateScrollBars(HWND box);
// The box passes no more messages to its form (which is going).
void DetachContainer(HWND box);
// Moves every control of the box by the screen pixels given, leaving the scroll position as it is.
void ShiftContents(HWND box, int dx, int dy);

}  // namespace orvane::ui
