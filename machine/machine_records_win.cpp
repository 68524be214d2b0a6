// The records the machine parsers build and read byte by byte, checked against the platform headers' own
// structures for the pointer width this file is compiled for (the 32-bit and the 64-bit build both compile
// it). RawSMBIOSData has no structure in the headers; its layout is the documented 8-byte header.
// clang-format off
#include <windows.h>
#include <winioctl.h>
#include <poclass.h>
// clang-format on

#include <cstddef>

#include "machine/battery_replies.h"
#include "machine/storage_replies.h"
#include "probes/storage_probes.h"

namespace orvane::machine {

// Storage property queries and their replies.
static_assert(sizeof(STORAGE_PROPERTY_QUERY) == kPropertyQueryBytes);
static_assert(offsetof(STORAGE_PROPERTY_QUERY, PropertyId) == 0 && offsetof(STORAGE_PROPERTY_QUERY, QueryType) == 4);
static_assert(StorageDeviceProperty == kStorageDeviceProperty);
static_assert(StorageDeviceSeekPenaltyProperty == kStorageDeviceSeekPenaltyProperty);
static_assert(StorageDeviceTrimProperty == kStorageDeviceTrimProperty);
static_assert(PropertyStandardQuery == 0);

static_assert(offsetof(STORAGE_DEVICE_DESCRIPTOR, Size) == 4);
static_assert(offsetof(STORAGE_DEVICE_DESCRIPTOR, RemovableMedia) == kDescriptorRemovableMediaField);
static_assert(offsetof(STORAGE_DEVICE_DESCRIPTOR, VendorIdOffset) == kDescriptorVendorIdField);
static_assert(offsetof(STORAGE_DEVICE_DESCRIPTOR, ProductIdOffset) == kDescriptorProductIdField);
static_assert(offsetof(STORAGE_DEVICE_DESCRIPTOR, ProductRevisionOffset) == kDescriptorRevisionField);
static_assert(offsetof(STORAGE_DEVICE_DESCRIPTOR, SerialNumberOffset) == kDescriptorSerialNumberField);
static_assert(offsetof(STORAGE_DEVICE_DESCRIPTOR, BusType) == kDescriptorBusTypeField);
static_assert(sizeof(STORAGE_BUS_TYPE) == 4);
static_assert(offsetof(STORAGE_DEVICE_DESCRIPTOR, RawDeviceProperties) == kDescriptorFixedBytes);
static_assert(BusTypeScsi == 0x01 && BusTypeUsb == 0x07 && BusTypeSata == 0x0B && BusTypeNvme == 0x11 &&
              BusTypeUfs == 0x13);

static_assert(offsetof(DEVICE_SEEK_PENALTY_DESCRIPTOR, IncursSeekPenalty) == kBooleanDescriptorValueField);
static_assert(sizeof(DEVICE_SEEK_PENALTY_DESCRIPTOR) == kBooleanDescriptorBytes);
static_assert(offsetof(DEVICE_TRIM_DESCRIPTOR, TrimEnabled) == kBooleanDescriptorValueField);
static_assert(sizeof(DEVICE_TRIM_DESCRIPTOR) == kBooleanDescriptorBytes);

static_assert(sizeof(GET_LENGTH_INFORMATION) == kLengthInformationBytes);
static_assert(offsetof(DISK_GEOMETRY_EX, DiskSize) == kGeometryExDiskSizeField);

static_assert(kIoctlStorageQueryProperty == IOCTL_STORAGE_QUERY_PROPERTY);
static_assert(kIoctlDiskGetLengthInfo == IOCTL_DISK_GET_LENGTH_INFO);
static_assert(kIoctlDiskGetDriveGeometryEx == IOCTL_DISK_GET_DRIVE_GEOMETRY_EX);

// The battery class driver's records.
static_assert(kIoctlBatteryQueryTag == IOCTL_BATTERY_QUERY_TAG);
static_assert(kIoctlBatteryQueryInformation == IOCTL_BATTERY_QUERY_INFORMATION);
static_assert(::BatteryInformation == static_cast<int>(kBatteryInformationLevel));
static_assert(sizeof(BATTERY_QUERY_INFORMATION) == kBatteryQueryInformationBytes);
static_assert(offsetof(BATTERY_QUERY_INFORMATION, BatteryTag) == 0);
static_assert(offsetof(BATTERY_QUERY_INFORMATION, InformationLevel) == 4);
static_assert(offsetof(BATTERY_QUERY_INFORMATION, AtRate) == 8);
static_assert(sizeof(BATTERY_INFORMATION) == kBatteryInformationBytes);
static_assert(offsetof(BATTERY_INFORMATION, Capabilities) == kBatteryCapabilitiesField);
static_assert(offsetof(BATTERY_INFORMATION, Technology) == kBatteryTechnologyField);
static_assert(offsetof(BATTERY_INFORMATION, Chemistry) == kBatteryChemistryField);
static_assert(offsetof(BATTERY_INFORMATION, DesignedCapacity) == kBatteryDesignedCapacityField);
static_assert(offsetof(BATTERY_INFORMATION, FullChargedCapacity) == kBatteryFullChargedCapacityField);
static_assert(offsetof(BATTERY_INFORMATION, CycleCount) == kBatteryCycleCountField);
static_assert(BATTERY_SYSTEM_BATTERY == kBatterySystemBattery);
static_assert(BATTERY_CAPACITY_RELATIVE == kBatteryCapacityRelative);
static_assert(BATTERY_IS_SHORT_TERM == kBatteryIsShortTerm);

// The power manager's summary of all batteries.
static_assert(sizeof(SYSTEM_BATTERY_STATE) == kSystemBatteryStateBytes);
static_assert(offsetof(SYSTEM_BATTERY_STATE, BatteryPresent) == 1);
static_assert(offsetof(SYSTEM_BATTERY_STATE, Discharging) == 3);
static_assert(offsetof(SYSTEM_BATTERY_STATE, MaxCapacity) == kSystemBatteryMaxCapacityField);
static_assert(offsetof(SYSTEM_BATTERY_STATE, RemainingCapacity) == kSystemBatteryRemainingCapacityField);

}  // namespace orvane::machine

// GetLogicalProcessorInformationEx's core and cache records. EfficiencyClass is the byte after Flags,
// which these headers still call the first reserved byte.
#include "machine/processor_topology.h"

namespace orvane::machine {

static_assert(RelationProcessorCore == static_cast<int>(kRelationProcessorCore));
static_assert(RelationCache == static_cast<int>(kRelationCache));
static_assert(RelationProcessorPackage == static_cast<int>(kRelationPackage));
static_assert(RelationAll == static_cast<int>(kRelationAll));
static_assert(offsetof(SYSTEM_LOGICAL_PROCESSOR_INFORMATION_EX, Processor) == kExRecordHeaderBytes);
static_assert(offsetof(SYSTEM_LOGICAL_PROCESSOR_INFORMATION_EX, Cache) == kExRecordHeaderBytes);
static_assert(offsetof(PROCESSOR_RELATIONSHIP, Reserved) == kCoreEfficiencyClassOffset - kExRecordHeaderBytes);
static_assert(offsetof(PROCESSOR_RELATIONSHIP, GroupCount) == kCoreGroupCountOffset - kExRecordHeaderBytes);
static_assert(offsetof(PROCESSOR_RELATIONSHIP, GroupMask) == kCoreGroupMaskOffset - kExRecordHeaderBytes);
static_assert(sizeof(GROUP_AFFINITY) == GroupAffinityBytes(sizeof(void*)));
static_assert(offsetof(GROUP_AFFINITY, Group) == sizeof(void*));
static_assert(offsetof(CACHE_RELATIONSHIP, Level) == kCacheLevelOffset - kExRecordHeaderBytes);
static_assert(offsetof(CACHE_RELATIONSHIP, CacheSize) == kCacheSizeOffset - kExRecordHeaderBytes);
static_assert(offsetof(CACHE_RELATIONSHIP, Type) == kCacheTypeOffset - kExRecordHeaderBytes);
static_assert(CacheUnified == static_cast<int>(kCacheUnified) && CacheInstruction == static_cast<int>(kCacheInstruction) &&
              CacheData == static_cast<int>(kCacheData));

}  // namespace orvane::machine
