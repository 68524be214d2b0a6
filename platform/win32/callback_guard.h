#pragma once
// The one guard of the functions the system calls back: window and subclass procedures, the list
// view's comparison, the file dialog's hook, the bounded call's helper thread, WinMain.
//
// No exception may unwind into the system's frames. They carry no unwinding information for it (in the
// 32-bit build an exception that reaches a user32 frame ends the process), and a system caller
// interrupted half-way leaves its own state as it was. A guarded callback catches whatever escapes its
// body, hands it to the caller's report, and gives the system its ordinary failure answer instead.

#include <exception>
#include <utility>

namespace orvane::win32 {

// Runs body(); an exception that escapes it goes to report(std::current_exception()). A report that
// fails in turn (no memory left for its text) is dropped: nothing leaves the guard.
template <typename Body, typename Report>
void GuardCallback(Body&& body, Report&& report) noexcept {
    try {
        std::forward<Body>(body)();
    } catch (...) {
        try {
            report(std::current_exception());
        } catch (...) {
        }
    }
}

// The same for a callback with an answer: body()'s, or `failed` when an exception escaped it.
template <typename Result, typename Body, typename Report>
Result GuardCallback(Result failed, Body&& body, Report&& report) noexcept {
    Result result = failed;
    GuardCallback([&] { result = std::forward<Body>(body)(); }, std::forward<Report>(report));
    return result;
}

}  // namespace orvane::win32
