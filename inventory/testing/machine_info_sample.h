#pragma once
// What the Machine Info section reads, planted on a test machine: a recorded SMBIOS table (where the shared
// recordings are there), a monitor's recorded EDID and one NVMe disk with its serial number.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "machine/storage_replies.h"
#include "platform/device_records.h"
#include "platform/testing/test_machine.h"

namespace orvane::inventory::testing {

inline constexpr const char* kSampleDiskSerial = "S6Z1NJ0W";
inline constexpr const char* kSampleDiskModel = "Samsung SSD 990 PRO 2TB";

inline std::optional<std::vector<std::uint8_t>> ReadSharedFixture(const std::string& relative) {
    std::ifstream in(std::filesystem::path(ORVANE_SHARED_DIR) / "fixtures" / relative, std::ios::binary);
    if (!in) return std::nullopt;
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// False where the shared recordings are missing: the disk is planted all the same.
inline bool PlantMachineInfo(orvane::testing::TestMachine& machine) {
    using Bytes = std::vector<std::uint8_t>;
    const auto put = [](Bytes& bytes, std::size_t at, std::uint64_t value) {
        for (std::size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    orvane::testing::TestMachine::TestDevice disk;
    disk.allowedAccess = 0;
    disk.control = [put](std::uint32_t code, std::span<const std::uint8_t> input, std::size_t) -> std::optional<Bytes> {
        if (code != kIoctlStorageQueryProperty || input.size() < 4 || input[0] != machine::kStorageDeviceProperty) {
            return std::nullopt;
        }
        Bytes reply(machine::kDescriptorFixedBytes + 4, 0);
        const auto add = [&](std::size_t field, const std::string& text) {
            put(reply, field, reply.size());
            reply.insert(reply.end(), text.begin(), text.end());
            reply.push_back(0);
        };
        put(reply, 0, 40);
        put(reply, machine::kDescriptorBusTypeField, 0x11);  // NVMe
        add(kDescriptorProductIdField, kSampleDiskModel);
        add(kDescriptorSerialNumberField, kSampleDiskSerial);
        put(reply, 4, reply.size());
        return reply;
    };
    machine.devices["\\\\.\\PhysicalDrive0"] = disk;

    const auto table = ReadSharedFixture("smbios/rsmb/beelink-eq12.bin");
    const auto edid = ReadSharedFixture("edid/acer-xb271hu.bin");
    if (!table || !edid) return false;
    machine.firmwareTables[platform::kFirmwareProviderRsmb] = *table;
    machine.firmwareType = platform::kFirmwareTypeUefi;
    machine.monitorDevices = std::vector<platform::MonitorDevice>{{"DISPLAY\\ACR048F\\1", *edid}};
    return true;
}

}  // namespace orvane::inventory::testing
