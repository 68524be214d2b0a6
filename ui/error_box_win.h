#pragma once
// The application's error box, and the guard that brings an escaping error to it.

#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <utility>

#include "platform/win32/callback_guard.h"

namespace orvane::ui {

// The application's standard error box: the error's text, one OK button, the program's title.
void ShowErrorBox(HWND owner, const std::string& text);

// Reports an error that escaped a handler: a user error's message (any other error's own text, or
// "Unknown error") in the error box owned by `owner`, after which the program goes on. Without an
// owner, or while an error box of this kind is already open, the error only ends what it interrupted.
void ReportEscapedError(HWND owner, const std::exception_ptr& error);
// The text the error box shows for an escaped error.
std::string EscapedErrorText(const std::exception_ptr& error);

// The window an error escaping the handling of a message is reported to: the root window of `window`,
// or none for the messages that draw or take a window down, where a modal box would come back with
// every repaint.
HWND ErrorBoxOwner(HWND window, UINT message);

// Runs a callback of the system under the program's guard (platform/win32/callback_guard.h): what
// escapes body() is reported to `owner`, and the callback gives `failed` back to the system.
template <typename Body>
void Guarded(HWND owner, Body&& body) noexcept {
    win32::GuardCallback(std::forward<Body>(body),
                         [owner](const std::exception_ptr& error) { ReportEscapedError(owner, error); });
}
template <typename Result, typename Body>
Result Guarded(HWND owner, Result failed, Body&& body) noexcept {
    return win32::GuardCallback(failed, std::forward<Body>(body),
                                [owner](const std::exception_ptr& error) { ReportEscapedError(owner, error); });
}

// Runs a command handler; an error that escapes it reaches the error box and the program goes on.
void RunCommand(HWND owner, const std::function<void()>& handler);

// A fault the end-to-end tests plant to show what the user sees when a handler fails: the variable
// ORVANE_TEST_FAULT names a control whose commands and notifications throw a user error ("Planted
// fault in <name>"), or, with ":internal" after the name, an error of another kind. In an ordinary run
// the variable is unset and nothing is planted.
void ThrowPlantedFault(const std::string& control);

}  // namespace orvane::ui
