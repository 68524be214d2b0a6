// What the user sees when the program's own code fails: windows taken down without reading freed
// memory (Teardown), and a handler that throws inside a scroll box ending in the error box while the
// program goes on (GuardedHandlers).
#include <gtest/gtest.h>

#include "tests/e2e/harness.h"

namespace e2e {
namespace {

// With its checks on (WINEDEBUG=warn+heap), Wine's heap fills each block with 0xFEEEFEEE as it is
// freed. Without them a freed block keeps most of what it held, so a read after the free usually finds
// the old value and goes unnoticed; with them a pointer read from freed state faults.
constexpr const char* kHeapChecks = "-all,warn+heap";

TEST(Teardown, TheBatchRunEndsWithoutReadingFreedMemory) {
    ScopedVariable heap("WINEDEBUG", kHeapChecks);
    const std::string path = MakeTempDir() + "\\report.txt";
    Orvane orvane("/AUTO \"" + path + "\"");
    EXPECT_EQ(orvane.WaitForExit(120s), std::optional<DWORD>(0)) << "the run ended through a fault, or not at all";
    EXPECT_TRUE(FileExists(path));
}

TEST(Teardown, EveryWindowGoesWithoutReadingFreedMemory) {
    ScopedVariable heap("WINEDEBUG", kHeapChecks);
    Orvane orvane("");
    HWND main = orvane.Main(60s);
    ASSERT_TRUE(main);
    // The windows whose scroll boxes, panels and gauges are shown before they all go.
    for (const auto& [key, window] : {std::pair{VK_F8, "TfrmDisplay"}, std::pair{VK_F9, "TfrmDisk"},
                                      std::pair{VK_F7, "TfrmMemory"}, std::pair{VK_F11, "TfrmCPU"}}) {
        PressKey(main, static_cast<WORD>(key));
        HWND shown = orvane.WaitForWindow(window, 60s);
        EXPECT_TRUE(shown) << window;
        // The window has finished opening (its refresh included) before the next key goes to the main one.
        DWORD_PTR answer = 0;
        SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &answer);
    }
    PressKey(main, VK_F12);  // File > Exit
    EXPECT_EQ(orvane.WaitForExit(60s), std::optional<DWORD>(0)) << "the run ended through a fault, or not at all";
}

// The display window's drop-down sits in a scroll box, whose procedure runs its handlers.
class GuardedHandlers : public ::testing::Test {
protected:
    // Opens the display window of a run whose drop-down's handler throws as the variable plants it,
    // and picks the drop-down's first entry the way a user's choice reaches the program.
    void ChooseAdapter(Orvane& orvane) {
        HWND main = orvane.Main(60s);
        ASSERT_TRUE(main);
        PressKey(main, VK_F8);
        display = orvane.WaitForWindow("TfrmDisplay", 60s);
        ASSERT_TRUE(display);
        combo = FindControl(display, "cbDisplay");
        ASSERT_TRUE(combo);
        ASSERT_EQ(GetAncestor(combo, GA_PARENT), FindControl(display, "ScrollBox1")) << "the drop-down is in the box";
        SendMessageA(combo, CB_SETCURSEL, 0, 0);
        // Posted: the handler's error box holds it until OK is pressed.
        PostMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo));
    }
    // The program still answers and its windows are usable.
    void ExpectAlive(Orvane& orvane) {
        EXPECT_TRUE(orvane.Running());
        DWORD_PTR answer = 0;
        EXPECT_TRUE(SendMessageTimeoutA(display, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer));
        EXPECT_TRUE(IsWindowVisible(display));
        PressKey(orvane.Main(), VK_F12);
        EXPECT_EQ(orvane.WaitForExit(60s), std::optional<DWORD>(0));
    }
    HWND display = nullptr;
    HWND combo = nullptr;
};

TEST_F(GuardedHandlers, AUserErrorInsideAScrollBoxReachesTheErrorBox) {
    ScopedVariable fault("ORVANE_TEST_FAULT", "cbDisplay");
    Orvane orvane("");
    ChooseAdapter(orvane);
    if (HasFatalFailure()) return;
    const auto box = WaitForMessageBox(orvane.Pid());
    ASSERT_TRUE(box) << "no error box; the program is " << (orvane.Running() ? "running" : "gone");
    EXPECT_EQ(box->caption, "Orvane");
    EXPECT_EQ(box->text, "Planted fault in cbDisplay");
    PressOk(*box);
    ExpectAlive(orvane);
}

TEST_F(GuardedHandlers, AnotherErrorEndsTheCommandAndNotTheProgram) {
    ScopedVariable fault("ORVANE_TEST_FAULT", "cbDisplay:internal");
    Orvane orvane("");
    ChooseAdapter(orvane);
    if (HasFatalFailure()) return;
    const auto box = WaitForMessageBox(orvane.Pid());
    ASSERT_TRUE(box) << "no error box; the program is " << (orvane.Running() ? "running" : "gone");
    EXPECT_EQ(box->text, "Planted internal fault in cbDisplay");
    PressOk(*box);
    ExpectAlive(orvane);
}

}  // namespace
}  // namespace e2e
