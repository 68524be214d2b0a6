#include "cpu/cpu_features.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "cpu/cpu_id.h"
#include "platform/testing/test_machine.h"

namespace orvane {
namespace {

using testing::TestMachine;

// clang-format off
const char* const kCaptions[25] = {
    "3D Now! extensions",
    "Enhanced 3D Now! extensions",
    "Enhanced MMX extensions",
    "SIMD instructions",
    "FXSAVE/FXRSTOR instruction",
    "MMX extensions",
    "Serial number",
    "36bit Page Size Extension",
    "Page Attribute Table",
    "CMOVcc (+FCMOVcc/F(U)COMI(P) opcodes",
    "Machine Check Architecture",
    "Page Global Extension",
    "Memory Type Range Registers",
    "SYSENTER/SYSEXIT extension",
    "Processor contains an enabled APIC",
    "CMPXCHG8B instruction",
    "Machine Check Exception",
    "Physical Address Extension",
    "Model Specific Registers",
    "Time Stamp Counter",
    "Page Size Extension",
    "Debugging Extension",
    "Virtual Mode Extension",
    "Built-In FPU",
    "FDIV Bug",
};
// clang-format on

// The check list of a processor whose leaf 1 and leaf 0x80000001 answer with these EDX values.
std::vector<CheckListEntry> CheckListFor(std::uint32_t leaf1Edx, std::uint32_t extendedEdx, bool fdivBug = false) {
    TestMachine machine;
    machine.cpuidLeaves[1] = {0x00000F29, 0, 0, leaf1Edx};
    machine.cpuidLeaves[0x80000000u] = {0x80000004u, 0, 0, 0};
    machine.cpuidLeaves[0x80000001u] = {0, 0, 0, extendedEdx};
    TCPUFeatures features;
    FillCPUFeatures(machine, features);
    return CPUFeatureCheckList(features, fdivBug);
}

std::string Marks(const std::vector<CheckListEntry>& entries) {
    std::string marks;
    for (const CheckListEntry& entry : entries) marks += entry.checked ? '1' : '0';
    return marks;
}

TEST(CPUFeatureCheckList, TwentyFiveEntriesInDisplayOrder) {
    const auto entries = CheckListFor(0xBFEBFBFF, 0);
    ASSERT_EQ(entries.size(), 25u);
    for (std::size_t i = 0; i < entries.size(); ++i) EXPECT_EQ(entries[i].caption, kCaptions[i]) << i;
    // Every leaf-1 feature but the serial number (bit 18 clear); none of the three extensions.
    EXPECT_EQ(Marks(entries), "0001110111111111111111110");
}

TEST(CPUFeatureCheckList, EachFlagComesFromItsOwnBit) {
    struct Case {
        std::uint32_t leaf1Edx;
        std::uint32_t extendedEdx;
        const char* marks;
    };
    // clang-format off
    const Case cases[] = {
        {0,                   1u << 24, "0010000000000000000000000"},  // Enhanced MMX alone
        {0,                   1u << 22, "0010000000000000000000000"},
        {0,                   1u << 30, "0100000000000000000000000"},
        {0,                   1u << 31, "1000000000000000000000000"},
        {0,                   0x3EBFFFFF, "0000000000000000000000000"},  // other extended bits mean nothing here
        {1u << 18,            0, "0000001000000000000000000"},
        {1u << 25,            0, "0001000000000000000000000"},
        {1u << 9,             0, "0000000000000010000000000"},
        {1u << 0,             0, "0000000000000000000000010"},
        // Bits 10, 19-22 and 26-31 are not features of the list.
        {0xFC780400,          0, "0000000000000000000000000"},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(Marks(CheckListFor(c.leaf1Edx, c.extendedEdx)), c.marks)
            << std::hex << c.leaf1Edx << " " << c.extendedEdx;
    }
    EXPECT_EQ(Marks(CheckListFor(0, 0, true)), "0000000000000000000000001");
}

TEST(FillCPUFeatures, ReadsTheExtendedLeafOnlyWhereItExists) {
    // A Pentium III without extended leaves answers 0x80000000 and 0x80000001 with its highest basic
    // leaf, the serial-number leaf, whose bits would otherwise show as 3D Now! extensions.
    for (std::uint32_t highest : {0x00000003u, 0x80000000u, 0x80010000u, 0u}) {
        TestMachine machine;
        machine.cpuidLeaves[1] = {0x00000673, 0, 0, 0x0387F9FF};
        machine.cpuidLeaves[0x80000000u] = {highest, 0, 0x8EF18AEE, 0xC140D043};
        machine.cpuidLeaves[0x80000001u] = {highest, 0, 0x8EF18AEE, 0xC140D043};
        TCPUFeatures features;
        FillCPUFeatures(machine, features);
        EXPECT_FALSE(features._3DNOW) << std::hex << highest;
        EXPECT_FALSE(features.EX_3DNOW) << std::hex << highest;
        EXPECT_FALSE(features.EX_MMX) << std::hex << highest;
        EXPECT_TRUE(features.SIMD);
        EXPECT_EQ(std::count(machine.cpuidCalls.begin(), machine.cpuidCalls.end(), 0x80000001u), 0);
    }
    TestMachine athlon;
    athlon.cpuidLeaves[0x80000000u] = {0x80000001u, 0, 0, 0};
    athlon.cpuidLeaves[0x80000001u] = {0, 0, 0, 0xC0000000u};
    TCPUFeatures features;
    FillCPUFeatures(athlon, features);
    EXPECT_TRUE(features._3DNOW);
    EXPECT_TRUE(features.EX_3DNOW);
}

TEST(ListCPUFeatures, AppendsOrReplacesTheLines) {
    TCPUFeatures features;
    features.MMX = true;
    std::vector<std::string> lines = {"kept"};
    ListCPUFeatures(features, false, lines);
    ASSERT_EQ(lines.size(), 25u);
    EXPECT_EQ(lines[0], "kept");
    EXPECT_EQ(lines[6], "MMX extensions: Yes");
    EXPECT_EQ(lines[10], "CMOVcc (+FCMOVcc/F(U)COMI(P) opcodes: No");
    ListCPUFeatures(features, true, lines);
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines[0], "3D Now! extensions: No");
    EXPECT_EQ(lines[23], "Built-In FPU: No");
    EXPECT_STREQ(YesNoText(true), "Yes");
    EXPECT_STREQ(YesNoText(false), "No");
}

TEST(MakeCheckListEntries, CaptionBeforeTheFirstColonCheckedOnlyByYes) {
    struct Case {
        const char* line;
        const char* caption;
        bool checked;
    };
    // clang-format off
    const Case cases[] = {
        {"FDIV Bug: Yes",  "FDIV Bug", true },
        {"FDIV Bug: No",   "FDIV Bug", false},
        {"A: yes",         "A",        false},
        {"A: Yes ",        "A",        false},
        {"A:Yes",          "A",        false},  // the value starts two characters after the colon
        {"A: B: Yes",      "A",        false},
        {"A:",             "A",        false},
        {"no colon",       "no colon", false},
    };
    // clang-format on
    for (const Case& c : cases) {
        const auto entries = MakeCheckListEntries({c.line});
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(entries[0].caption, c.caption) << c.line;
        EXPECT_EQ(entries[0].checked, c.checked) << c.line;
    }
}

TEST(FillCPUCache, DecodesTheDescriptorBytesLaterOnesWinning) {
    struct Case {
        const char* what;
        platform::CpuidRegisters leaf2;
        TCPUCache expected;
        bool listsCaches;
    };
    // clang-format off
    const Case cases[] = {
        {"Katmai",              {0x03020101, 0, 0, 0x0C040843},          {16, 16, 0, 512},   true },
        {"0x40 after 0x43",     {0x03020101, 0, 0, 0x40430000},          {0, 0, 0, 0},       true },
        {"0x43 after 0x40",     {0x43400001, 0, 0, 0},                   {0, 0, 0, 512},     true },
        {"every size",          {0x06800A01, 0x0045080C, 0, 0},          {16, 16, 16, 2048}, true },
        {"no known descriptor", {0x665B5001, 0, 0, 0x007A7040},          {0, 0, 0, 0},       true },
        {"see leaf 4",          {0x00FEFF01, 0x000000F0, 0, 0},          {0, 0, 0, 0},       false},
        {"nothing",             {0, 0, 0, 0},                            {0, 0, 0, 0},       false},
        // The register-invalid bit is not tested: 0x82 in EDX's top byte still counts.
        {"invalid bit ignored", {0x00000001, 0, 0, 0x82000000},          {0, 0, 0, 256},     true },
    };
    // clang-format on
    for (const Case& c : cases) {
        TestMachine machine;
        machine.cpuidLeaves[2] = c.leaf2;
        TCPUCache cache;
        cache.Level2 = 77;  // filling starts from 0
        FillCPUCache(machine, cache);
        EXPECT_EQ(cache.L1Data, c.expected.L1Data) << c.what;
        EXPECT_EQ(cache.L1Code, c.expected.L1Code) << c.what;
        EXPECT_EQ(cache.Level1, c.expected.Level1) << c.what;
        EXPECT_EQ(cache.Level2, c.expected.Level2) << c.what;
        EXPECT_EQ(CacheLeafListsCaches(c.leaf2), c.listsCaches) << c.what;
    }
}

TEST(FillCPUCache, RepeatsTheLeafByItsCountAndDecodesTheLastAnswer) {
    TestMachine machine;
    machine.cpuidSequences[2] = {
        {0x00000003, 0, 0, 0x43000000},
        {0x00000003, 0, 0, 0x44000000},
        {0x00000003, 0, 0, 0x41000000},
        {0x00000003, 0, 0, 0x45000000},
    };
    TCPUCache cache;
    FillCPUCache(machine, cache);
    EXPECT_EQ(machine.cpuidCalls, (std::vector<std::uint32_t>{2, 2, 2}));
    EXPECT_EQ(cache.Level2, 128);

    TestMachine none;  // a count of 0 still executes the leaf once
    FillCPUCache(none, cache);
    EXPECT_EQ(none.cpuidCalls, (std::vector<std::uint32_t>{2}));
}

}  // namespace
}  // namespace orvane
