#include "screens/cpu/cpu_model.h"

#include <gtest/gtest.h>

#include "core/error.h"
#include "platform/testing/test_machine.h"

namespace orvane {
namespace {

using testing::TestMachine;

// A Pentium III Coppermine with 256 KB of level-2 cache, as its CPUID answers.
void MakeCoppermine(TestMachine& machine) {
    machine.cpuidLeaves[0] = {0x00000002, 0x756E6547, 0x6C65746E, 0x49656E69};
    machine.cpuidLeaves[1] = {0x0000068A, 0x00000002, 0x00000000, 0x0383F9FF};
    machine.cpuidLeaves[2] = {0x03020101, 0x00000000, 0x00000000, 0x0C040882};
    // No extended range: the processor repeats leaf 2.
    machine.cpuidLeaves[0x80000000u] = machine.cpuidLeaves[2];
    machine.cpuidLeaves[0x80000001u] = machine.cpuidLeaves[2];
}

TEST(ReadCPUWindowInfo, FillsEveryRowOfACoppermine) {
    TestMachine machine;
    MakeCoppermine(machine);
    // A dual Pentium III under Windows 2000, which has no processor records: the designed count.
    machine.processors = 2;
    machine.packages = 0;
    machine.hasProcessorRelationsEx = false;
    machine.hasProcessorRelations = false;
    const CPUWindowInfo info = ReadCPUWindowInfo(machine, 400);
    EXPECT_EQ(info.brand, "");
    EXPECT_EQ(info.chip, "2 x Pentium III E");
    EXPECT_EQ(info.model, "Model ID: Family 6  Model 8  Stepping 10");
    EXPECT_EQ(info.codeName, "Coppermine (0.18 \xB5m)");
    EXPECT_EQ(info.vendor, "Intel Corporation");
    EXPECT_EQ(info.busSpeed, "100 MHz");
    EXPECT_EQ(info.transistors, "28100000");
    EXPECT_EQ(info.serial, "0000-068A-0383-F9FF-0000-0000");
    EXPECT_EQ(info.cpuId, "068A");
    ASSERT_EQ(info.features.size(), 25u);
    EXPECT_EQ(info.features[24].caption, "FDIV Bug");
    EXPECT_FALSE(info.features[24].checked);
    EXPECT_EQ(info.cache.Level2, 256);

    // The clock decides the bus speed: any measurement but 400 MHz gives 133.
    EXPECT_EQ(ReadCPUWindowInfo(machine, 733).busSpeed, "133 MHz");
    EXPECT_EQ(ReadCPUWindowInfo(machine, 0).busSpeed, "133 MHz");
}

TEST(ReadCPUWindowInfo, TheChipRowCountsPackagesNotLogicalProcessors) {
    TestMachine machine;
    // An i7-13700K: one package, 24 logical processors.
    machine.cpuidLeaves[0] = {0x00000020, 0x756E6547, 0x6C65746E, 0x49656E69};
    machine.cpuidLeaves[1] = {0x000B0671, 0x00800800, 0x7FFAFBFF, 0xBFEBFBFF};
    const std::string brand = "13th Gen Intel(R) Core(TM) i7-13700K";
    machine.cpuidLeaves[0x80000000u] = {0x80000008, 0, 0, 0};
    for (std::uint32_t leaf = 0; leaf < 3; ++leaf) {
        std::uint32_t words[4] = {};
        for (std::size_t i = 0; i < 16; ++i) {
            const std::size_t at = leaf * 16 + i;
            const auto byte = static_cast<std::uint32_t>(at < brand.size() ? static_cast<unsigned char>(brand[at]) : 0);
            words[i / 4] |= byte << (8 * (i % 4));
        }
        machine.cpuidLeaves[0x80000002u + leaf] = {words[0], words[1], words[2], words[3]};
    }
    machine.processors = 24;
    machine.packages = 1;
    EXPECT_EQ(ReadCPUWindowInfo(machine, 0).chip, "1 x Core i7");
    machine.packages = 2;
    EXPECT_EQ(ReadCPUWindowInfo(machine, 0).chip, "2 x Core i7");
    // Without the extended call (Vista), the first call's records count.
    machine.hasProcessorRelationsEx = false;
    EXPECT_EQ(ReadCPUWindowInfo(machine, 0).chip, "2 x Core i7");
}

TEST(ReadCPUWindowInfo, AProcessorWithoutCpuidIsReportedNotExecuted) {
    TestMachine machine;
    MakeCoppermine(machine);
    machine.writableFlags = 0;
    EXPECT_THROW(ReadCPUWindowInfo(machine, 0), UserError);
    EXPECT_TRUE(machine.cpuidCalls.empty());
}

TEST(ReadCPUWindowInfo, AnUnknownVendorWithoutBrandShowsOnlyTheCount) {
    TestMachine machine;
    machine.cpuidLeaves[1] = {0x00000633, 0, 0, 0};
    const CPUWindowInfo info = ReadCPUWindowInfo(machine, 300);
    EXPECT_EQ(info.vendor, "");
    EXPECT_EQ(info.chip, "1 x ");
    EXPECT_EQ(info.codeName, "");
    EXPECT_EQ(info.busSpeed, "0 MHz");
    EXPECT_EQ(info.transistors, "0");
}

}  // namespace
}  // namespace orvane
