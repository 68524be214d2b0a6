#pragma once
// A battery's replies: the battery class driver's IOCTL_BATTERY_QUERY_TAG and BatteryInformation query,
// and the power manager's SYSTEM_BATTERY_STATE where no battery device answers.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orvane::machine {

inline constexpr std::uint32_t kIoctlBatteryQueryTag = 0x294040;
inline constexpr std::uint32_t kIoctlBatteryQueryInformation = 0x294044;
inline constexpr std::uint32_t kBatteryInformationLevel = 0;  // BATTERY_QUERY_INFORMATION_LEVEL BatteryInformation

inline constexpr std::size_t kBatteryTagBytes = 4;
inline constexpr std::size_t kBatteryQueryInformationBytes = 12;  // BATTERY_QUERY_INFORMATION
inline constexpr std::size_t kBatteryInformationBytes = 36;       // BATTERY_INFORMATION
inline constexpr std::size_t kSystemBatteryStateBytes = 32;       // SYSTEM_BATTERY_STATE
// Where BATTERY_INFORMATION keeps its fields.
inline constexpr std::size_t kBatteryCapabilitiesField = 0;
inline constexpr std::size_t kBatteryTechnologyField = 4;
inline constexpr std::size_t kBatteryChemistryField = 8;
inline constexpr std::size_t kBatteryDesignedCapacityField = 12;
inline constexpr std::size_t kBatteryFullChargedCapacityField = 16;
inline constexpr std::size_t kBatteryCycleCountField = 32;
// Where SYSTEM_BATTERY_STATE keeps its capacities.
inline constexpr std::size_t kSystemBatteryMaxCapacityField = 8;
inline constexpr std::size_t kSystemBatteryRemainingCapacityField = 12;

// Capabilities bits.
inline constexpr std::uint32_t kBatterySystemBattery = 0x80000000;  // BATTERY_SYSTEM_BATTERY (not a UPS)
inline constexpr std::uint32_t kBatteryCapacityRelative = 0x40000000;
inline constexpr std::uint32_t kBatteryIsShortTerm = 0x20000000;

// IOCTL_BATTERY_QUERY_TAG's input: how long to wait for a battery (0: do not wait).
std::vector<std::uint8_t> BuildBatteryTagQuery();
// The tag; absent for a short reply or BATTERY_TAG_INVALID (no battery in the slot).
std::optional<std::uint32_t> ParseBatteryTag(std::span<const std::uint8_t> reply);
// BATTERY_QUERY_INFORMATION for one level of the tagged battery.
std::vector<std::uint8_t> BuildBatteryInformationQuery(std::uint32_t tag, std::uint32_t level = kBatteryInformationLevel);

struct BatteryInformation {
    std::uint32_t capabilities = 0;
    bool systemBattery = false;     // a battery that runs the computer, not a UPS
    bool relativeCapacity = false;  // the capacities are percentages of each other, not mWh
    bool rechargeable = false;
    std::optional<std::uint32_t> designMwh;
    std::optional<std::uint32_t> fullChargeMwh;
    std::optional<std::uint32_t> cycleCount;  // absent where the battery counts none
    std::optional<std::string> chemistry;     // "Lithium ion", or the four characters as the battery gives them
    std::optional<double> wearPercent;
};

// BATTERY_INFORMATION; absent for a reply shorter than the record.
std::optional<BatteryInformation> ParseBatteryInformation(std::span<const std::uint8_t> reply);
// The four chemistry characters ("LION", "PbAc", ...) named; absent when they are blank.
std::optional<std::string> BatteryChemistryName(std::span<const std::uint8_t> chemistry);
// How much of the design capacity a full charge no longer reaches, in percent (0 for a battery that holds
// its design capacity or more); absent without both capacities.
std::optional<double> BatteryWearPercent(std::optional<std::uint32_t> design, std::optional<std::uint32_t> fullCharge);

struct SystemBatteryState {
    bool acOnLine = false;
    bool batteryPresent = false;
    bool charging = false;
    bool discharging = false;
    std::optional<std::uint32_t> maxCapacityMwh;  // the full-charge capacity of all batteries
    std::optional<std::uint32_t> remainingMwh;
};

// SYSTEM_BATTERY_STATE from CallNtPowerInformation(SystemBatteryState); absent for a short reply.
std::optional<SystemBatteryState> ParseSystemBatteryState(std::span<const std::uint8_t> reply);

}  // namespace orvane::machine
