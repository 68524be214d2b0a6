#include "screens/cpu/cpu_window_display.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "cpu/cpu_speed.h"

namespace orvane {
namespace {

TEST(CPUWindowDigits, SpeedShowsTheWholeMegahertzAsFiveDigits) {
    struct Case {
        double megahertz;
        const char* digits;
    };
    const Case cases[] = {
        {CyclesToMHz(0, 1396695000ull), "02793"},        // 2793.39 MHz
        {CyclesToMHz(0, (1ull << 32) + 1000), "00000"},  // 0.002 MHz: the counter wrapped
        {66.99, "00066"},                                // the fraction is dropped, not rounded
        {8589.934592, "08589"},                          // the fastest a half-second count can show
        {99999.5, "99999"},
        {0.0, "00000"},
        {-1.0, "00000"},                                      // not a speed
        {std::numeric_limits<double>::quiet_NaN(), "00000"},  // nor this
        {1e300, "00000"},
    };
    for (const Case& c : cases) EXPECT_EQ(SpeedDigits(c.megahertz), c.digits) << c.megahertz;
}

TEST(CPUWindowDigits, CounterShowsSixteenDigits) {
    struct Case {
        std::uint64_t counter;
        const char* digits;
    };
    const Case cases[] = {
        {123456789012ull, "0000123456789012"},
        {0, "0000000000000000"},
        {9999999999999999ull, "9999999999999999"},
        // Past sixteen digits the display shows the first sixteen of them.
        {18446744073709551615ull, "1844674407370955"},
        {10000000000000000ull, "1000000000000000"},
    };
    for (const Case& c : cases) EXPECT_EQ(CounterDigits(c.counter), c.digits) << c.counter;
    EXPECT_EQ(CounterFailureDigits(), "0000000000000000");
}

TEST(CPUWindowDigits, DigitValuesOfTheTexts) {
    for (char c = '0'; c <= '9'; ++c) EXPECT_EQ(DigitValue(c), c - '0');
    for (char c : {'-', ' ', 'A', '\0', '/', ':'}) EXPECT_EQ(DigitValue(c), -1) << static_cast<int>(c);
}

TEST(CPUWindowUsage, LabelAndGauges) {
    struct Case {
        double usage;
        char separator;
        const char* label;
        int gauge;
    };
    // clang-format off
    const Case cases[] = {
        {10.5,  '.', "10.5 %",  10},
        {55.5,  ',', "55,5 %",  55},
        {0.5,   '.', "0.5 %",   0},    // an idle machine
        {12.46, '.', "12.5 %",  12},
        {99.96, '.', "100.0 %", 99},
        {100.5, '.', "100.5 %", 100},  // a full machine, with the half added
        {-0.3,  '.', "-0.3 %",  0},    // counters that ran unevenly stay within the gauges
        {250.0, '.', "250.0 %", 100},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(UsageLabelText(c.usage, c.separator), c.label) << c.usage;
        EXPECT_EQ(UsageGaugePosition(c.usage), c.gauge) << c.usage;
    }
    EXPECT_EQ(UsageGaugePosition(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(UsageGaugePosition(std::numeric_limits<double>::infinity()), 0);
}

}  // namespace
}  // namespace orvane
