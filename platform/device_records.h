#pragma once
// The device requests' records as the core builds them byte by byte: their I/O control codes, sizes and
// field offsets for a process of either pointer width. The Win32 layer checks each against the platform
// header's own structure, so a wrong offset fails the build.

#include <cstddef>
#include <cstdint>

namespace orvane {

// I/O control codes (winioctl.h, ntddscsi.h).
inline constexpr std::uint32_t kIoctlScsiMiniport = 0x4D008;
inline constexpr std::uint32_t kIoctlScsiMiniportIdentify = 0x1B0501;
inline constexpr std::uint32_t kSmartRcvDriveData = 0x7C088;
inline constexpr std::uint32_t kIoctlScsiPassThrough = 0x4D004;
inline constexpr std::uint32_t kIoctlScsiPassThroughDirect = 0x4D014;
inline constexpr std::uint32_t kIoctlStorageQueryProperty = 0x2D1400;

// SRB_IO_CONTROL (28 bytes) followed by SENDCMDINPARAMS (32 bytes) and room for the 512-byte reply.
inline constexpr std::size_t kSrbIoControlBytes = 28;
inline constexpr std::size_t kSrbTimeoutOffset = 12;
inline constexpr std::size_t kSrbControlCodeOffset = 16;
inline constexpr std::size_t kSrbLengthOffset = 24;
inline constexpr std::size_t kSendCmdInBytes = 32;  // SENDCMDINPARAMS up to its one-byte bBuffer
inline constexpr std::size_t kSendCmdRegistersOffset = 4;  // irDriveRegs (IDEREGS)
inline constexpr std::size_t kMiniportBufferBytes = 572;
// SENDCMDOUTPARAMS: cBufferSize and DRIVERSTATUS, then the IDENTIFY data.
inline constexpr std::size_t kSendCmdOutHeaderBytes = 16;

// Where the fields of SCSI_PASS_THROUGH_DIRECT, its filler and its sense area lie for a process of
// the given pointer size (4 or 8): the data-buffer pointer moves the fields after it.
struct PassThroughLayout {
    std::size_t recordLength;       // sizeof(SCSI_PASS_THROUGH_DIRECT), the Length field
    std::size_t dataBufferOffset;   // DataBuffer
    std::size_t senseOffsetOffset;  // SenseInfoOffset
    std::size_t cdbOffset;          // Cdb[16]
    std::size_t senseAreaOffset;    // after the 4-byte filler
    std::size_t requestLength;      // record, filler and 32-byte sense area, padded to the record's alignment
};
constexpr PassThroughLayout PassThroughLayoutFor(std::size_t pointerSize) {
    // Length, status, path, target, lun, CDB length, sense length, direction, transfer length and
    // time-out fill the first 20 bytes; the pointer is aligned to its own size, and so is the record.
    PassThroughLayout layout{};
    layout.dataBufferOffset = pointerSize == 8 ? 24 : 20;
    layout.senseOffsetOffset = layout.dataBufferOffset + pointerSize;
    layout.cdbOffset = layout.senseOffsetOffset + 4;
    layout.recordLength = (layout.cdbOffset + 16 + pointerSize - 1) / pointerSize * pointerSize;
    layout.senseAreaOffset = layout.recordLength + 4;
    layout.requestLength = (layout.senseAreaOffset + 32 + pointerSize - 1) / pointerSize * pointerSize;
    return layout;
}

// SCSI_PASS_THROUGH followed directly by its sense and data areas, for a process of the given pointer
// width. The record has the layout of SCSI_PASS_THROUGH_DIRECT (DataBufferOffset is a ULONG_PTR where
// the other has a pointer): 44 bytes in a 32-bit process, 56 in a 64-bit one.
struct SerialRequestLayout {
    PassThroughLayout record;  // the record's fields; record.recordLength is sizeof(SCSI_PASS_THROUGH)
    std::size_t senseOffset;
    std::size_t dataOffset;
    std::size_t totalBytes;  // data area's end
};
inline constexpr std::size_t kSenseAreaBytes = 32;
inline constexpr std::size_t kSerialPageBytes = 192;
constexpr SerialRequestLayout SerialRequestLayoutFor(std::size_t pointerBytes) {
    const PassThroughLayout record = PassThroughLayoutFor(pointerBytes);
    const std::size_t sense = record.recordLength;
    const std::size_t data = sense + kSenseAreaBytes;
    return {record, sense, data, data + kSerialPageBytes};
}

// STORAGE_PROPERTY_QUERY for StorageDeviceProperty, PropertyStandardQuery.
inline constexpr std::size_t kPropertyQueryBytes = 12;
// Where STORAGE_DEVICE_DESCRIPTOR keeps the offsets of its texts.
inline constexpr std::size_t kDescriptorVendorIdField = 12;
inline constexpr std::size_t kDescriptorProductIdField = 16;
inline constexpr std::size_t kDescriptorSerialNumberField = 24;

}  // namespace orvane
