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
#include "platform/device_records.h"
#include "probes/storage_probes.h"

namespace orvane {

using Bytes = std::vector<std::uint8_t>;

std::string GetHDDSerial(System& sys);
// Twenty raw characters of IDENTIFY's serial field, untrimmed; the empty text when the request fails.
std::string ReadIdeSerial(System& sys);
// The unit serial number page's characters; the empty text when the request fails.
std::string ReadScsiSerial(platform::Device& device);
// The storage device descriptor's serial number text; the empty text when there is none.
std::string ReadStorageSerial(platform::Device& device);

inline constexpr std::size_t kIdentifyBytes = 512;
// IDENTIFY words 10 to 19.
inline constexpr std::size_t kIdentifySerialOffset = 20;
inline constexpr std::size_t kIdentifySerialBytes = 20;

Bytes BuildMiniportIdentifyRequest();
Bytes BuildSmartIdentifyRequest();
// The serial characters of a SENDCMDOUTPARAMS reply: each word's bytes swapped back into reading
// order. Short replies give what they hold.
std::string ParseIdentifySerial(const Bytes& reply);

Bytes BuildUnitSerialRequest(std::size_t pointerBytes = sizeof(void*));
// The serial of the reply's unit serial number page (page code 0x80), bounded by the data area.
std::string ParseUnitSerialReply(const Bytes& reply, std::size_t pointerBytes = sizeof(void*));

std::string ParseStorageDescriptorSerial(const Bytes& reply);

}  // namespace orvane
