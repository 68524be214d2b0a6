#include "ui/gauge_win.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>
#include <string>

#include "core/text.h"
#include "platform/win32/handles.h"
#include "ui/colour_win.h"
#include "ui/error_box_win.h"

namespace orvane::ui {

namespace {

struct BarGaugeState {
    int minimum = 0;
    int maximum = 100;
    int position = 0;
    Colour bar = Rgb(0, 0, 0);
    Colour background = kWhite;
    HFONT font = nullptr;
};

BarGaugeState* StateOf(HWND gauge) {
    return reinterpret_cast<BarGaugeState*>(GetWindowLongPtrA(gauge, GWLP_USERDATA));
}

bool IsBarGauge(HWND control) {
    char name[32] = {};
    GetClassNameA(control, name, sizeof name);
    return lstrcmpiA(name, kBarGaugeClass) == 0;
}

int PercentDone(const BarGaugeState& state) {
    const long long span = static_cast<long long>(state.maximum) - state.minimum;
    if (span <= 0) return 0;
    const long long done =
        static_cast<long long>(std::clamp(state.position, state.minimum, state.maximum)) - state.minimum;
    return static_cast<int>(done * 100 / span);
}

void PaintBarGauge(HWND gauge, HDC dc) {
    const BarGaugeState* state = StateOf(gauge);
    if (!state) return;
    RECT client;
    GetClientRect(gauge, &client);
    const int percent = PercentDone(*state);
    RECT filled = client;
    filled.right = client.left + MulDiv(client.right - client.left, percent, 100);
    RECT empty = client;
    empty.left = filled.right;
    HBRUSH barBrush = CreateSolidBrush(state->bar);
    HBRUSH backBrush = CreateSolidBrush(state->background);
    FillRect(dc, &filled, barBrush);
    FillRect(dc, &empty, backBrush);
    DeleteObject(barBrush);
    DeleteObject(backBrush);
    // The percentage reads in the other part's colour on each side of the bar's edge.
    const std::string text = Format("%d%%", percent);
    HGDIOBJ oldFont = state->font ? SelectObject(dc, state->font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    for (const auto& [part, colour] : {std::pair{filled, state->background}, std::pair{empty, state->bar}}) {
        if (part.right <= part.left) continue;
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, part.left, part.top, part.right, part.bottom);
        SetTextColor(dc, colour);
        RECT area = client;
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        RestoreDC(dc, saved);
    }
    if (oldFont) SelectObject(dc, oldFont);
}

LRESULT HandleMessage(HWND gauge, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE:
            SetWindowLongPtrA(gauge, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new BarGaugeState));
            break;
        case WM_NCDESTROY: {
            // The gauge's last message: its state goes here, and nothing after this may read it.
            BarGaugeState* state = StateOf(gauge);
            SetWindowLongPtrA(gauge, GWLP_USERDATA, 0);
            delete state;
            return DefWindowProcA(gauge, message, wParam, lParam);
        }
        case WM_SETFONT:
            if (BarGaugeState* state = StateOf(gauge)) state->font = reinterpret_cast<HFONT>(wParam);
            return 0;
        case WM_ERASEBKGND:
            return TRUE;
        case WM_PAINT: {
            // Ended however the painting ends, so a failed paint is not asked for again at once.
            win32::PaintDc paint(gauge);
            PaintBarGauge(gauge, paint.Get());
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcA(gauge, message, wParam, lParam);
}

LRESULT CALLBACK BarGaugeProc(HWND gauge, UINT message, WPARAM wParam, LPARAM lParam) {
    return Guarded(ErrorBoxOwner(gauge, message), LRESULT{0},
                   [&] { return HandleMessage(gauge, message, wParam, lParam); });
}

void ShowBarGauge(HWND gauge) {
    if (const BarGaugeState* state = StateOf(gauge)) {
        SetWindowTextA(gauge, Format("%d%%", PercentDone(*state)).c_str());
    }
    InvalidateRect(gauge, nullptr, FALSE);
}

}  // namespace

void RegisterBarGaugeClass() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = BarGaugeProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kBarGaugeClass;
    registered = RegisterClassA(&windowClass) != 0;
}

void PrepareVerticalGauge(FormHost&, HWND control, const ControlSpec& design) {
    // Under visual styles the bar keeps the theme's colour, so the gauge takes none: a class list that
    // names no class leaves it unthemed on Windows and under Wine alike (Wine ignores empty texts).
    SetWindowTheme(control, L" ", L" ");
    Gauge gauge(control);
    gauge.SetRange(0, 100);
    if (design.colour) gauge.SetBarColour(ResolveColour(*design.colour));
    if (design.background) gauge.SetBackground(ResolveColour(*design.background));
}

void PrepareBarGauge(FormHost&, HWND control, const ControlSpec& design) {
    Gauge gauge(control);
    if (design.colour) gauge.SetBarColour(ResolveColour(*design.colour));
    gauge.SetBackground(ResolveColour(design.background.value_or(kInfoTipBackground)));
    gauge.SetPosition(0);
}

void Gauge::SetRange(int minimum, int maximum) {
    if (!control_) return;
    if (BarGaugeState* state = IsBarGauge(control_) ? StateOf(control_) : nullptr) {
        state->minimum = minimum;
        state->maximum = maximum;
        ShowBarGauge(control_);
    } else {
        SendMessageA(control_, PBM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
    }
}

void Gauge::SetPosition(int position) {
    if (!control_) return;
    if (BarGaugeState* state = IsBarGauge(control_) ? StateOf(control_) : nullptr) {
        state->position = position;
        ShowBarGauge(control_);
    } else {
        SendMessageA(control_, PBM_SETPOS, static_cast<WPARAM>(position), 0);
    }
}

int Gauge::Position() const {
    if (!control_) return 0;
    if (const BarGaugeState* state = IsBarGauge(control_) ? StateOf(control_) : nullptr) return state->position;
    return static_cast<int>(SendMessageA(control_, PBM_GETPOS, 0, 0));
}

void Gauge::SetBarColour(Colour colour) {
    if (!control_) return;
    if (BarGaugeState* state = IsBarGauge(control_) ? StateOf(control_) : nullptr) {
        state->bar = colour;
        InvalidateRect(control_, nullptr, FALSE);
    } else {
        SendMessageA(control_, PBM_SETBARCOLOR, 0, static_cast<LPARAM>(colour));
    }
}

void Gauge::SetBackground(Colour colour) {
    if (!control_) return;
    if (BarGaugeState* state = IsBarGauge(control_) ? StateOf(control_) : nullptr) {
        state->background = colour;
        InvalidateRect(control_, nullptr, FALSE);
    } else {
        SendMessageA(control_, PBM_SETBKCOLOR, 0, static_cast<LPARAM>(colour));
    }
}

}  // namespace orvane::ui
