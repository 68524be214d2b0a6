#include "ui/error_box_win.h"

#include <exception>

namespace orvane::ui {

void ShowErrorBox(HWND owner, const std::string& text) {
    MessageBoxA(owner, text.c_str(), "Orvane", MB_OK | MB_ICONERROR);
}

void RunCommand(HWND owner, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowErrorBox(owner, error.what());
    } catch (...) {
        ShowErrorBox(owner, "Unknown error");
    }
}

}  // namespace orvane::ui
