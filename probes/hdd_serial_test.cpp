#include "probes/hdd_serial.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/testing/test_machine.h"

namespace orvane {
namespace {

using namespace orvane::testing;

// An ATA string as IDENTIFY stores it: padded with spaces to its field, each pair of characters swapped.
void PutAtaString(Bytes& identify, std::size_t word, std::size_t words, const std::string& text) {
    std::string field = text;
    field.resize(words * 2, ' ');
    for (std::size_t i = 0; i < field.size(); i += 2) {
        identify[word * 2 + i] = static_cast<std::uint8_t>(field[i + 1]);
        identify[word * 2 + i + 1] = static_cast<std::uint8_t>(field[i]);
    }
}

// IDENTIFY DEVICE data of a WDC WD10EZEX desktop disk (words 10-19 serial, 23-26 firmware, 27-46 model),
// wrapped in SENDCMDOUTPARAMS. Western Digital right-justifies its serial inside the field.
Bytes IdentifyReply(const std::string& serialField) {
    Bytes identify(kIdentifyBytes, 0);
    identify[0] = 0x5A;  // word 0: fixed, ATA device
    identify[1] = 0x04;
    identify[2] = 0xFF;  // word 1: 16383 cylinders
    identify[3] = 0x3F;
    identify[6] = 0x10;   // word 3: 16 heads
    identify[12] = 0x3F;  // word 6: 63 sectors per track
    PutAtaString(identify, 10, 10, serialField);
    PutAtaString(identify, 23, 4, "01.01A01");
    PutAtaString(identify, 27, 20, "WDC WD10EZEX-08WN4A0");
    Bytes reply(kSendCmdOutHeaderBytes, 0);
    reply[0] = 0x00;  // cBufferSize 512
    reply[1] = 0x02;
    reply.insert(reply.end(), identify.begin(), identify.end());
    return reply;
}

std::uint32_t U32(const Bytes& bytes, std::size_t offset) {
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 | std::uint32_t(bytes[offset + 3]) << 24;
}

TEST(IdentifyRequests, AreTheMiniportAndSmartRecordsByteForByte) {
    const Bytes miniport = BuildMiniportIdentifyRequest();
    ASSERT_EQ(miniport.size(), 572u);
    EXPECT_EQ(U32(miniport, 0), 28u);  // HeaderLength
    EXPECT_EQ(std::string(miniport.begin() + 4, miniport.begin() + 12), "SCSIDISK");
    EXPECT_EQ(U32(miniport, 12), 2u);         // Timeout
    EXPECT_EQ(U32(miniport, 16), 0x1B0501u);  // IOCTL_SCSI_MINIPORT_IDENTIFY
    EXPECT_EQ(U32(miniport, 20), 0u);
    EXPECT_EQ(U32(miniport, 24), 544u);  // Length
    const Bytes smart = BuildSmartIdentifyRequest();
    ASSERT_EQ(smart.size(), 32u);
    const Bytes command(miniport.begin() + 28, miniport.begin() + 60);
    EXPECT_EQ(command, smart) << "the same SENDCMDINPARAMS in both";
    const Bytes expected = {0x00, 0x02, 0, 0, 0, 1, 1, 0, 0, 0xA0, 0xEC, 0, 0};
    EXPECT_EQ(Bytes(smart.begin(), smart.begin() + 13), expected);
    EXPECT_EQ(Bytes(smart.begin() + 13, smart.end()), Bytes(19, 0));
    EXPECT_TRUE(std::all_of(miniport.begin() + 60, miniport.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST(ParseIdentifySerial, SwapsEachWordBackIntoReadingOrder) {
    Bytes reply(kSendCmdOutHeaderBytes + kIdentifyBytes, 0);
    const std::string stored = "BADCFEHGJILKNMPORQTS";  // data bytes 2k, 2k+1 become characters 2k+1, 2k
    std::copy(stored.begin(), stored.end(), reply.begin() + 36);
    EXPECT_EQ(ParseIdentifySerial(reply), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(ParseIdentifySerial(IdentifyReply("     WD-WCC4N1234567")), "     WD-WCC4N1234567") << "untrimmed";
    EXPECT_EQ(ParseIdentifySerial(Bytes(40, 'x')), "xxxx") << "a short reply gives what it holds";
}

// SCSI_PASS_THROUGH as the platform header lays it out: Length, ScsiStatus, PathId, TargetId, Lun, CdbLength,
// SenseInfoLength, DataIn, DataTransferLength at 12, TimeOutValue at 16, then the pointer-sized
// DataBufferOffset aligned to its size, SenseInfoOffset and Cdb[16]; the record padded to the pointer's size.
TEST(UnitSerialRequest, HasThePlatformsPassThroughLayoutForEachPointerWidth) {
    struct Case {
        std::size_t pointerBytes;
        std::size_t length;  // sizeof(SCSI_PASS_THROUGH)
        std::size_t dataBufferField, senseOffsetField, cdbField;
        std::size_t total;  // record, 32-byte sense area, 192-byte data area
    };
    const Case cases[] = {
        {4, 44, 20, 24, 28, 268},
        {8, 56, 24, 32, 36, 280},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pointerBytes);
        const Bytes request = BuildUnitSerialRequest(c.pointerBytes);
        ASSERT_EQ(request.size(), c.total);
        EXPECT_EQ(request[0] | request[1] << 8, int(c.length));  // Length
        // ScsiStatus, PathId, TargetId, Lun; CdbLength, SenseInfoLength, DataIn (from the device).
        EXPECT_EQ(Bytes(request.begin() + 2, request.begin() + 9), (Bytes{0, 0, 0, 0, 6, 24, 1}));
        EXPECT_EQ(U32(request, 12), 192u);  // DataTransferLength
        EXPECT_EQ(U32(request, 16), 2u);    // TimeOutValue
        // The sense area follows the record directly, the data area the sense area.
        EXPECT_EQ(U32(request, c.dataBufferField), c.length + 32);
        if (c.pointerBytes == 8) {
            EXPECT_EQ(U32(request, c.dataBufferField + 4), 0u);
        }
        EXPECT_EQ(U32(request, c.senseOffsetField), c.length);
        EXPECT_EQ(Bytes(request.begin() + c.cdbField, request.begin() + c.cdbField + 16),
                  (Bytes{0x12, 0x01, 0x80, 0x00, 0xC0, 0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        const SerialRequestLayout layout = SerialRequestLayoutFor(c.pointerBytes);
        EXPECT_EQ(layout.dataOffset, c.length + 32);
        EXPECT_EQ(layout.totalBytes, c.total);
    }
}

Bytes UnitSerialReply(std::uint8_t pageCode, std::uint8_t pageLength, const std::string& serial) {
    const SerialRequestLayout layout = SerialRequestLayoutFor(sizeof(void*));
    Bytes reply = BuildUnitSerialRequest();
    reply[layout.dataOffset + 1] = pageCode;
    reply[layout.dataOffset + 3] = pageLength;
    for (std::size_t i = 0; i < serial.size() && layout.dataOffset + 4 + i < reply.size(); ++i) {
        reply[layout.dataOffset + 4 + i] = static_cast<std::uint8_t>(serial[i]);
    }
    return reply;
}

TEST(ParseUnitSerialReply, TakesThePageLengthWithinTheDataArea) {
    EXPECT_EQ(ParseUnitSerialReply(UnitSerialReply(0x80, 8, "3JT1XKQ7 tail")), "3JT1XKQ7");
    EXPECT_EQ(ParseUnitSerialReply(UnitSerialReply(0x83, 8, "3JT1XKQ7")), "") << "another page";
    EXPECT_EQ(ParseUnitSerialReply(UnitSerialReply(0x80, 255, std::string(200, 'S'))), std::string(188, 'S'))
        << "never more than the data area holds";
}

std::string StorageDescriptor(const std::string& serial) {
    std::string reply(40, '\0');
    reply[4] = 60;   // Size
    reply[24] = 40;  // SerialNumberOffset
    reply += serial;
    reply.resize(60, '\0');
    return reply;
}

TEST(ParseStorageDescriptorSerial, ReadsTheSerialInsideTheDescriptor) {
    const std::string good = StorageDescriptor("  S3Z9NB0K123456A ");
    EXPECT_EQ(ParseStorageDescriptorSerial(Bytes(good.begin(), good.end())), "  S3Z9NB0K123456A ");
    std::string none = good;
    none[24] = 0;
    EXPECT_EQ(ParseStorageDescriptorSerial(Bytes(none.begin(), none.end())), "") << "offset 0: no serial";
    std::string outside = good;
    outside[24] = 90;
    EXPECT_EQ(ParseStorageDescriptorSerial(Bytes(outside.begin(), outside.end())), "");
}

TEST(GetHDDSerial, TriesIdentifyThenTheVolumeThenTheDriveDescriptor) {
    const std::string descriptor = StorageDescriptor("S3Z9NB0K123456A");
    const Bytes miniportReply = [] {
        Bytes reply = BuildMiniportIdentifyRequest();
        const Bytes identify = IdentifyReply("     WD-WCC4N1234567");
        std::copy(identify.begin(), identify.end(), reply.begin() + 28);
        return reply;
    }();
    struct Case {
        const char* name;
        std::optional<Bytes> miniport, volume, drive;
        const char* serial;
    };
    const Case cases[] = {
        {"IDENTIFY through the miniport, trimmed",     miniportReply,                  std::nullopt, std::nullopt, "WD-WCC4N1234567"                                                            },
        {"an all-space IDENTIFY serial falls through", BuildMiniportIdentifyRequest(),
         UnitSerialReply(0x80,                                                                       12,           "  3JT1XKQ7  "),                                                               std::nullopt, "3JT1XKQ7"},
        {"no SCSI adapter: the volume answers",                                  std::nullopt,                                                                UnitSerialReply(0x80,                                        8,       "3JT1XKQ7"), std::nullopt,
         "3JT1XKQ7"},
        {"the volume has another page: the drive descriptor",                                 std::nullopt,                                                   UnitSerialReply(0x83,                                                                                 8,                                                                                             "3JT1XKQ7"),
         Bytes(descriptor.begin(), descriptor.end()), "S3Z9NB0K123456A"},
        {"nothing answers",                        std::nullopt,   std::nullopt,std::nullopt,                                                                                 "Error!"                                                                                                                                            },
    };
    for (const Case& c : cases) {
        TestMachine machine;
        machine.version = WindowsNt(5, 1, 2600);
        if (c.miniport) machine.devices["\\\\.\\Scsi0:"].replies[kIoctlScsiMiniport] = *c.miniport;
        if (c.volume) machine.devices["\\\\.\\C:"].replies[kIoctlScsiPassThrough] = *c.volume;
        if (c.drive) machine.devices["\\\\.\\PhysicalDrive0"].replies[kIoctlStorageQueryProperty] = *c.drive;
        EXPECT_EQ(GetHDDSerial(machine), c.serial) << c.name;
    }
}

TEST(GetHDDSerial, OpensEachDeviceAsDesigned) {
    TestMachine machine;
    machine.version = WindowsNt(5, 1, 2600);
    machine.devices["\\\\.\\Scsi0:"].replies[kIoctlScsiMiniport] = BuildMiniportIdentifyRequest();
    machine.devices["\\\\.\\C:"];
    EXPECT_EQ(GetHDDSerial(machine), "Error!");
    using platform::DeviceOpen;
    const std::uint32_t readWrite = platform::kGenericRead | platform::kGenericWrite;
    const std::uint32_t share = platform::kShareRead | platform::kShareWrite;
    ASSERT_EQ(machine.deviceOpens.size(), 3u);
    const DeviceOpen expected[] = {
        {"\\\\.\\Scsi0:",         readWrite, share, platform::kOpenExisting},
        {"\\\\.\\C:",             readWrite, share, platform::kOpenExisting},
        {"\\\\.\\PhysicalDrive0", 0,         share, platform::kOpenExisting}, // no access rights needed
    };
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(machine.deviceOpens[i].path, expected[i].path);
        EXPECT_EQ(machine.deviceOpens[i].access, expected[i].access) << expected[i].path;
        EXPECT_EQ(machine.deviceOpens[i].share, expected[i].share) << expected[i].path;
        EXPECT_EQ(machine.deviceOpens[i].creation, expected[i].creation) << expected[i].path;
    }
    ASSERT_EQ(machine.deviceCalls.size(), 2u);
    EXPECT_EQ(machine.deviceCalls[0].input, BuildMiniportIdentifyRequest());
    EXPECT_EQ(machine.deviceCalls[0].outputBytes, 572u);
    // The record alone goes in; the data area's end is asked for.
    const Bytes request = BuildUnitSerialRequest();
    EXPECT_EQ(machine.deviceCalls[1].input, Bytes(request.begin(), request.begin() + (sizeof(void*) == 8 ? 56 : 44)));
    EXPECT_EQ(machine.deviceCalls[1].outputBytes, sizeof(void*) == 8 ? 280u : 268u);
}

TEST(GetHDDSerial, Uses9xSmartDriverWithTheReplyAtItsStart) {
    TestMachine machine;
    machine.version = Windows98(" A ");
    machine.devices["\\\\.\\SMARTVSD"].replies[kSmartRcvDriveData] = IdentifyReply("WD-WCC4N1234567\0\0\0\0\0");
    EXPECT_EQ(GetHDDSerial(machine), "WD-WCC4N1234567");
    ASSERT_FALSE(machine.deviceOpens.empty());
    EXPECT_EQ(machine.deviceOpens[0].access, 0u);
    EXPECT_EQ(machine.deviceOpens[0].share, 0u);
    EXPECT_EQ(machine.deviceOpens[0].creation, platform::kCreateNew);
    EXPECT_EQ(machine.deviceCalls[0].input, BuildSmartIdentifyRequest());
    EXPECT_EQ(machine.deviceCalls[0].outputBytes, 528u);
}

TEST(HddSerialParsers, SurviveGarbageReplies) {
    std::mt19937 random(20261210);
    for (int round = 0; round < 3000; ++round) {
        Bytes reply(random() % 700);
        for (auto& byte : reply) byte = static_cast<std::uint8_t>(random());
        EXPECT_LE(ParseIdentifySerial(reply).size(), kIdentifySerialBytes);
        EXPECT_LE(ParseUnitSerialReply(reply).size(), 188u);
        EXPECT_LE(ParseUnitSerialReply(reply, 4).size(), 188u);
        EXPECT_LT(ParseStorageDescriptorSerial(reply).size(), std::max<std::size_t>(reply.size(), 1));
        // The same bytes as every device's reply, through the whole probe.
        TestMachine machine;
        machine.version = round % 2 ? WindowsNt(5, 1, 2600) : Windows98(" A ");
        machine.devices["\\\\.\\Scsi0:"].replies[kIoctlScsiMiniport] = reply;
        machine.devices["\\\\.\\SMARTVSD"].replies[kSmartRcvDriveData] = reply;
        machine.devices["\\\\.\\C:"].replies[kIoctlScsiPassThrough] = reply;
        machine.devices["\\\\.\\PhysicalDrive0"].replies[kIoctlStorageQueryProperty] = reply;
        EXPECT_FALSE(GetHDDSerial(machine).empty());
    }
}

}  // namespace
}  // namespace orvane
