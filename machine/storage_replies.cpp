#include "machine/storage_replies.h"

#include <algorithm>

#include "core/text.h"
#include "machine/firmware_text.h"
#include "probes/storage_probes.h"

namespace orvane::machine {

namespace {

std::uint32_t Le32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(bytes[offset + i]) << (8 * i);
    return value;
}

// STORAGE_BUS_TYPE, from BusTypeScsi (1) to BusTypeNvmeof (0x14).
constexpr const char* kBusNames[] = {
    "SCSI", "ATAPI", "ATA",  "1394",    "SSA",          "Fibre Channel",       "USB",
    "RAID", "iSCSI", "SAS",  "SATA",    "SD",           "MMC",                 "Virtual",
    "File-backed virtual",   "Storage Spaces", "NVMe",  "SCM",                 "UFS",
    "NVMe over Fabrics",
};

// The NUL-terminated text whose offset the descriptor keeps at field. A text that is not whole within the
// descriptor is absent, not cut short.
std::optional<std::string> DescriptorText(std::span<const std::uint8_t> descriptor, std::size_t field) {
    if (field + 4 > descriptor.size()) return std::nullopt;
    const std::uint32_t offset = Le32(descriptor, field);
    if (offset == 0 || offset >= descriptor.size()) return std::nullopt;
    const auto text = descriptor.subspan(offset);
    const auto end = std::find(text.begin(), text.end(), std::uint8_t{0});
    if (end == text.end()) return std::nullopt;
    return FirmwareText(std::string(text.begin(), end));
}

// The size of a disk as a signed 64-bit count of bytes.
std::optional<std::uint64_t> DiskSizeAt(std::span<const std::uint8_t> reply, std::size_t offset) {
    if (reply.size() < offset + 8) return std::nullopt;
    const std::uint64_t value = Le32(reply, offset) | std::uint64_t{Le32(reply, offset + 4)} << 32;
    if (value == 0 || value > 0x7FFFFFFFFFFFFFFFull) return std::nullopt;
    return value;
}

std::optional<bool> BooleanDescriptor(std::span<const std::uint8_t> reply) {
    // Version and Size, then the one BOOLEAN; a driver that declares a Size without it has not answered.
    if (reply.size() <= kBooleanDescriptorValueField || Le32(reply, 4) <= kBooleanDescriptorValueField) {
        return std::nullopt;
    }
    return reply[kBooleanDescriptorValueField] != 0;
}

}  // namespace

std::vector<std::uint8_t> BuildStoragePropertyQuery(std::uint32_t propertyId) {
    // PropertyId, QueryType = PropertyStandardQuery (0), one parameter byte, padded to 12 bytes.
    std::vector<std::uint8_t> query(kPropertyQueryBytes, 0);
    for (std::size_t i = 0; i < 4; ++i) query[i] = static_cast<std::uint8_t>(propertyId >> (8 * i));
    return query;
}

std::optional<std::uint32_t> DescriptorDeclaredSize(std::span<const std::uint8_t> reply) {
    if (reply.size() < 8) return std::nullopt;
    return Le32(reply, 4);
}

std::optional<std::string> StorageBusName(std::uint32_t busType) {
    if (busType == 0 || busType > std::size(kBusNames)) return std::nullopt;
    return std::string(kBusNames[busType - 1]);
}

std::optional<StorageDevice> ParseStorageDeviceDescriptor(std::span<const std::uint8_t> reply) {
    const auto declared = DescriptorDeclaredSize(reply);
    if (!declared) return std::nullopt;
    // The descriptor's own Size bounds it as much as the reply does.
    const std::span<const std::uint8_t> descriptor = reply.first(std::min<std::size_t>(reply.size(), *declared));
    StorageDevice device;
    if (descriptor.size() > kDescriptorRemovableMediaField) {
        device.removable = descriptor[kDescriptorRemovableMediaField] != 0;
    }
    if (descriptor.size() >= kDescriptorBusTypeField + 4) {
        device.busTypeCode = Le32(descriptor, kDescriptorBusTypeField);
        device.bus = StorageBusName(*device.busTypeCode);
    }
    device.vendor = DescriptorText(descriptor, kDescriptorVendorIdField);
    device.product = DescriptorText(descriptor, kDescriptorProductIdField);
    device.revision = DescriptorText(descriptor, kDescriptorRevisionField);
    device.serial = DescriptorText(descriptor, kDescriptorSerialNumberField);

    // The SCSI translation of an ATA disk names "ATA" as its vendor, and the NVMe driver "NVMe": the maker
    // is then at the start of the product text.
    std::optional<std::string> maker = device.vendor;
    if (maker && (EqualsIgnoreCase(*maker, "ATA") || EqualsIgnoreCase(*maker, "NVMe"))) maker.reset();
    if (maker && device.product && !EqualsIgnoreCase(device.product->substr(0, maker->size()), *maker)) {
        device.model = *maker + " " + *device.product;
    } else {
        device.model = device.product ? device.product : maker;
    }
    return device;
}

std::optional<bool> ParseIncursSeekPenalty(std::span<const std::uint8_t> reply) {
    return BooleanDescriptor(reply);
}

std::optional<bool> SolidStateFromSeekPenalty(std::span<const std::uint8_t> reply) {
    const auto penalty = ParseIncursSeekPenalty(reply);
    if (!penalty) return std::nullopt;
    return !*penalty;
}

std::optional<bool> ParseTrimEnabled(std::span<const std::uint8_t> reply) {
    return BooleanDescriptor(reply);
}

std::optional<std::uint64_t> ParseLengthInformation(std::span<const std::uint8_t> reply) {
    return DiskSizeAt(reply, 0);
}

std::optional<std::uint64_t> ParseGeometryExDiskSize(std::span<const std::uint8_t> reply) {
    return DiskSizeAt(reply, kGeometryExDiskSizeField);
}

}  // namespace orvane::machine
