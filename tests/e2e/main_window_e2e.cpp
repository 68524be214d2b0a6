// The main window driven as a user drives it: keys, menus, tool-bar clicks, and what it shows back.
#include <gtest/gtest.h>

#include "tests/e2e/harness.h"

namespace e2e {
namespace {

TEST(MainWindow, EveryViewShortcutShowsItsWindow) {
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    struct Case {
        WORD key;
        const char* windowClass;
    };
    const Case cases[] = {
        {VK_F7, "TfrmMemory"}, {VK_F8, "TfrmDisplay"}, {VK_F9, "TfrmDisk"},
        {VK_F10, "TfrmUnistall"}, {VK_F11, "TfrmCPU"}, {VK_F4, "TfrmMachine"},
    };
    for (const Case& c : cases) {
        ASSERT_FALSE(orvane.FindWindowOfClass(c.windowClass)) << c.windowClass << " is hidden at start";
        PressKey(main, c.key);
        HWND shown = orvane.WaitForWindow(c.windowClass, 10s);
        EXPECT_TRUE(shown) << c.windowClass;
        // Closing a detail window only hides it.
        if (shown) PostMessageA(shown, WM_CLOSE, 0, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(shown); }, 5s)) << c.windowClass;
        EXPECT_TRUE(IsWindow(shown)) << c.windowClass;
    }
    PressKey(main, VK_F12);  // File > Exit
    EXPECT_EQ(orvane.WaitForExit(), std::optional<DWORD>(0));
}

TEST(MainWindow, PersonalRunsTheRefreshOnlyWhileTheComputerNameIsUnknown) {
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    EXPECT_EQ(ControlText(main, "Info1"), "");
    PressKey(main, VK_F6);
    HWND personal = orvane.WaitForWindow("TfrmPersonal");
    ASSERT_TRUE(personal);
    EXPECT_NE(ControlText(main, "Info1"), "") << "the summary was refreshed first";
    EXPECT_NE(ControlText(personal, "Info1"), "") << "and filled the computer name";
    PostMessageA(personal, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(personal); }, 5s));
    // A second time the window shows at once: mark a row and see that no refresh rewrites it.
    HWND windowsRow = FindControl(main, "Info1");
    SendMessageA(windowsRow, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("marker"));
    PressKey(main, VK_F6);
    ASSERT_TRUE(orvane.WaitForWindow("TfrmPersonal"));
    EXPECT_EQ(ControlText(main, "Info1"), "marker");
}

TEST(MainWindow, ToolBarButtonsRunTheirCommands) {
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    // Button indexes count the separators: 0 System, 1 separator, 2 Personal, 3 Memory, ... 11 Machine,
    // 12 separator, 13 Exit.
    ASSERT_TRUE(orvane.ClickToolButton(main, 0));

    EXPECT_TRUE(WaitUntil([&] { return ControlText(main, "Info26") != ""; })) << "System refreshes";
    struct Case {
        int index;
        const char* windowClass;
    };
    const Case cases[] = {{3, "TfrmMemory"}, {7, "TfrmDevices"}, {9, "TfrmStartup"}, {10, "TfrmSound"}, {11, "TfrmMachine"}};
    for (const Case& c : cases) {
        ASSERT_TRUE(orvane.ClickToolButton(main, c.index));
        HWND shown = orvane.WaitForWindow(c.windowClass, 10s);
        EXPECT_TRUE(shown) << c.windowClass;
        if (shown) PostMessageA(shown, WM_CLOSE, 0, 0);
        WaitUntil([&] { return !IsWindowVisible(shown); }, 5s);
    }
    ASSERT_TRUE(orvane.ClickToolButton(main, 13));  // Exit (F12)
    EXPECT_EQ(orvane.WaitForExit(), std::optional<DWORD>(0));
}

TEST(MainWindow, TheStatusBarTicksWithDateTimeAndLockStates) {
    Orvane orvane("");
    {
        HWND bar = FindChildOfClass(orvane.Main(), "msctls_statusbar32");
        ASSERT_TRUE(bar);
        const RECT rect = ScreenRect(bar);
        EXPECT_EQ(rect.bottom - rect.top, 19) << "the status bar's designed height";
    }
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    EXPECT_TRUE(WaitUntil([&] { return orvane.StatusPanel(main, 1).size() > 6; }, 5s));
    const std::string date = orvane.StatusPanel(main, 0);
    EXPECT_EQ(date.substr(0, 6), "Date: ");
    EXPECT_GT(date.size(), 6u);
    const std::string first = orvane.StatusPanel(main, 1);
    EXPECT_EQ(first.substr(0, 6), "Time: ");
    // The next tick shows a later time.
    EXPECT_TRUE(WaitUntil([&] { return orvane.StatusPanel(main, 1) != first; }, 5s));
    // The usage needs two samples, one tick apart.
    EXPECT_TRUE(WaitUntil([&] { return orvane.StatusPanel(main, 2) != "CPU Usage:"; }, 5s));
    const std::string usage = orvane.StatusPanel(main, 2);
    EXPECT_EQ(usage.substr(0, 11), "CPU Usage: ") << usage;
    EXPECT_EQ(usage.substr(usage.size() - 2), " %") << usage;
    for (auto [panel, label] : {std::pair{3, "Num Lock: "}, {4, "Caps Lock: "}, {5, "Scroll Lock: "}}) {
        const std::string text = orvane.StatusPanel(main, panel);
        EXPECT_TRUE(text == std::string(label) + "On" || text == std::string(label) + "Off") << text;
    }
}

TEST(MainWindow, TransparentBackgroundTurnsTheWhiteColourKeyOnAndOff) {
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    auto layered = [&] { return (GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_LAYERED) != 0; };
    EXPECT_FALSE(layered());
    PressKey(main, 'T', true);
    EXPECT_TRUE(WaitUntil(layered, 5s));
    PressKey(main, 'T', true);
    EXPECT_TRUE(WaitUntil([&] { return !layered(); }, 5s));
}

TEST(MainWindow, ScrollingPagesTheSummaryAndTheResizeRuleFollowsTheWidth) {
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    HWND row1 = FindControl(main, "Desc1");
    // The row's place within the summary area, which pages by its own height.
    auto rowTop = [&] { return ScreenRect(row1).top - ScreenRect(GetParent(row1)).top; };
    const LONG top = rowTop();
    PressKey(main, 'D', true);
    EXPECT_TRUE(WaitUntil([&] { return rowTop() < top; }, 5s)) << "Ctrl+D pages down";
    PressKey(main, 'U', true);
    EXPECT_TRUE(WaitUntil([&] { return rowTop() == top; }, 5s)) << "Ctrl+U pages back: " << rowTop() << " against " << top;
    // A wheel notch towards the user pages down, one away from the user pages up.
    PostMessageA(main, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_TRUE(WaitUntil([&] { return rowTop() < top; }, 5s)) << "wheel down";
    PostMessageA(main, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_TRUE(WaitUntil([&] { return rowTop() == top; }, 5s)) << "wheel up";
    // A touchpad's small steps page only once they add up to a notch.
    for (int step = 0; step < 3; ++step) SendMessageA(main, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-30)), 0);
    EXPECT_EQ(rowTop(), top) << "three quarters of a notch do not page";
    SendMessageA(main, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-30)), 0);
    const LONG onePage = rowTop();
    EXPECT_LT(onePage, top) << "the fourth step completes the notch";
    for (int step = 0; step < 3; ++step) SendMessageA(main, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-30)), 0);
    EXPECT_EQ(rowTop(), onePage) << "and starts the next one afresh";
    PressKey(main, 'U', true);
    ASSERT_TRUE(WaitUntil([&] { return rowTop() == top; }, 5s));

    ShowWindow(main, SW_RESTORE);
    for (int width : {700, 900}) {
        SetWindowPos(main, nullptr, 0, 0, width, 500, SWP_NOMOVE | SWP_NOZORDER);
        for (const char* value : {"Info1", "Info15", "info29"}) {
            HWND control = FindControl(main, value);
            EXPECT_TRUE(WaitUntil([&] { return ScreenRect(control).right - ScreenRect(control).left == width - 200; },
                                  5s))
                << value << " at " << width << ": " << ScreenRect(control).right - ScreenRect(control).left
                << " in a window " << ScreenRect(main).right - ScreenRect(main).left << " wide";
        }
        const RECT label = ScreenRect(row1);
        EXPECT_EQ(label.right - label.left, 130) << "labels keep their width";
    }
    RECT outer = ScreenRect(main);
    SetWindowPos(main, nullptr, 0, 0, 700, 300, SWP_NOMOVE | SWP_NOZORDER);
    outer = ScreenRect(main);
    EXPECT_GE(outer.bottom - outer.top, 450) << "the window is never lower than 450 pixels";
}

TEST(AboutAndHelp, AboutIsModalAndHelpIsNot) {
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    // Help > About: the last item of the Help menu.
    PressKey(main, 'H', false);
    keybd_event(VK_MENU, 0, 0, 0);
    keybd_event('H', 0, 0, 0);
    keybd_event('H', 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
    PressKey(GetForegroundWindow(), VK_UP);
    PressKey(GetForegroundWindow(), VK_RETURN);
    HWND about = orvane.WaitForWindow("TAboutBox");
    ASSERT_TRUE(about);
    EXPECT_EQ(WindowText(about), "About");
    EXPECT_EQ(ControlText(about, "ProductName"), "Orvane");
    EXPECT_EQ(ControlText(about, "Version"), "Version 1.98");
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(main); }, 5s)) << "the main window waits for the box";
    PressKey(about, VK_ESCAPE);  // no cancel button: Esc does nothing
    EXPECT_TRUE(IsWindowVisible(about));
    PressKey(about, VK_RETURN);  // OK is the default button
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(about) && IsWindowEnabled(main); }, 5s));

    // Help > Using Orvane: the first item.
    SetForegroundWindow(main);
    keybd_event(VK_MENU, 0, 0, 0);
    keybd_event('H', 0, 0, 0);
    keybd_event('H', 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
    PressKey(GetForegroundWindow(), VK_RETURN);
    HWND help = orvane.WaitForWindow("TfrmHelp");
    ASSERT_TRUE(help);
    EXPECT_TRUE(IsWindowEnabled(main)) << "help is not modal";
    EXPECT_EQ(ControlText(help, "Label5"), "Command Line Switches");
    EXPECT_EQ(ControlText(help, "Label6"),
              "/AUTO C:\\DETAILS.TXT           Example:  C:\\ORVANE.EXE /AUTO C:\\DETAILS.TXT");
    EXPECT_EQ(ControlText(help, "Label8"), "/NOCOM");
    PressKey(main, VK_F5);  // the main window goes on working beside it
    EXPECT_TRUE(WaitUntil([&] { return ControlText(main, "Info26") != ""; }));
}

}  // namespace
}  // namespace e2e
