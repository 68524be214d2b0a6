// The memory window as a user opens it: every row filled, the figures the system reports, the gauge,
// and a fresh reading at every showing.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "tests/e2e/harness.h"

namespace e2e {
namespace {

// The number a "#,## bytes" text shows, whatever the user's digit separator is.
unsigned long long DigitsOf(const std::string& text) {
    std::string digits;
    for (char c : text) {
        if (c == '(') break;  // the megabyte figure follows
        if (c >= '0' && c <= '9') digits.push_back(c);
    }
    return digits.empty() ? 0 : std::strtoull(digits.c_str(), nullptr, 10);
}

std::string Hex(ULONG_PTR address) {
    char text[32];
    std::snprintf(text, sizeof text, "%08llX", static_cast<unsigned long long>(address));
    return text;
}

TEST(MemoryWindow, ShowsTheSystemsFiguresFromF7AndTheToolButton) {
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    PressKey(main, VK_F7);
    HWND memory = orvane.WaitForWindow("TfrmMemory");
    ASSERT_TRUE(memory);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(memory, "Info9") != ""; }));
    for (int row = 1; row <= 9; ++row) {
        EXPECT_NE(ControlText(memory, "Info" + std::to_string(row)), "") << "Info" << row;
    }

    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    ASSERT_TRUE(GlobalMemoryStatusEx(&status));
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    const std::string total = ControlText(memory, "Info1");
    EXPECT_EQ(DigitsOf(total), status.ullTotalPhys) << total;
    EXPECT_NE(total.find(" bytes   (" + std::to_string((status.ullTotalPhys >> 20) + 1) + " MB)"), std::string::npos)
        << total;
    EXPECT_EQ(DigitsOf(ControlText(memory, "Info3")), status.ullTotalPageFile);
    EXPECT_EQ(DigitsOf(ControlText(memory, "Info5")), status.ullTotalVirtual);
    EXPECT_EQ(DigitsOf(ControlText(memory, "Info7")), info.dwAllocationGranularity);
    EXPECT_EQ(DigitsOf(ControlText(memory, "Info9")), info.dwPageSize);
    EXPECT_EQ(ControlText(memory, "Info8"), Hex(reinterpret_cast<ULONG_PTR>(info.lpMinimumApplicationAddress)) + " - " +
                                                Hex(reinterpret_cast<ULONG_PTR>(info.lpMaximumApplicationAddress)));
    // The gauge prints the load it shows; the load moves a little between two readings.
    const std::string gauge = ControlText(memory, "Gauge1");
    ASSERT_FALSE(gauge.empty());
    EXPECT_EQ(gauge.back(), '%');
    EXPECT_NEAR(std::atoi(gauge.c_str()), static_cast<int>(status.dwMemoryLoad), 10) << gauge;

    // Close only hides; showing again reads everything afresh.
    SendMessageA(FindControl(memory, "Info1"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("marker"));
    PostMessageA(memory, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(memory); }, 5s));
    ASSERT_TRUE(orvane.ClickToolButton(main, 3));  // Memory
    ASSERT_TRUE(orvane.WaitForWindow("TfrmMemory"));
    EXPECT_TRUE(WaitUntil([&] { return DigitsOf(ControlText(memory, "Info1")) == status.ullTotalPhys; }, 10s))
        << ControlText(memory, "Info1");
}

}  // namespace
}  // namespace e2e
