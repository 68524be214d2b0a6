#include "ui/message_pump_win.h"

#include "ui/form_host_win.h"

namespace orvane::ui {

namespace {

HWND RootOf(const MSG& message) {
    return message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
}

// The form's shortcuts, then its dialog keys; true when one of them took the message.
bool TakenByKeys(HWND root, MSG& message) {
    const FormHost* form = HostOf(root);
    if (form && form->Accelerators() && TranslateAcceleratorA(root, form->Accelerators(), &message)) return true;
    return form && form->UsesDialogKeys() && IsDialogMessageA(root, &message);
}

void Deliver(MSG& message) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

}  // namespace

bool TranslateAndDispatch(MSG& message) {
    if (!TakenByKeys(RootOf(message), message)) Deliver(message);
    return true;
}

void ProcessPendingMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // The program is ending: leave the quit message for the main loop.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateAndDispatch(message);
    }
}

bool RunModalLoop(HWND window) {
    MSG message;
    while (window && IsWindowVisible(window)) {
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) return true;
        if (RootOf(message) == window && TakenByKeys(window, message)) continue;
        Deliver(message);
    }
    return false;
}

}  // namespace orvane::ui
