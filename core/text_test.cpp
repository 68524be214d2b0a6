#include "core/text.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(Trim, RemovesEverythingUpToCode32OnBothSides) {
    struct Case {
        std::string in;
        std::string out;
    };
    const Case cases[] = {
        {"  Intel(R) Core(TM)  ", "Intel(R) Core(TM)"},  // inner spaces stay
        {std::string("\0\0ab\0 \t", 7), "ab"},            // zero bytes count as blanks
        {"\x01\x1F x \x20", "x"},
        {"    ", ""},
        {"\x80" "a\xFF", "\x80" "a\xFF"},  // high ANSI characters are text, not blanks
    };
    for (const Case& c : cases) EXPECT_EQ(Trim(c.in), c.out) << c.in;
}

TEST(TextUpToNul, StopsAtTheFirstZeroByteOrTheEnd) {
    const std::vector<std::uint8_t> withNul = {'a', 'b', 0, 'c'};
    const std::vector<std::uint8_t> withoutNul = {'a', 'b', 'c'};
    EXPECT_EQ(TextUpToNul(withNul), "ab");
    EXPECT_EQ(TextUpToNul(withoutNul), "abc");
    EXPECT_EQ(TextUpToNul(std::vector<std::uint8_t>{}), "");
}

}  // namespace
}  // namespace orvane
