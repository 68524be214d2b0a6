#include "ui/scroll_box_win.h"

#include <algorithm>
#include <vector>

#include "ui/dpi_win.h"
#include "ui/error_box_win.h"
#include "ui/form_host_win.h"

namespace orvane::ui {

namespace {

struct ScrollState {
    FormHost* form = nullptr;
    bool scrolls = false;  // panels share the class but never scroll
    int x = 0;             // scroll offsets in screen pixels
    int y = 0;
    // The box's own controls, kept as they come and go, so that sizing the box asks the window
    // server nothing.
    std::vector<HWND> children;
};

ScrollState* StateOf(HWND box) {
    return reinterpret_cast<ScrollState*>(GetWindowLongPtrA(box, GWLP_USERDATA));
}

SIZE ContentExtent(HWND box, const ScrollState& state) {
    SIZE extent{0, 0};
    for (HWND child : state.children) {
        RECT rect;
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&rect), 2);
        extent.cx = std::max<LONG>(extent.cx, rect.right + state.x);
        extent.cy = std::max<LONG>(extent.cy, rect.bottom + state.y);
    }
    return extent;
}

void MoveChildren(HWND box, int dx, int dy) {
    // Every control moves, also those outside the visible part (which scrolling the window's pixels
    // with its children would leave where they were).
    int count = 0;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++count;
    HDWP moves = BeginDeferWindowPos(count);
    for (HWND child = GetWindow(box, GW_CHILD); child && moves; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect;
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&rect), 2);
        moves = DeferWindowPos(moves, child, nullptr, rect.left + dx, rect.top + dy, 0, 0,
                               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (moves) EndDeferWindowPos(moves);
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void ScrollTo(HWND box, int bar, int position) {
    ScrollState* state = StateOf(box);
    if (!state) return;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(box, bar, &info);
    const int highest = std::max(0, info.nMax - static_cast<int>(info.nPage) + 1);
    position = std::clamp(position, 0, highest);
    int& current = bar == SB_VERT ? state->y : state->x;
    const int delta = current - position;
    if (delta == 0) return;
    current = position;
    MoveChildren(box, bar == SB_VERT ? 0 : delta, bar == SB_VERT ? delta : 0);
    info.fMask = SIF_POS;
    info.nPos = position;
    SetScrollInfo(box, bar, &info, TRUE);
}

void HandleScroll(HWND box, int bar, WPARAM wParam) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(box, bar, &info);
    int position = info.nPos;
    const int line = Scale(16);
    switch (LOWORD(wParam)) {
        case SB_LINEUP:
            position -= line;
            break;
        case SB_LINEDOWN:
            position += line;
            break;
        case SB_PAGEUP:
            position -= static_cast<int>(info.nPage);
            break;
        case SB_PAGEDOWN:
            position += static_cast<int>(info.nPage);
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            position = info.nTrackPos;
            break;
        case SB_TOP:
            position = info.nMin;
            break;
        case SB_BOTTOM:
            position = info.nMax;
            break;
        default:
            return;
    }
    ScrollTo(box, bar, position);
}

LRESULT HandleMessage(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    ScrollState* state = StateOf(box);
    switch (message) {
        case WM_NCCREATE: {
            auto* created = reinterpret_cast<CREATESTRUCTA*>(lParam);
            auto* fresh = new ScrollState{
                static_cast<FormHost*>(created->lpCreateParams), (created->style & WS_VSCROLL) != 0, 0, 0, {}};
            SetWindowLongPtrA(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(fresh));
            break;
        }
        case WM_NCDESTROY:
            // The box's last message: its state goes here, and nothing after this may read it.
            SetWindowLongPtrA(box, GWLP_USERDATA, 0);
            delete state;
            return DefWindowProcA(box, message, wParam, lParam);
        case WM_PARENTNOTIFY:
            // Sent for the box's controls and for those of the containers inside it; only its own count.
            if (state && (LOWORD(wParam) == WM_CREATE || LOWORD(wParam) == WM_DESTROY)) {
                HWND child = reinterpret_cast<HWND>(lParam);
                std::erase(state->children, child);
                if (LOWORD(wParam) == WM_CREATE && GetParent(child) == box) state->children.push_back(child);
            }
            break;
        case WM_SIZE:
            UpdateScrollBars(box);
            return 0;
        case WM_VSCROLL:
            HandleScroll(box, SB_VERT, wParam);
            return 0;
        case WM_HSCROLL:
            HandleScroll(box, SB_HORZ, wParam);
            return 0;
        default:
            break;
    }
    if (state && state->form) {
        bool handled = false;
        const LRESULT result = state->form->RouteFromChild(box, message, wParam, lParam, handled);
        if (handled) return result;
    }
    return DefWindowProcA(box, message, wParam, lParam);
}

LRESULT CALLBACK ScrollBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    // The commands, notifications, drawing and mouse messages of every control inside the box run the
    // form's handlers from here, outside the form's own window procedure: guarded the same way. (A
    // failed WM_NCCREATE answers 0, and the box is not made.)
    return Guarded(ErrorBoxOwner(box, message), LRESULT{0},
                   [&] { return HandleMessage(box, message, wParam, lParam); });
}

}  // namespace

void UpdateScrollBars(HWND box) {
    ScrollState* state = StateOf(box);
    if (!state || !state->scrolls) return;
    RECT client;
    GetClientRect(box, &client);
    const SIZE extent = ContentExtent(box, *state);
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = extent.cy > 0 ? extent.cy - 1 : 0;
    info.nPage = static_cast<UINT>(std::max<LONG>(client.bottom, 0));
    info.nPos = state->y;
    SetScrollInfo(box, SB_VERT, &info, TRUE);
    info.nMax = extent.cx > 0 ? extent.cx - 1 : 0;
    info.nPage = static_cast<UINT>(std::max<LONG>(client.right, 0));
    info.nPos = state->x;
    SetScrollInfo(box, SB_HORZ, &info, TRUE);
}

void DetachContainer(HWND box) {
    if (ScrollState* state = StateOf(box)) state->form = nullptr;
}

void ShiftContents(HWND box, int dx, int dy) {
    if (dx != 0 || dy != 0) MoveChildren(box, dx, dy);
}

void RegisterScrollBoxClass() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ScrollBoxProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = nullptr;  // the form decides the cursor
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kScrollBoxClass;
    registered = RegisterClassA(&windowClass) != 0;
}

}  // namespace orvane::ui
