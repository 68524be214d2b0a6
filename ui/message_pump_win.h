#pragma once
// The program's message loops, all handing messages on the same way: a window's shortcuts and dialog
// keys first, then its window procedure.

#include <windows.h>

namespace orvane::ui {

// Hands one message of the program's queue on. The main loop and ProcessPendingMessages share it.
bool TranslateAndDispatch(MSG& message);
// Runs the messages waiting in the queue and returns once it is empty, so that a long handler keeps
// the windows usable. A quit message is left in the queue for the main loop.
void ProcessPendingMessages();
// Runs messages while the window is shown, taking only its own shortcuts and dialog keys (the windows
// it blocks take theirs again once it is hidden). True when a quit message ended the loop; the message
// is gone from the queue then.
bool RunModalLoop(HWND window);

}  // namespace orvane::ui
