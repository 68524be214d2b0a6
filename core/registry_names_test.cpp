#include "core/registry_names.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>

namespace orvane {
namespace {

// A key's names as the ANSI enumeration calls answer them: a name that does not fit the buffer with its
// NUL answers ERROR_MORE_DATA and leaves the length as it was (as Wine does); `failAt` answers another
// error there. Every call is logged as (index, buffer bytes).
struct FakeKey {
    std::vector<std::string> names;
    std::optional<std::uint32_t> failAt;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> calls;

    NameEnumeration Call() {
        return [this](std::uint32_t index, char* buffer, std::uint32_t& length) -> long {
            calls.push_back({index, length});
            if (failAt && index == *failAt) return 5;  // ERROR_ACCESS_DENIED
            if (index >= names.size()) return kEnumNoMoreItems;
            const std::string& name = names[index];
            if (name.size() + 1 > length) return kEnumMoreData;
            std::memcpy(buffer, name.c_str(), name.size() + 1);
            length = static_cast<std::uint32_t>(name.size());
            return kEnumSuccess;
        };
    }
};

// 255 characters of a double-byte code page: 510 bytes, twice the first buffer.
std::string DoubleByteName(std::size_t characters) {
    std::string name;
    for (std::size_t i = 0; i < characters; ++i) name += "\x82\xA0";  // HIRAGANA LETTER A in code page 932
    return name;
}

TEST(EnumerateNames, ALongNameMakesTheBufferGrowAndTheNamesAfterItStillCome) {
    struct Case {
        const char* what;
        std::vector<std::string> names;
        std::size_t firstBytes;
        std::size_t largestBytes;
    };
    const Case cases[] = {
        {"a 255-character key name in a double-byte code page first",
         {DoubleByteName(255), "Alpha", "Zeta"},
         kKeyNameFirstBytes,
         kKeyNameLargestBytes},
        {"one in the middle", {"Alpha", "1" + DoubleByteName(254), "Zeta"}, kKeyNameFirstBytes, kKeyNameLargestBytes},
        {"a name that fits exactly", {std::string(255, 'k'), "Zeta"}, kKeyNameFirstBytes, kKeyNameLargestBytes},
        {"a 16383-character value name in a double-byte code page",
         {"Before", DoubleByteName(16383), "After"},
         kValueNameFirstBytes,
         kValueNameLargestBytes},
        {"no names at all", {}, kKeyNameFirstBytes, kKeyNameLargestBytes},
    };
    for (const Case& c : cases) {
        FakeKey key{c.names, std::nullopt, {}};
        EXPECT_EQ(EnumerateNames(key.Call(), c.firstBytes, c.largestBytes), c.names) << c.what;
    }
}

TEST(EnumerateNames, TheSameIndexIsAskedAgainWithTwiceTheBuffer) {
    FakeKey key{{"A", DoubleByteName(255), "Z"}, std::nullopt, {}};
    EnumerateNames(key.Call(), 256, 1024);
    using Call = std::pair<std::uint32_t, std::uint32_t>;
    EXPECT_EQ(key.calls, (std::vector<Call>{{0, 256}, {1, 256}, {1, 512}, {2, 512}, {3, 512}}));
}

TEST(EnumerateNames, ANameLongerThanTheLargestBufferIsPassedOverAndAnErrorEndsTheWalk) {
    FakeKey tooLong{{"Alpha", std::string(2000, 'x'), "Zeta"}, std::nullopt, {}};
    EXPECT_EQ(EnumerateNames(tooLong.Call(), 256, 1024), (std::vector<std::string>{"Alpha", "Zeta"}));
    FakeKey refused{{"Alpha", "Middle", "Zeta"}, 1, {}};
    EXPECT_EQ(EnumerateNames(refused.Call(), 256, 1024), (std::vector<std::string>{"Alpha"}));
}

}  // namespace
}  // namespace orvane
