#include "app/status_ticker.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(LockPanelTexts, AKeyHeldDownReadsOffEvenWhenItsLockIsOn) {
    struct Case {
        std::uint8_t state;
        const char* shown;
    };
    const Case cases[] = {
        {0x00, "Off"},  // off, up
        {0x01, "On"},   // on, up
        {0x80, "Off"},  // off, held
        {0x81, "Off"},  // on, held
    };
    for (const Case& c : cases) {
        std::array<std::uint8_t, 256> keyboard{};
        keyboard[kCapsLockKey] = c.state;
        keyboard[kNumLockKey] = 1;
        const LockPanels panels = LockPanelTexts(keyboard);
        EXPECT_EQ(panels.caps, std::string("Caps Lock: ") + c.shown) << int(c.state);
        EXPECT_EQ(panels.num, "Num Lock: On");
        EXPECT_EQ(panels.scroll, "Scroll Lock: Off");
    }
}

TEST(CpuUsagePanelText, ShowsOneDecimalRoundedWithTheUsersSeparator) {
    struct Case {
        double usage;
        char separator;
        const char* shown;
    };
    const Case cases[] = {
        {12.46, '.', "CPU Usage: 12.5 %"},
        {0.5, '.', "CPU Usage: 0.5 %"},     // an idle machine: the sampler's added half shows
        {12.45, ',', "CPU Usage: 12,5 %"},  // halves go up on the decimal digits
        {99.96, '.', "CPU Usage: 100.0 %"},
        {0.04, '.', "CPU Usage: 0.0 %"},
        {-0.04, '.', "CPU Usage: 0.0 %"},   // no minus sign for a value that rounds to zero
        {-1.25, '.', "CPU Usage: -1.3 %"},
    };
    for (const Case& c : cases) EXPECT_EQ(CpuUsagePanelText(c.usage, c.separator), c.shown) << c.usage;
}

TEST(SummaryValueWidth, IsTheOuterWidthLessTheMargin) {
    EXPECT_EQ(SummaryValueWidth(639, 200), 439);
    EXPECT_EQ(SummaryValueWidth(1024, 200), 824);
    EXPECT_EQ(SummaryValueWidth(150, 200), -50);  // the window code clamps what it applies
}

}  // namespace
}  // namespace orvane
