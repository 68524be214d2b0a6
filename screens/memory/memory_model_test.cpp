#include "screens/memory/memory_model.h"

#include <gtest/gtest.h>

#include "platform/testing/test_machine.h"

namespace orvane {
namespace {

TEST(MemoryTexts, SizeTextGroupsDigitsAndCountsOneMoreMegabyte) {
    struct Case {
        std::uint64_t bytes;
        const char* shown;
    };
    const Case cases[] = {
        {536870912, "536,870,912 bytes   (513 MB)"},  // an exact multiple still shows one more
        {536870911, "536,870,911 bytes   (512 MB)"},
        {0, " bytes   (1 MB)"},  // zero has no digits
        {3221225472, "3,221,225,472 bytes   (3073 MB)"},
        {4294967295, "4,294,967,295 bytes   (4096 MB)"},
        // Counts past 32 bits, as every machine with more than 4 GB reports them.
        {17179869184, "17,179,869,184 bytes   (16385 MB)"},
        {68719476735, "68,719,476,735 bytes   (65536 MB)"},
        {140737488224256, "140,737,488,224,256 bytes   (134217728 MB)"},
    };
    for (const Case& c : cases) EXPECT_EQ(SizeText(c.bytes, ","), c.shown) << c.bytes;
}

TEST(MemoryTexts, ByteTextUsesTheUsersSeparator) {
    EXPECT_EQ(ByteText(65536, ","), "65,536 bytes");
    EXPECT_EQ(ByteText(4096, "."), "4.096 bytes");
    EXPECT_EQ(ByteText(1234567, "\xA0"),
              "1\xA0"
              "234\xA0"
              "567 bytes");
    EXPECT_EQ(ByteText(999, ","), "999 bytes");
    EXPECT_EQ(ByteText(1000, ""), "1000 bytes");
}

TEST(MemoryTexts, AddressRangeKeepsEveryDigitOfTheAddress) {
    EXPECT_EQ(AddressRangeText(0x00010000, 0x7FFEFFFF), "00010000 - 7FFEFFFF");
    EXPECT_EQ(AddressRangeText(0x10000, 0x7FFFFFFEFFFF), "00010000 - 7FFFFFFEFFFF");
    EXPECT_EQ(AddressText(0), "00000000");
    EXPECT_EQ(AddressText(0xFFFFFFFFFFFFFFFF), "FFFFFFFFFFFFFFFF");
}

TEST(ReadMemoryWindow, FillsTheNineValuesAndTheLoadInOrder) {
    testing::TestMachine machine;
    machine.memoryStatus = platform::MemoryStatus{43, 8589934592, 4294967296, 1073741824, 0, 2147352576, 1048576};
    machine.memoryLayout = {4096, 65536, 0x10000, 0x7FFEFFFF};
    machine.thousandSeparator = ",";
    const MemoryWindowTexts texts = ReadMemoryWindow(machine);
    EXPECT_EQ(texts.values[0], "8,589,934,592 bytes   (8193 MB)");
    EXPECT_EQ(texts.values[1], "4,294,967,296 bytes   (4097 MB)");
    EXPECT_EQ(texts.values[2], "1,073,741,824 bytes   (1025 MB)");
    EXPECT_EQ(texts.values[3], " bytes   (1 MB)");
    EXPECT_EQ(texts.values[4], "2,147,352,576 bytes   (2048 MB)");
    EXPECT_EQ(texts.values[5], "1,048,576 bytes   (2 MB)");
    EXPECT_EQ(texts.values[6], "65,536 bytes");
    EXPECT_EQ(texts.values[7], "00010000 - 7FFEFFFF");
    EXPECT_EQ(texts.values[8], "4,096 bytes");
    EXPECT_EQ(texts.load, 43);
}

TEST(ReadMemoryWindow, AFailedStatusLeavesTheCountsEmptyRatherThanZero) {
    testing::TestMachine machine;
    machine.memoryLayout = {4096, 65536, 0x10000, 0x7FFEFFFF};
    machine.thousandSeparator = ".";
    const MemoryWindowTexts texts = ReadMemoryWindow(machine);
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(texts.values[i], "") << i;
    EXPECT_EQ(texts.load, 0);
    EXPECT_EQ(texts.values[8], "4.096 bytes");
}

}  // namespace
}  // namespace orvane
