#include "screens/cpu/cpu_window_display.h"

#include <cmath>

#include "core/text.h"

namespace orvane {

std::string SpeedDigits(double megahertz) {
    // The measurement stays below 8590 MHz (a 32-bit count over half a second); anything else is not
    // a speed and shows as none.
    const double whole = std::isfinite(megahertz) && megahertz > 0 && megahertz < 1e9 ? std::trunc(megahertz) : 0;
    return Format("%.5d", static_cast<int>(whole)).substr(0, kSpeedDigitCount);
}

std::string CounterDigits(std::uint64_t counter) {
    return Format("%.16llu", static_cast<unsigned long long>(counter)).substr(0, kCounterDigitCount);
}

std::string CounterFailureDigits() {
    return std::string(kCounterDigitCount, '0');
}

std::string UsageLabelText(double usage, char decimalSeparator) {
    return FormatOneDecimal(usage, decimalSeparator) + " %";
}

int UsageGaugePosition(double usage) {
    if (!std::isfinite(usage) || usage <= 0) return 0;
    if (usage >= 100) return 100;
    return static_cast<int>(usage);
}

int DigitValue(char c) {
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

}  // namespace orvane
