#pragma once
// A physical disk's replies to the requests a standard user may send to \\.\PhysicalDriveN opened without
// read or write access: the storage property queries (device descriptor, seek penalty, TRIM) and the
// size. The requests are built and the replies read here; the seam only carries the bytes.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orvane::machine {

// IOCTL_STORAGE_QUERY_PROPERTY (any access) with STORAGE_PROPERTY_QUERY's PropertyId.
inline constexpr std::uint32_t kStorageDeviceProperty = 0;
inline constexpr std::uint32_t kStorageDeviceSeekPenaltyProperty = 7;
inline constexpr std::uint32_t kStorageDeviceTrimProperty = 8;
// IOCTL_DISK_GET_LENGTH_INFO needs read access; IOCTL_DISK_GET_DRIVE_GEOMETRY_EX answers any handle.
inline constexpr std::uint32_t kIoctlDiskGetLengthInfo = 0x7405C;
inline constexpr std::uint32_t kIoctlDiskGetDriveGeometryEx = 0x700A0;

// Where the records keep their fields.
inline constexpr std::size_t kDescriptorRemovableMediaField = 10;   // STORAGE_DEVICE_DESCRIPTOR.RemovableMedia
inline constexpr std::size_t kDescriptorRevisionField = 20;         // .ProductRevisionOffset
inline constexpr std::size_t kDescriptorBusTypeField = 28;          // .BusType
inline constexpr std::size_t kDescriptorFixedBytes = 36;            // up to .RawDeviceProperties
inline constexpr std::size_t kBooleanDescriptorValueField = 8;      // DEVICE_SEEK_PENALTY_DESCRIPTOR.IncursSeekPenalty,
                                                                    // DEVICE_TRIM_DESCRIPTOR.TrimEnabled
inline constexpr std::size_t kBooleanDescriptorBytes = 12;
inline constexpr std::size_t kLengthInformationBytes = 8;           // GET_LENGTH_INFORMATION
inline constexpr std::size_t kGeometryExDiskSizeField = 24;         // DISK_GEOMETRY_EX.DiskSize
// Enough for a device descriptor with its texts; a longer one says its Size, and is asked again with that.
inline constexpr std::size_t kDeviceDescriptorRequestBytes = 1024;

// STORAGE_PROPERTY_QUERY for one property, PropertyStandardQuery.
std::vector<std::uint8_t> BuildStoragePropertyQuery(std::uint32_t propertyId);

struct StorageDevice {
    std::optional<std::string> vendor;
    std::optional<std::string> product;
    std::optional<std::string> revision;
    std::optional<std::string> serial;
    std::optional<std::string> model;  // vendor and product, without the "ATA" or "NVMe" a driver puts as vendor
    std::optional<std::uint32_t> busTypeCode;
    std::optional<std::string> bus;    // "NVMe", "SATA", "USB", "SCSI", ...
    bool removable = false;
};

// STORAGE_DEVICE_DESCRIPTOR. Absent when the reply is shorter than its version and size; fields beyond the
// reply or the descriptor's own Size are absent.
std::optional<StorageDevice> ParseStorageDeviceDescriptor(std::span<const std::uint8_t> reply);
// The Size a STORAGE_DESCRIPTOR_HEADER (any descriptor's first 8 bytes) asks for.
std::optional<std::uint32_t> DescriptorDeclaredSize(std::span<const std::uint8_t> reply);
// STORAGE_BUS_TYPE's name; absent for BusTypeUnknown and codes not named.
std::optional<std::string> StorageBusName(std::uint32_t busType);

// DEVICE_SEEK_PENALTY_DESCRIPTOR: whether the disk incurs a seek penalty (a spinning disk).
std::optional<bool> ParseIncursSeekPenalty(std::span<const std::uint8_t> reply);
// An SSD is a disk without a seek penalty; absent when the reply is missing or short.
std::optional<bool> SolidStateFromSeekPenalty(std::span<const std::uint8_t> reply);
// DEVICE_TRIM_DESCRIPTOR.TrimEnabled.
std::optional<bool> ParseTrimEnabled(std::span<const std::uint8_t> reply);
// GET_LENGTH_INFORMATION.Length in bytes; absent for a short reply, 0 (no medium) or a negative length.
std::optional<std::uint64_t> ParseLengthInformation(std::span<const std::uint8_t> reply);
// DISK_GEOMETRY_EX.DiskSize in bytes, under the same rules.
std::optional<std::uint64_t> ParseGeometryExDiskSize(std::span<const std::uint8_t> reply);

}  // namespace orvane::machine
