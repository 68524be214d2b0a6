#include "ui/group_box_win.h"

#include <commctrl.h>

#include "ui/error_box_win.h"

namespace orvane::ui {

namespace {

constexpr UINT_PTR kSubclassId = 0x4742;  // "GB"

void EraseAroundSiblings(HWND box, HDC dc) {
    HWND parent = GetParent(box);
    // The brush the parent gives static-looking controls: its own background.
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageA(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(box)));
    if (!brush) brush = GetSysColorBrush(COLOR_BTNFACE);
    const int saved = SaveDC(dc);
    // Whatever the siblings' order, the frame never paints over a control that lies on it.
    for (HWND sibling = GetWindow(box, GW_HWNDFIRST); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (sibling == box || !IsWindowVisible(sibling)) continue;
        RECT rect;
        GetWindowRect(sibling, &rect);
        MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&rect), 2);
        ExcludeClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    }
    RECT client;
    GetClientRect(box, &client);
    FillRect(dc, &client, brush);
    RestoreDC(dc, saved);
}

LRESULT CALLBACK GroupBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (message) {
        case WM_ERASEBKGND: {
            // A frame that could not be erased is left to the control's own drawing.
            const bool erased = Guarded(ErrorBoxOwner(box, message), false, [&] {
                EraseAroundSiblings(box, reinterpret_cast<HDC>(wParam));
                return true;
            });
            if (erased) return TRUE;
            break;
        }
        case WM_NCDESTROY:
            // The subclass holds no state; the message still goes on to the control's own procedure.
            RemoveWindowSubclass(box, GroupBoxProc, kSubclassId);
            break;
        default:
            break;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace

void PrepareGroupBox(FormHost&, HWND control, const ControlSpec&) {
    SetWindowSubclass(control, GroupBoxProc, kSubclassId, 0);
}

}  // namespace orvane::ui
