// The windows on a screen of more than 96 DPI: every design pixel is scaled, so a window looks the
// size it has at 96 DPI. Run through dpi_fixture.sh, which sets the screen to 144 DPI.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/e2e/harness.h"

namespace e2e {
namespace {

TEST(HighDpi, DesignPixelsAreScaledToTheScreen) {
    char value[16] = {};
    if (!GetEnvironmentVariableA("ORVANE_E2E_DPI", value, sizeof value)) {
        GTEST_SKIP() << "run through dpi_fixture.sh, which sets the screen's DPI";
    }
    const int dpi = std::atoi(value);
    auto scaled = [&](int pixels) { return MulDiv(pixels, dpi, 96); };
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    const RECT label = ScreenRect(FindControl(main, "Desc1"));
    const RECT nextLabel = ScreenRect(FindControl(main, "Desc2"));
    const RECT value1 = ScreenRect(FindControl(main, "Info1"));
    EXPECT_EQ(label.right - label.left, scaled(130));
    EXPECT_EQ(label.bottom - label.top, scaled(22));
    EXPECT_EQ(nextLabel.top - label.top, scaled(32)) << "rows 32 design pixels apart";
    EXPECT_EQ(value1.left - label.left, scaled(152 - 8));

    // A window whose size is its client area: About's 298 x 226.
    SetForegroundWindow(main);
    PressAltKey(main, 'H');
    PressKey(GetForegroundWindow(), VK_UP);
    PressKey(GetForegroundWindow(), VK_RETURN);
    HWND about = orvane.WaitForWindow("TAboutBox");
    ASSERT_TRUE(about);
    RECT client{};
    GetClientRect(about, &client);
    EXPECT_EQ(client.right, scaled(298));
    EXPECT_EQ(client.bottom, scaled(226));
    PressKey(about, VK_RETURN);
}

TEST(HighDpi, TheDisplayWindowShowsTheScreensFontResolution) {
    char value[16] = {};
    if (!GetEnvironmentVariableA("ORVANE_E2E_DPI", value, sizeof value)) {
        GTEST_SKIP() << "run through dpi_fixture.sh, which sets the screen's DPI";
    }
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    PressKey(main, VK_F8);
    HWND display = orvane.WaitForWindow("TfrmDisplay");
    ASSERT_TRUE(display);
    const std::string expected = std::to_string(std::atoi(value)) + " dpi";
    EXPECT_TRUE(WaitUntil([&] { return ControlText(display, "Info9") == expected; }, 10s))
        << ControlText(display, "Info9");
    // The window keeps its designed client area, scaled.
    RECT client{};
    GetClientRect(display, &client);
    EXPECT_EQ(client.right, MulDiv(497, std::atoi(value), 96));
}

}  // namespace
}  // namespace e2e
