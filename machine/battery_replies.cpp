#include "machine/battery_replies.h"

#include <algorithm>
#include <cmath>

#include "core/text.h"
#include "machine/firmware_text.h"

namespace orvane::machine {

namespace {

constexpr std::uint32_t kUnknownCapacity = 0xFFFFFFFF;  // BATTERY_UNKNOWN_CAPACITY

std::uint32_t Le32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(bytes[offset + i]) << (8 * i);
    return value;
}

void PutLe32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::optional<std::uint32_t> Capacity(std::uint32_t value) {
    if (value == 0 || value == kUnknownCapacity) return std::nullopt;
    return value;
}

// The chemistries BATTERY_INFORMATION documents, and the lithium polymer code batteries give as well.
struct Chemistry {
    const char* code;
    const char* name;
};
constexpr Chemistry kChemistries[] = {
    {"PbAc", "Lead acid"},
    {"LION", "Lithium ion"},
    {"Li-I", "Lithium ion"},
    {"LiP", "Lithium polymer"},
    {"NiCd", "Nickel cadmium"},
    {"NiMH", "Nickel metal hydride"},
    {"NiZn", "Nickel zinc"},
    {"RAM", "Rechargeable alkaline-manganese"},
};

}  // namespace

std::vector<std::uint8_t> BuildBatteryTagQuery() {
    return std::vector<std::uint8_t>(kBatteryTagBytes, 0);
}

std::optional<std::uint32_t> ParseBatteryTag(std::span<const std::uint8_t> reply) {
    if (reply.size() < kBatteryTagBytes) return std::nullopt;
    const std::uint32_t tag = Le32(reply, 0);
    if (tag == 0) return std::nullopt;  // BATTERY_TAG_INVALID
    return tag;
}

std::vector<std::uint8_t> BuildBatteryInformationQuery(std::uint32_t tag, std::uint32_t level) {
    // BatteryTag, InformationLevel, AtRate (0).
    std::vector<std::uint8_t> query(kBatteryQueryInformationBytes, 0);
    PutLe32(query, 0, tag);
    PutLe32(query, 4, level);
    return query;
}

std::optional<std::string> BatteryChemistryName(std::span<const std::uint8_t> chemistry) {
    std::string code;
    for (const std::uint8_t c : chemistry.first(std::min<std::size_t>(chemistry.size(), 4))) {
        if (c == 0) break;
        code += static_cast<char>(c);
    }
    const auto text = FirmwareText(code);
    if (!text) return std::nullopt;
    for (const Chemistry& known : kChemistries) {
        if (EqualsIgnoreCase(*text, known.code)) return std::string(known.name);
    }
    return text;
}

std::optional<double> BatteryWearPercent(std::optional<std::uint32_t> design, std::optional<std::uint32_t> fullCharge) {
    if (!design || !fullCharge || *design == 0) return std::nullopt;
    if (*fullCharge >= *design) return 0.0;
    const double lost = static_cast<double>(*design - *fullCharge) * 100.0 / static_cast<double>(*design);
    return std::round(lost * 10) / 10;
}

std::optional<BatteryInformation> ParseBatteryInformation(std::span<const std::uint8_t> reply) {
    if (reply.size() < kBatteryInformationBytes) return std::nullopt;
    BatteryInformation info;
    info.capabilities = Le32(reply, kBatteryCapabilitiesField);
    info.systemBattery = (info.capabilities & kBatterySystemBattery) != 0;
    info.relativeCapacity = (info.capabilities & kBatteryCapacityRelative) != 0;
    info.rechargeable = reply[kBatteryTechnologyField] == 1;
    info.chemistry = BatteryChemistryName(reply.subspan(kBatteryChemistryField, 4));
    const auto design = Capacity(Le32(reply, kBatteryDesignedCapacityField));
    const auto full = Capacity(Le32(reply, kBatteryFullChargedCapacityField));
    // Relative capacities are no mWh, but their ratio still says how worn the battery is.
    if (!info.relativeCapacity) {
        info.designMwh = design;
        info.fullChargeMwh = full;
    }
    info.wearPercent = BatteryWearPercent(design, full);
    if (const std::uint32_t cycles = Le32(reply, kBatteryCycleCountField); cycles != 0) info.cycleCount = cycles;
    return info;
}

std::optional<SystemBatteryState> ParseSystemBatteryState(std::span<const std::uint8_t> reply) {
    if (reply.size() < kSystemBatteryStateBytes) return std::nullopt;
    SystemBatteryState state;
    state.acOnLine = reply[0] != 0;
    state.batteryPresent = reply[1] != 0;
    state.charging = reply[2] != 0;
    state.discharging = reply[3] != 0;
    if (state.batteryPresent) {
        state.maxCapacityMwh = Capacity(Le32(reply, kSystemBatteryMaxCapacityField));
        // An empty battery holds 0 mWh: only the unknown value is no answer.
        if (const std::uint32_t remaining = Le32(reply, kSystemBatteryRemainingCapacityField); remaining != kUnknownCapacity) {
            state.remainingMwh = remaining;
        }
    }
    return state;
}

}  // namespace orvane::machine
