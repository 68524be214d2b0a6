#pragma once
// The application's error box, and the guard that brings an escaping error to it.

#include <windows.h>

#include <functional>
#include <string>

namespace orvane::ui {

// The application's standard error box: the error's text, one OK button, the program's title.
void ShowErrorBox(HWND owner, const std::string& text);

// Runs a command handler; an error that escapes it reaches the error box and the program goes on.
void RunCommand(HWND owner, const std::function<void()>& handler);

}  // namespace orvane::ui
