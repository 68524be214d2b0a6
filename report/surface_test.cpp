#include "report/surface.h"

#include <gtest/gtest.h>

#include "report/testing/recording_surface.h"

namespace orvane::report {
namespace {

using testing::RecordingSurface;

TEST(WrapText, BreaksAtSpacesWithinTheWidth) {
    RecordingSurface surface;  // 2 mm a character
    struct Case {
        std::string text;
        double width;
        std::vector<std::string> lines;
    } cases[] = {
        {"alpha beta gamma", 20, {"alpha beta", "gamma"}},
        {"alpha beta gamma", 100, {"alpha beta gamma"}},
        {"", 20, {""}},                                                // an empty field still has its line
        {"unbreakablewordthatislong short", 10, {"unbreakablewordthatislong", "short"}},  // never split a word
        {"a  b", 4, {"a", "b"}},                                        // the spaces at a break go
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WrapText(surface, {}, c.text, c.width), c.lines) << c.text;
    }
}

}  // namespace
}  // namespace orvane::report
