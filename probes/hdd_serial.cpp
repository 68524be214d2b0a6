#include "probes/hdd_serial.h"

#include <algorithm>

#include "core/text.h"
#include "platform/os_info.h"

namespace orvane {

using platform::Device;
using platform::DeviceOpen;

namespace {

void PutU16(Bytes& bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

void PutU32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// SENDCMDINPARAMS asking the first device of the channel for its IDENTIFY DEVICE data.
void PutIdentifyCommand(Bytes& bytes, std::size_t offset) {
    PutU32(bytes, offset + 0, kIdentifyBytes);  // cBufferSize
    const std::size_t registers = offset + kSendCmdRegistersOffset;
    bytes[registers + 1] = 1;     // bSectorCountReg
    bytes[registers + 2] = 1;     // bSectorNumberReg
    bytes[registers + 5] = 0xA0;  // bDriveHeadReg: master
    bytes[registers + 6] = 0xEC;  // bCommandReg: IDENTIFY DEVICE
}

constexpr std::uint32_t kTimeoutSeconds = 2;

std::string TextOf(const Bytes& bytes, std::size_t offset, std::size_t count) {
    if (offset >= bytes.size()) return {};
    count = std::min(count, bytes.size() - offset);
    return std::string(reinterpret_cast<const char*>(bytes.data() + offset), count);
}

std::string ReadIdeSerialOnNt(System& sys) {
    const auto adapter = sys.OpenDevice({"\\\\.\\Scsi0:", platform::kGenericRead | platform::kGenericWrite,
                                         platform::kShareRead | platform::kShareWrite, platform::kOpenExisting});
    if (!adapter) return {};
    const auto reply = adapter->Control(kIoctlScsiMiniport, BuildMiniportIdentifyRequest(), kMiniportBufferBytes);
    if (!reply || reply->size() < kSrbIoControlBytes) return {};
    return ParseIdentifySerial(Bytes(reply->begin() + kSrbIoControlBytes, reply->end()));
}

std::string ReadIdeSerialThroughSmart(System& sys) {
    // The 95/98/ME SMART driver is opened this way, with no access rights and CREATE_NEW.
    const auto driver = sys.OpenDevice({"\\\\.\\SMARTVSD", 0, 0, platform::kCreateNew});
    if (!driver) return {};
    const auto reply =
        driver->Control(kSmartRcvDriveData, BuildSmartIdentifyRequest(), kSendCmdOutHeaderBytes + kIdentifyBytes);
    if (!reply) return {};
    return ParseIdentifySerial(*reply);
}

}  // namespace

Bytes BuildMiniportIdentifyRequest() {
    Bytes bytes(kMiniportBufferBytes, 0);
    PutU32(bytes, 0, kSrbIoControlBytes);  // HeaderLength
    const char signature[] = "SCSIDISK";
    std::copy(signature, signature + 8, bytes.begin() + 4);
    PutU32(bytes, kSrbTimeoutOffset, kTimeoutSeconds);
    PutU32(bytes, kSrbControlCodeOffset, kIoctlScsiMiniportIdentify);
    // Length: the command record without its 1-byte buffer, plus the IDENTIFY data.
    PutU32(bytes, kSrbLengthOffset, kSendCmdInBytes + kIdentifyBytes);
    PutIdentifyCommand(bytes, kSrbIoControlBytes);
    return bytes;
}

Bytes BuildSmartIdentifyRequest() {
    Bytes bytes(kSendCmdInBytes, 0);
    PutIdentifyCommand(bytes, 0);
    return bytes;
}

std::string ParseIdentifySerial(const Bytes& reply) {
    // ATA strings store each pair of characters swapped: the first character is in the word's high byte.
    std::string serial = TextOf(reply, kSendCmdOutHeaderBytes + kIdentifySerialOffset, kIdentifySerialBytes);
    for (std::size_t i = 0; i + 1 < serial.size(); i += 2) std::swap(serial[i], serial[i + 1]);
    return serial;
}

Bytes BuildUnitSerialRequest(std::size_t pointerBytes) {
    const SerialRequestLayout layout = SerialRequestLayoutFor(pointerBytes);
    Bytes bytes(layout.totalBytes, 0);
    PutU16(bytes, 0, static_cast<std::uint16_t>(layout.record.recordLength));  // Length
    // ScsiStatus, PathId, TargetId, Lun: 0.
    bytes[6] = 6;                        // CdbLength
    bytes[7] = 24;                       // SenseInfoLength
    bytes[8] = 1;                        // DataIn: SCSI_IOCTL_DATA_IN
    PutU32(bytes, 12, kSerialPageBytes);  // DataTransferLength
    PutU32(bytes, 16, kTimeoutSeconds);   // TimeOutValue
    // DataBufferOffset: the high half of the 64-bit field stays 0.
    PutU32(bytes, layout.record.dataBufferOffset, static_cast<std::uint32_t>(layout.dataOffset));
    PutU32(bytes, layout.record.senseOffsetOffset, static_cast<std::uint32_t>(layout.senseOffset));
    // INQUIRY, vital product data, unit serial number page, allocation length.
    const std::uint8_t command[6] = {0x12, 0x01, 0x80, 0, static_cast<std::uint8_t>(kSerialPageBytes), 0};
    std::copy(command, command + 6, bytes.begin() + static_cast<std::ptrdiff_t>(layout.record.cdbOffset));
    return bytes;
}

std::string ParseUnitSerialReply(const Bytes& reply, std::size_t pointerBytes) {
    const SerialRequestLayout layout = SerialRequestLayoutFor(pointerBytes);
    // The unit serial number page: page code at byte 1, page length at byte 3, the serial from byte 4.
    if (reply.size() < layout.dataOffset + 4 || reply[layout.dataOffset + 1] != 0x80) return {};
    const std::size_t length = std::min<std::size_t>(reply[layout.dataOffset + 3], kSerialPageBytes - 4);
    return TextOf(reply, layout.dataOffset + 4, length);
}

std::string ParseStorageDescriptorSerial(const Bytes& reply) {
    // A SerialNumberOffset of 0 means the device has none.
    return StorageDescriptorText(reply, kDescriptorSerialNumberField);
}

std::string ReadIdeSerial(System& sys) {
    const auto version = sys.Version();
    const bool nt = version && version->platformId == platform::kPlatformNt;
    return nt ? ReadIdeSerialOnNt(sys) : ReadIdeSerialThroughSmart(sys);
}

std::string ReadScsiSerial(Device& device) {
    const Bytes request = BuildUnitSerialRequest();
    const SerialRequestLayout layout = SerialRequestLayoutFor(sizeof(void*));
    // The record goes in; the whole buffer, data area included, comes back.
    const Bytes input(request.begin(), request.begin() + static_cast<std::ptrdiff_t>(layout.record.recordLength));
    const auto reply = device.Control(kIoctlScsiPassThrough, input, layout.totalBytes);
    return reply ? ParseUnitSerialReply(*reply) : std::string();
}

std::string ReadStorageSerial(Device& device) {
    constexpr std::size_t kDescriptorBytes = 1024;
    const auto reply = device.Control(kIoctlStorageQueryProperty, BuildDevicePropertyQuery(), kDescriptorBytes);
    return reply ? ParseStorageDescriptorSerial(*reply) : std::string();
}

std::string GetHDDSerial(System& sys) {
    return Guarded([&] {
        std::string serial = Trim(ReadIdeSerial(sys));
        if (serial.empty()) {
            if (const auto volume =
                    sys.OpenDevice({"\\\\.\\C:", platform::kGenericRead | platform::kGenericWrite,
                                    platform::kShareRead | platform::kShareWrite, platform::kOpenExisting})) {
                serial = Trim(ReadScsiSerial(*volume));
            }
        }
        if (serial.empty()) {
            // Asking for the descriptor needs no access rights, so it answers for ordinary accounts too.
            if (const auto drive =
                    sys.OpenDevice({"\\\\.\\PhysicalDrive0", 0, platform::kShareRead | platform::kShareWrite,
                                    platform::kOpenExisting})) {
                serial = Trim(ReadStorageSerial(*drive));
            }
        }
        return serial.empty() ? std::string("Error!") : serial;
    });
}

}  // namespace orvane
