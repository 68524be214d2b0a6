#include "app/status_ticker.h"

#include "core/text.h"

namespace orvane {

const char* LockStateText(std::uint8_t keyState) { return keyState == 1 ? "On" : "Off"; }

LockPanels LockPanelTexts(const std::array<std::uint8_t, 256>& keyboard) {
    return {std::string("Num Lock: ") + LockStateText(keyboard[kNumLockKey]),
            std::string("Caps Lock: ") + LockStateText(keyboard[kCapsLockKey]),
            std::string("Scroll Lock: ") + LockStateText(keyboard[kScrollLockKey])};
}

std::string CpuUsagePanelText(double usage, char decimalSeparator) {
    return "CPU Usage: " + FormatOneDecimal(usage, decimalSeparator) + " %";
}

int SummaryValueWidth(int outerWidth, int margin) { return outerWidth - margin; }

}  // namespace orvane
