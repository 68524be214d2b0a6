// The tools launcher as a user sees it: menu items that open a system tool's window, and a shell
// automation call that Wine does not implement ending in the error box while the program goes on.
#include <gtest/gtest.h>

#include <set>

#include "tests/e2e/harness.h"

namespace e2e {
namespace {

std::set<HWND> VisibleTopLevelWindows() {
    std::set<HWND> windows;
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            if (IsWindowVisible(window)) reinterpret_cast<std::set<HWND>*>(param)->insert(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

DWORD ProcessOf(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

// A top-level window with a title that another program (not Orvane, not this driver) opened since `before`.
HWND WaitForToolWindow(const std::set<HWND>& before, DWORD orvanePid) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : VisibleTopLevelWindows()) {
                const DWORD pid = ProcessOf(window);
                // A window with a title bar and a title: not a tool tip or a helper window of the desktop.
                const bool titled =
                    (GetWindowLongA(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION && !WindowText(window).empty();
                if (!before.count(window) && titled && pid != orvanePid && pid != GetCurrentProcessId()) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        30s);
    return found;
}

// Closes the tool's window as its close box would, and ends the tool if it does not go.
void CloseTool(HWND window) {
    const DWORD pid = ProcessOf(window);
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitUntil([&] { return !IsWindow(window); }, 10s)) return;
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, pid)) {
        TerminateProcess(process, 1);
        CloseHandle(process);
    }
}

// Opens a top-level menu by its access key and chooses the item `steps` down (negative: up, wrapping
// round from the first item).
void ChooseMenuItem(HWND main, WORD accessKey, int steps) {
    SetForegroundWindow(main);
    PressAltKey(main, accessKey);
    for (int i = 0; i < steps; ++i) PressKey(GetForegroundWindow(), VK_DOWN);
    for (int i = 0; i > steps; --i) PressKey(GetForegroundWindow(), VK_UP);
    PressKey(GetForegroundWindow(), VK_RETURN);
}

TEST(Launcher, TaskManagerAndTheJoystickAppletOpenTheirWindows) {
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    struct Case {
        const char* item;
        WORD menu;
        int steps;
        const char* title;  // empty: any title
    };
    const Case cases[] = {
        // System: Run, Explorer, Find Files, Find Computer, Minimize All, Tray Properties, Hide Taskbar,
        // Shutdown System, Task Manager, Volume Control.
        {"System > Task Manager", 'S', -2, "Task Manager"},
        // Control Panel: Accessibility, Add/Remove Programs, Display, Desktop, Internet, Regional, Joystick.
        {"Control Panel > Joystick", 'C', 6, ""},
    };
    for (const Case& c : cases) {
        const std::set<HWND> before = VisibleTopLevelWindows();
        ChooseMenuItem(main, c.menu, c.steps);
        HWND tool = WaitForToolWindow(before, orvane.Pid());
        ASSERT_TRUE(tool) << c.item << " opened no window";
        if (*c.title) {
            EXPECT_EQ(WindowText(tool), c.title) << c.item;
        }
        CloseTool(tool);
        EXPECT_FALSE(WaitForMessageBox(orvane.Pid(), 0ms)) << c.item << " showed a message";
    }
}

TEST(Launcher, AShellObjectMethodThatFailsShowsTheAutomationErrorAndTheProgramGoesOn) {
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    // Wine's shell object implements none of these methods: each ends in E_NOTIMPL.
    char expected[256] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, E_NOTIMPL, 0, expected,
                   sizeof expected, nullptr);
    std::string text = expected;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
    ASSERT_FALSE(text.empty());
    const struct {
        const char* item;
        int steps;
    } cases[] = {{"System > Run", 0}, {"System > Find Files", 2}, {"System > Minimize All", 4}};
    for (const auto& c : cases) {
        ChooseMenuItem(main, 'S', c.steps);
        const auto box = WaitForMessageBox(orvane.Pid(), 10s);
        ASSERT_TRUE(box) << c.item;
        EXPECT_EQ(box->text, text) << c.item;
        EXPECT_EQ(box->caption, "Orvane") << c.item;
        PressOk(*box);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box->box); }, 5s)) << c.item;
    }
    // The program goes on: the next command works.
    PressKey(main, VK_F7);
    EXPECT_TRUE(orvane.WaitForWindow("TfrmMemory", 10s));
}

}  // namespace
}  // namespace e2e
