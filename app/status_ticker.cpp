#include "app/status_ticker.h"

#include <cmath>

#include "core/text.h"

namespace orvane {

const char* LockStateText(std::uint8_t keyState) { return keyState == 1 ? "On" : "Off"; }

LockPanels LockPanelTexts(const std::array<std::uint8_t, 256>& keyboard) {
    return {std::string("Num Lock: ") + LockStateText(keyboard[kNumLockKey]),
            std::string("Caps Lock: ") + LockStateText(keyboard[kCapsLockKey]),
            std::string("Scroll Lock: ") + LockStateText(keyboard[kScrollLockKey])};
}

std::string FormatOneDecimal(double value, char decimalSeparator) {
    if (!std::isfinite(value)) return std::string("0") + decimalSeparator + "0";
    // Round on the decimal digits, not on the binary value: 12.45 shows 12.5 as the user expects.
    const std::string digits = Format("%.10f", std::fabs(value));
    const std::size_t point = digits.find('.');
    std::string whole = digits.substr(0, point);
    int tenths = digits[point + 1] - '0';
    if (digits[point + 2] >= '5' && ++tenths == 10) {
        tenths = 0;
        int i = static_cast<int>(whole.size()) - 1;
        for (; i >= 0 && whole[static_cast<std::size_t>(i)] == '9'; --i) whole[static_cast<std::size_t>(i)] = '0';
        if (i < 0) {
            whole.insert(whole.begin(), '1');
        } else {
            ++whole[static_cast<std::size_t>(i)];
        }
    }
    const bool negative = value < 0 && (whole != "0" || tenths != 0);
    return (negative ? "-" : "") + whole + decimalSeparator + static_cast<char>('0' + tenths);
}

std::string CpuUsagePanelText(double usage, char decimalSeparator) {
    return "CPU Usage: " + FormatOneDecimal(usage, decimalSeparator) + " %";
}

int SummaryValueWidth(int outerWidth, int margin) { return outerWidth - margin; }

}  // namespace orvane
