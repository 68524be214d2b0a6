#include "machine/battery_replies.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvane::machine {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PutLe32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

Bytes BatteryInformationReply(std::uint32_t capabilities, const char* chemistry, std::uint32_t design,
                              std::uint32_t full, std::uint32_t cycles, std::uint8_t technology = 1) {
    Bytes reply(kBatteryInformationBytes, 0);
    PutLe32(reply, kBatteryCapabilitiesField, capabilities);
    reply[kBatteryTechnologyField] = technology;
    for (std::size_t i = 0; i < 4 && chemistry[i] != '\0'; ++i) {
        reply[kBatteryChemistryField + i] = static_cast<std::uint8_t>(chemistry[i]);
    }
    PutLe32(reply, kBatteryDesignedCapacityField, design);
    PutLe32(reply, kBatteryFullChargedCapacityField, full);
    PutLe32(reply, 20, design / 10);  // DefaultAlert1
    PutLe32(reply, 24, design / 20);  // DefaultAlert2
    PutLe32(reply, kBatteryCycleCountField, cycles);
    return reply;
}

TEST(BatteryInformation, CapacitiesWearCyclesAndChemistry) {
    struct Case {
        const char* what;
        Bytes reply;
        std::optional<std::uint32_t> design;
        std::optional<std::uint32_t> full;
        std::optional<double> wear;
        std::optional<std::uint32_t> cycles;
        std::optional<std::string> chemistry;
    };
    const Case cases[] = {
        {"a worn laptop battery", BatteryInformationReply(0x80000000, "LION", 57000, 45885, 312), 57000, 45885, 19.5, 312,
         "Lithium ion"},
        {"a new battery above its design", BatteryInformationReply(0x80000000, "LiP", 50000, 51230, 3), 50000, 51230, 0.0, 3,
         "Lithium polymer"},
        {"no cycle counter", BatteryInformationReply(0x80000000, "Li-I", 42000, 42000, 0), 42000, 42000, 0.0, std::nullopt,
         "Lithium ion"},
        {"unknown capacities", BatteryInformationReply(0x80000000, "NiMH", 0xFFFFFFFF, 0, 10), std::nullopt, std::nullopt,
         std::nullopt, 10, "Nickel metal hydride"},
        {"relative capacities: a ratio, no mWh", BatteryInformationReply(0xC0000000, "PbAc", 100, 80, 0), std::nullopt,
         std::nullopt, 20.0, std::nullopt, "Lead acid"},
        {"a chemistry not in the list stays as given", BatteryInformationReply(0x80000000, "LMO ", 60000, 30000, 800), 60000,
         30000, 50.0, 800, "LMO"},
        {"a blank chemistry", BatteryInformationReply(0x80000000, "    ", 60000, 59999, 1), 60000, 59999, 0.0, 1, std::nullopt},
        {"no chemistry", BatteryInformationReply(0x80000000, "", 60000, 54000, 1), 60000, 54000, 10.0, 1, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto info = ParseBatteryInformation(c.reply);
        ASSERT_TRUE(info);
        EXPECT_EQ(info->designMwh, c.design);
        EXPECT_EQ(info->fullChargeMwh, c.full);
        EXPECT_EQ(info->wearPercent, c.wear);
        EXPECT_EQ(info->cycleCount, c.cycles);
        EXPECT_EQ(info->chemistry, c.chemistry);
        EXPECT_TRUE(info->systemBattery);
        EXPECT_TRUE(info->rechargeable);
    }
    const auto ups = ParseBatteryInformation(BatteryInformationReply(0x20000000, "PbAc", 200000, 190000, 0, 1));
    ASSERT_TRUE(ups);
    EXPECT_FALSE(ups->systemBattery);
    const auto primary = ParseBatteryInformation(BatteryInformationReply(0x80000000, "RAM", 2000, 2000, 0, 0));
    ASSERT_TRUE(primary);
    EXPECT_FALSE(primary->rechargeable);
    EXPECT_EQ(primary->chemistry, "Rechargeable alkaline-manganese");
    EXPECT_FALSE(ParseBatteryInformation(Bytes(kBatteryInformationBytes - 1, 0)));
}

TEST(BatteryInformation, WearIsRoundedToATenth) {
    EXPECT_EQ(BatteryWearPercent(3, 2), 33.3);
    EXPECT_EQ(BatteryWearPercent(3, 1), 66.7);
    EXPECT_EQ(BatteryWearPercent(100, 0), 100.0);
    EXPECT_FALSE(BatteryWearPercent(0, 50));
    EXPECT_FALSE(BatteryWearPercent(std::nullopt, 50));
    EXPECT_FALSE(BatteryWearPercent(50, std::nullopt));
}

TEST(BatteryQueries, TagAndInformationRequests) {
    EXPECT_EQ(BuildBatteryTagQuery(), Bytes(4, 0));
    EXPECT_EQ(ParseBatteryTag(Bytes{0x2A, 0x00, 0x00, 0x00}), 42u);
    EXPECT_FALSE(ParseBatteryTag(Bytes{0, 0, 0, 0}));  // BATTERY_TAG_INVALID: the slot is empty
    EXPECT_FALSE(ParseBatteryTag(Bytes{1, 0, 0}));
    EXPECT_EQ(BuildBatteryInformationQuery(0x12345678), (Bytes{0x78, 0x56, 0x34, 0x12, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(BuildBatteryInformationQuery(7, 4), (Bytes{7, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(SystemBatteryState, ThePowerManagersSummary) {
    Bytes reply(kSystemBatteryStateBytes, 0);
    reply[0] = 1;  // on AC
    reply[1] = 1;  // battery present
    reply[2] = 1;  // charging
    PutLe32(reply, kSystemBatteryMaxCapacityField, 48000);
    PutLe32(reply, kSystemBatteryRemainingCapacityField, 0);
    const auto state = ParseSystemBatteryState(reply);
    ASSERT_TRUE(state);
    EXPECT_TRUE(state->acOnLine);
    EXPECT_TRUE(state->batteryPresent);
    EXPECT_TRUE(state->charging);
    EXPECT_FALSE(state->discharging);
    EXPECT_EQ(state->maxCapacityMwh, 48000u);
    EXPECT_EQ(state->remainingMwh, 0u);  // empty, not unknown

    reply[1] = 0;
    const auto desktop = ParseSystemBatteryState(reply);
    ASSERT_TRUE(desktop);
    EXPECT_FALSE(desktop->batteryPresent);
    EXPECT_FALSE(desktop->maxCapacityMwh);
    EXPECT_FALSE(desktop->remainingMwh);
    EXPECT_FALSE(ParseSystemBatteryState(Bytes(kSystemBatteryStateBytes - 1, 1)));
}

}  // namespace
}  // namespace orvane::machine
