#include "ui/error_box_win.h"

#include <stdexcept>
#include <string_view>

#include "core/error.h"
#include "core/text.h"

namespace orvane::ui {

namespace {

// Whether an error box for an escaped error is open: an error in a handler that runs while it is (a
// repaint behind it, a timer's tick) only ends that handler, so boxes never pile up.
bool g_errorBoxOpen = false;

}  // namespace

void ShowErrorBox(HWND owner, const std::string& text) {
    MessageBoxA(owner, text.c_str(), "Orvane", MB_OK | MB_ICONERROR);
}

std::string EscapedErrorText(const std::exception_ptr& error) {
    // A user error carries the message to show; any other error shows its own text.
    try {
        if (error) std::rethrow_exception(error);
    } catch (const std::exception& escaped) {
        return escaped.what();
    } catch (...) {
    }
    return "Unknown error";
}

void ReportEscapedError(HWND owner, const std::exception_ptr& error) {
    if (!owner || g_errorBoxOpen || !error) return;
    const std::string text = EscapedErrorText(error);
    g_errorBoxOpen = true;
    ShowErrorBox(owner, text);
    g_errorBoxOpen = false;
}

HWND ErrorBoxOwner(HWND window, UINT message) {
    switch (message) {
        case WM_PAINT:
        case WM_NCPAINT:
        case WM_ERASEBKGND:
        case WM_DRAWITEM:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_DESTROY:
        case WM_NCDESTROY:
            return nullptr;
        default:
            return window ? GetAncestor(window, GA_ROOT) : nullptr;
    }
}

void RunCommand(HWND owner, const std::function<void()>& handler) {
    Guarded(owner, handler);
}

void ThrowPlantedFault(const std::string& control) {
    static const std::string planted = [] {
        char value[256] = {};
        const DWORD length = GetEnvironmentVariableA("ORVANE_TEST_FAULT", value, sizeof value);
        return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
    }();
    if (planted.empty() || control.empty()) return;
    constexpr std::string_view kInternal = ":internal";
    const bool internal = planted.size() > kInternal.size() && planted.ends_with(kInternal);
    const std::string name = internal ? planted.substr(0, planted.size() - kInternal.size()) : planted;
    if (!EqualsIgnoreCase(name, control)) return;
    if (internal) throw std::logic_error("Planted internal fault in " + control);
    throw UserError("Planted fault in " + control);
}

}  // namespace orvane::ui
