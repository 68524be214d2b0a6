#pragma once
// The factory serial number of the first hard disk: the ATA IDENTIFY data first, then the SCSI unit
// serial number page of volume C:, then the storage descriptor of the first physical drive.
// The request records are built here byte for byte, and the replies parsed here, bounded by what
// the device actually returned.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/devices.h"
#include "probes/probe.h"
#include "probes/storage_probes.h"  // kIoctlStorageQueryProperty, PassThroughLayout

namespace orvane {

using Bytes = std::vector<std::uint8_t>;

std::string GetHDDSerial(System& sys);
// Twenty raw characters of IDENTIFY's serial field, untrimmed; the empty text when the request fails.
std::string ReadIdeSerial(System& sys);
// The unit serial number page's characters; the empty text when the request fails.
std::string ReadScsiSerial(platform::Device& device);
// The storage device descriptor's serial number text; the empty text when there is none.
std::string ReadStorageSerial(platform::Device& device);

// I/O control codes (winioctl.h, ntddscsi.h).
inline constexpr std::uint32_t kIoctlScsiMiniport = 0x4D008;
inline constexpr std::uint32_t kIoctlScsiMiniportIdentify = 0x1B0501;
inline constexpr std::uint32_t kSmartRcvDriveData = 0x7C088;
inline constexpr std::uint32_t kIoctlScsiPassThrough = 0x4D004;

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
inline constexpr std::size_t kIdentifyBytes = 512;
// IDENTIFY words 10 to 19.
inline constexpr std::size_t kIdentifySerialOffset = 20;
inline constexpr std::size_t kIdentifySerialBytes = 20;

Bytes BuildMiniportIdentifyRequest();
Bytes BuildSmartIdentifyRequest();
// The serial characters of a SENDCMDOUTPARAMS reply: each word's bytes swapped back into reading
// order. Short replies give what they hold.
std::string ParseIdentifySerial(const Bytes& reply);

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
Bytes BuildUnitSerialRequest(std::size_t pointerBytes = sizeof(void*));
// The serial of the reply's unit serial number page (page code 0x80), bounded by the data area.
std::string ParseUnitSerialReply(const Bytes& reply, std::size_t pointerBytes = sizeof(void*));

std::string ParseStorageDescriptorSerial(const Bytes& reply);

}  // namespace orvane
