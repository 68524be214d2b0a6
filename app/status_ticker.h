#pragma once
// The texts of the main window's status bar, which its once-a-second ticker refreshes.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace orvane {

inline constexpr int kStatusPanelCount = 6;
inline constexpr int kStatusPanelWidth = 100;
inline constexpr std::array<const char*, kStatusPanelCount> kInitialStatusTexts = {
    "Date: ", "Time:", "CPU Usage:", "Num Lock: ", "Caps Lock:", "Scroll Lock:"};

// Virtual-key codes of the three lock keys.
inline constexpr int kNumLockKey = 0x90;
inline constexpr int kCapsLockKey = 0x14;
inline constexpr int kScrollLockKey = 0x91;

// "On" only for a key that is toggled on and not held down (its state byte is exactly 1).
const char* LockStateText(std::uint8_t keyState);

struct LockPanels {
    std::string num;
    std::string caps;
    std::string scroll;
};
LockPanels LockPanelTexts(const std::array<std::uint8_t, 256>& keyboard);

// "CPU Usage: 12.5 %".
std::string CpuUsagePanelText(double usage, char decimalSeparator);

// The summary's value controls follow the window's outer width (the resize rule).
int SummaryValueWidth(int outerWidth, int margin);

}  // namespace orvane
