#include "probes/storage_probes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "platform/testing/test_machine.h"

namespace orvane {
namespace {

using namespace orvane::testing;
using platform::DiskSpace;

constexpr std::uint32_t Bit(char letter) {
    return 1u << (letter - 'A');
}

TEST(GetHardDisks, ListsFixedDrivesFromCWithTheGigabyteBoundary) {
    TestMachine machine;
    machine.driveMask =
        Bit('A') | Bit('B') | Bit('C') | Bit('D') | Bit('E') | Bit('F') | Bit('G') | Bit('H') | Bit('I') | Bit('Z');
    machine.driveTypes = {
        {"A:\\", 3},
        {"B:\\", 3}, // never considered, even when fixed
        {"C:\\", 3},
        {"D:\\", 3},
        {"E:\\", 5},
        {"F:\\", 2},
        {"G:\\", 4},
        {"H:\\", 6},
        {"I:\\", 3},
        {"Z:\\", 3}
    };
    machine.diskSpace = {
        {"A:\\", {1, 2, 3}                            },
        {"C:\\", {1073741825, 1073741824, 0}          }, // free: one byte over 1 GiB; total: exactly 1 GiB
        {"D:\\", {0, 40007761920, 0}                  },
        {"Z:\\", {5368709120, 10737418240, 9000000000}},
    };
    // I: fails its size query.
    EXPECT_EQ(GetHardDisks(machine), "C:  1024.0MB | D:  37.3GB | I:  -0.0MB | Z:  10.0GB | ");
    EXPECT_EQ(GetHardDisksFree(machine), "C:  1.0GB | D:  0.0MB | I:  -0.0MB | Z:  5.0GB | ");

    machine.driveMask = 0;
    EXPECT_EQ(GetHardDisks(machine), "");
}

TEST(GetHardDisks, UsesClusterCountsWithoutTheExtendedCall) {
    TestMachine machine;
    machine.hasDiskFreeSpaceEx = false;
    machine.driveMask = Bit('C') | Bit('D');
    machine.driveTypes = {
        {"C:\\", 3},
        {"D:\\", 3}
    };
    // 64 sectors of 512 bytes: 32 KiB clusters; 1000000 of them exceed 32 bits of bytes.
    machine.diskClusters = {
        {"C:\\", {64, 512, 250000, 1000000}}
    };
    EXPECT_EQ(GetHardDisks(machine), "C:  30.5GB | D:  -0.0MB | ");
    EXPECT_EQ(GetHardDisksFree(machine), "C:  7.6GB | D:  -0.0MB | ");
}

TEST(FormatDriveSize, SwitchesUnitsAboveOneGibibyte) {
    EXPECT_EQ(FormatDriveSize(1073741824.0), "1024.0MB");
    EXPECT_EQ(FormatDriveSize(1073741825.0), "1.0GB");
    EXPECT_EQ(FormatDriveSize(1048576.0), "1.0MB");
    EXPECT_EQ(FormatDriveSize(-1.0), "-0.0MB");
}

// The fields a device reads from a pass-through request, at the offsets the platform's record has.
struct PassThroughFields {
    std::size_t dataBuffer;
    std::size_t senseOffset;
    std::size_t cdb;
};
PassThroughFields FieldsFor(std::size_t pointerSize) {
    return pointerSize == 8 ? PassThroughFields{24, 32, 36} : PassThroughFields{20, 24, 28};
}

std::uint32_t Le32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

// A drive that answers INQUIRY as a SCSI device would: the data goes where DataBuffer points.
TestMachine::TestDevice InquiryDrive(std::vector<std::uint8_t> inquiry) {
    TestMachine::TestDevice drive;
    drive.control = [inquiry](std::uint32_t code, std::span<const std::uint8_t> in,
                              std::size_t outLength) -> std::optional<std::vector<std::uint8_t>> {
        const PassThroughFields f = FieldsFor(sizeof(void*));
        if (code != kIoctlScsiPassThroughDirect || in.size() < f.cdb + 16 || in[f.cdb] != 0x12) return std::nullopt;
        std::uint8_t* data = nullptr;
        std::memcpy(&data, in.data() + f.dataBuffer, sizeof data);
        const std::size_t length = std::min<std::size_t>(Le32(in, 12), inquiry.size());
        std::memcpy(data, inquiry.data(), length);
        return std::vector<std::uint8_t>(in.begin(), in.begin() + static_cast<std::ptrdiff_t>(outLength));
    };
    return drive;
}

std::vector<std::uint8_t> InquiryData(const std::string& identification) {
    std::vector<std::uint8_t> data(96, 0);
    data[0] = 0x05;  // CD/DVD device
    std::copy(identification.begin(), identification.end(), data.begin() + 8);
    return data;
}

// A STORAGE_DEVICE_DESCRIPTOR with the vendor and product strings after the fixed part.
std::vector<std::uint8_t> DeviceDescriptor(const std::string& vendor, const std::string& product) {
    std::vector<std::uint8_t> reply(40, 0);
    auto put32 = [&](std::size_t offset, std::uint32_t value) { std::memcpy(reply.data() + offset, &value, 4); };
    put32(0, 40);
    if (!vendor.empty()) {
        put32(12, static_cast<std::uint32_t>(reply.size()));
        reply.insert(reply.end(), vendor.begin(), vendor.end());
        reply.push_back(0);
    }
    put32(16, static_cast<std::uint32_t>(reply.size()));
    reply.insert(reply.end(), product.begin(), product.end());
    reply.push_back(0);
    put32(4, static_cast<std::uint32_t>(reply.size()));
    return reply;
}

TEST(GetCDDrives, NamesEachCdDriveWithVendorAndProductOnly) {
    TestMachine machine;
    machine.driveMask = Bit('A') | Bit('C') | Bit('D') | Bit('E') | Bit('F') | Bit('G');  // H: is not in the mask
    machine.driveTypes = {
        {"A:\\", 5},
        {"C:\\", 3},
        {"D:\\", 5},
        {"E:\\", 5},
        {"F:\\", 5},
        {"G:\\", 5},
        {"H:\\", 5},
    };
    machine.devices["\\\\.\\D:"] = InquiryDrive(InquiryData("HL-DT-STDVDRAM GH24NSB0 LN01"));
    machine.devices["\\\\.\\E:"] = InquiryDrive(InquiryData(std::string("ACME") + '\0' + "hidden"));  // early zero
    // F: opens but does not answer; G: does not open at all.
    machine.devices["\\\\.\\F:"] = TestMachine::TestDevice{};
    // Twenty-four characters: the product field keeps its padding space, the revision "LN01" is cut off.
    EXPECT_EQ(GetCDDrives(machine), "A:  | D: HL-DT-STDVDRAM GH24NSB0  | E: ACME | F:  | G:  | ");
    EXPECT_EQ(machine.openDevices, 0) << "every device is closed";
}

TEST(GetCDDriveModel, AsksTheStorageDescriptorWhenTheVolumeMayNotBeWritten) {
    TestMachine machine;
    TestMachine::TestDevice drive;
    drive.allowedAccess = 0;  // no read+write open for this account
    drive.control = [](std::uint32_t code, std::span<const std::uint8_t> in,
                       std::size_t outLength) -> std::optional<std::vector<std::uint8_t>> {
        if (code != kIoctlStorageQueryProperty || in.size() != 12 || Le32(in, 0) != 0 || Le32(in, 4) != 0) {
            return std::nullopt;
        }
        std::vector<std::uint8_t> reply = DeviceDescriptor("TSST", "CDDVDW SH-224DB ");
        reply.resize(std::min(reply.size(), outLength));
        return reply;
    };
    machine.devices["\\\\.\\D:"] = drive;
    EXPECT_EQ(GetCDDriveModel(machine, 'D'), "TSST    CDDVDW SH-224DB ");
    EXPECT_EQ(GetCDDriveModel(machine, 'E'), "");
    EXPECT_EQ(machine.openDevices, 0);
}

TEST(DeviceRecords, InquiryRequestIsByteExactForBothPointerWidths) {
    auto expected = [](std::size_t length, std::size_t pointer, std::uint64_t address, std::size_t senseField,
                       std::uint8_t senseOffset, std::size_t cdb) {
        std::vector<std::uint8_t> bytes(length, 0);
        bytes[0] = static_cast<std::uint8_t>(length == 80 ? 44 : 56);
        bytes[6] = 6;
        bytes[7] = 24;
        bytes[8] = 1;
        bytes[12] = 100;
        bytes[16] = 2;
        for (std::size_t i = 0; i < (length == 80 ? 4u : 8u); ++i) {
            bytes[pointer + i] = static_cast<std::uint8_t>(address >> (8 * i));
        }
        bytes[senseField] = senseOffset;
        bytes[cdb] = 0x12;
        bytes[cdb + 4] = 100;
        return bytes;
    };
    EXPECT_EQ(BuildInquiryRequest(4, 0x12345678), expected(80, 20, 0x12345678, 24, 48, 28));
    EXPECT_EQ(BuildInquiryRequest(8, 0x1122334455667788), expected(96, 24, 0x1122334455667788, 32, 60, 36));
}

TEST(DeviceRecords, ParsersStayInsideTheirReplies) {
    EXPECT_EQ(ParseInquiryModel({}), "");
    const std::vector<std::uint8_t> eight(8, 'x');
    EXPECT_EQ(ParseInquiryModel(eight), "");
    std::vector<std::uint8_t> full(120, 'A');  // no zero anywhere: stops at the 100-byte buffer's end
    EXPECT_EQ(ParseInquiryModel(full), std::string(92, 'A'));

    EXPECT_EQ(ParseDeviceDescriptorModel(DeviceDescriptor("", "HL-DT-ST DVD-ROM")), "HL-DT-ST DVD-ROM");
    EXPECT_EQ(ParseDeviceDescriptorModel(DeviceDescriptor("LONGVENDORNAME", "X")), "LONGVENDX");
    std::vector<std::uint8_t> offsetsOutside = DeviceDescriptor("ABC", "DEF");
    offsetsOutside[12] = 0xFF;
    offsetsOutside[16] = 0xFF;
    EXPECT_EQ(ParseDeviceDescriptorModel(offsetsOutside), "");
    std::vector<std::uint8_t> unterminated = DeviceDescriptor("", "PRODUCT");
    unterminated.pop_back();
    EXPECT_EQ(ParseDeviceDescriptorModel(unterminated), "PRODUCT");
    const std::vector<std::uint8_t> shortReply(19, 0);
    EXPECT_EQ(ParseDeviceDescriptorModel(shortReply), "");
}

TEST(DeviceRecords, GarbageRepliesNeverReadOutside) {
    std::mt19937 random(20261210);
    for (int round = 0; round < 5000; ++round) {
        std::vector<std::uint8_t> bytes(random() % 300);
        for (auto& byte : bytes) {
            // Mostly small values, so that offsets often land inside the reply.
            byte = static_cast<std::uint8_t>(random() % 4 == 0 ? random() : random() % 64);
        }
        EXPECT_LE(ParseInquiryModel(bytes).size(), 92u);
        EXPECT_LE(ParseDeviceDescriptorModel(bytes).size(), bytes.size() + 8);
    }
    // The same through the probe, with replies of any length.
    TestMachine machine;
    TestMachine::TestDevice drive;
    drive.allowedAccess = 0;
    drive.control = [&random](std::uint32_t, std::span<const std::uint8_t>,
                              std::size_t outLength) -> std::optional<std::vector<std::uint8_t>> {
        std::vector<std::uint8_t> reply(random() % (outLength + 1));
        for (auto& byte : reply) byte = static_cast<std::uint8_t>(random() % 48);
        return reply;
    };
    machine.devices["\\\\.\\D:"] = drive;
    for (int round = 0; round < 2000; ++round) EXPECT_LE(GetCDDriveModel(machine, 'D').size(), 1024u + 8);
}

TEST(GetCOMPorts, TriesNinePortsOr256OnNtAndNamesHighOnesByNamespace) {
    struct Case {
        std::optional<platform::OsVersion> version;
        const char* shown;
        std::size_t attempts;
    };
    const Case cases[] = {
        {WindowsNt(5, 1, 2600),     "COM1 | COM9 | \\\\.\\COM10 | \\\\.\\COM256 | ", 256},
        {Windows98(" A "),        "COM1 | COM9 | ",         9  },
        {std::nullopt,          "COM1 | COM9 | ",   9},
    };
    for (const Case& c : cases) {
        TestMachine machine;
        machine.version = c.version;
        for (const char* name : {"COM1", "COM3", "COM9", "\\\\.\\COM10", "\\\\.\\COM256", "\\\\.\\COM257"}) {
            machine.devices[name] = {};
        }
        machine.devices["COM3"].heldElsewhere = true;  // in use: cannot be opened exclusively
        EXPECT_EQ(GetCOMPorts(machine), c.shown);
        EXPECT_EQ(machine.openAttempts.size(), c.attempts);
        EXPECT_EQ(machine.openDevices, 0) << "every opened port is closed";
    }
}

TEST(GetLPTPorts, UsesTheSameNamingAndCounts) {
    TestMachine machine;
    machine.version = WindowsNt(5, 0, 2195);
    machine.devices["LPT1"] = {};
    machine.devices["\\\\.\\LPT12"] = {};
    EXPECT_EQ(GetLPTPorts(machine), "LPT1 | \\\\.\\LPT12 | ");
    EXPECT_EQ(machine.openAttempts.back(), "\\\\.\\LPT256");
}

TEST(GetCOMPorts, APortThatNeverAnswersIsLeftOutAndEndsTheSearch) {
    struct Case {
        const char* kind;
        const char* hung;
        const char* shown;  // what the ports before the hung one gave
    };
    const Case cases[] = {
        {"COM", "COM4",  "COM1 | COM2 | COM3 | "},
        {"COM", "COM1",  ""              },  // nothing found: the row falls back to the registry
        {"LPT", "LPT2",  "LPT1 | "       },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hung);
        TestMachine machine;
        machine.version = WindowsNt(5, 1, 2600);
        for (int number = 1; number <= 6; ++number) machine.devices[PortName(c.kind, number)] = {};
        machine.devices[c.hung].neverAnswers = true;
        const std::string shown = std::string(c.kind) == "COM" ? GetCOMPorts(machine) : GetLPTPorts(machine);
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(machine.openAttempts.back(), c.hung) << "no port after the one that did not answer is tried";
        ASSERT_FALSE(machine.deviceOpenWaits.empty());
        for (std::uint32_t wait : machine.deviceOpenWaits) EXPECT_EQ(wait, kPortOpenWaitMs);
        EXPECT_EQ(machine.openDevices, 0);
    }
    // The registry list still names the port the probe gave up on.
    TestMachine machine;
    machine.version = WindowsNt(5, 1, 2600);
    machine.devices["COM1"].neverAnswers = true;
    machine.SetText("HARDWARE\\DEVICEMAP\\SERIALCOMM", "\\Device\\Serial0", "COM1");
    EXPECT_EQ(GetCOMPorts(machine), "");
    EXPECT_EQ(GetCOMPortsFromRegistry(machine), "COM1 | ");
}

TEST(PortsFromRegistry, SerialListIsBarredAndParallelListRunsTogether) {
    TestMachine machine;
    EXPECT_EQ(GetCOMPortsFromRegistry(machine), "");
    EXPECT_EQ(GetLPTPortsFromRegistry(machine), "");
    machine.SetText("HARDWARE\\DEVICEMAP\\SERIALCOMM", "\\Device\\Serial0", "COM1");
    machine.SetText("HARDWARE\\DEVICEMAP\\SERIALCOMM", "\\Device\\Serial1", "COM2");
    EXPECT_EQ(GetCOMPortsFromRegistry(machine), "COM1 | COM2 | ");
    machine.SetText("HARDWARE\\DEVICEMAP\\PARALLEL PORTS", "\\Device\\Parallel0", "\\DosDevices\\LPT1");
    machine.SetText("HARDWARE\\DEVICEMAP\\PARALLEL PORTS", "\\Device\\Parallel1", "\\\\.\\LPT2");
    machine.SetText("HARDWARE\\DEVICEMAP\\PARALLEL PORTS", "Other", "PRN:LPT3");
    machine.SetText("HARDWARE\\DEVICEMAP\\PARALLEL PORTS", "Bare", "LPT4");
    EXPECT_EQ(GetLPTPortsFromRegistry(machine), "LPT1LPT2LPT3LPT4");
    machine.SetDword("HARDWARE\\DEVICEMAP\\SERIALCOMM", "\\Device\\Serial2", 3);
    EXPECT_EQ(GetCOMPortsFromRegistry(machine), "");  // a value of another type fails the whole list
}

TEST(HostControllers, CountUntilTheFirstMissingIndex) {
    struct Case {
        std::vector<std::string> present;
        const char* usb;
        const char* firewire;
    };
    const Case cases[] = {
        {{},                                                                   "Not Detected",                  "Not Detected"                 },
        {{"\\\\.\\HCD0"},                                                      "Detected: 1 host controllers.", "Not Detected"                 },
        {{"\\\\.\\HCD0", "\\\\.\\HCD2", "\\\\.\\1394BUS0", "\\\\.\\1394BUS1"},
         "Detected: 1 host controllers.",                                                                       "Detected: 2 host controllers."},
        {{"\\\\.\\HCD1"},                                                      "Not Detected",                  "Not Detected"                 },
    };
    for (const Case& c : cases) {
        TestMachine machine;
        for (const std::string& name : c.present) machine.devices[name].allowedAccess = 0;  // opened without rights
        EXPECT_EQ(GetUSBControllers(machine), c.usb);
        EXPECT_EQ(GetFirewireControllers(machine), c.firewire);
        EXPECT_EQ(machine.openDevices, 0);
    }
}

TEST(HostControllers, UsbCountsTheHostControllerInterfacesWhenNoHcdNameOpens) {
    const platform::Guid otherClass{0x53F56307, 0xB6BF, 0x11D0, {0x94, 0xF2, 0x00, 0xA0, 0xC9, 0x1E, 0xFB, 0x8B}};
    struct Case {
        const char* name;
        std::vector<std::string> hcdNames;
        std::vector<std::pair<platform::Guid, std::uint32_t>> interfaces;
        const char* usb;
    };
    const Case cases[] = {
        {"only USB 3 controllers: no HCD names", {}, {{kUsbHostControllerInterface, 2}}, "Detected: 2 host controllers."},
        {"HCD names win where there are any", {"\\\\.\\HCD0"}, {{kUsbHostControllerInterface, 3}},
         "Detected: 1 host controllers."},
        {"an empty interface list", {}, {{kUsbHostControllerInterface, 0}}, "Not Detected"},
        {"no SetupAPI, or the list cannot be made", {}, {}, "Not Detected"},
        {"interfaces of another class do not count", {}, {{otherClass, 4}}, "Not Detected"},
        {"a list that never ends is cut", {}, {{kUsbHostControllerInterface, 0xFFFFFFFF}},
         "Detected: 1024 host controllers."},
    };
    for (const Case& c : cases) {
        TestMachine machine;
        for (const std::string& name : c.hcdNames) machine.devices[name].allowedAccess = 0;
        machine.deviceInterfaces = c.interfaces;
        EXPECT_EQ(GetUSBControllers(machine), c.usb) << c.name;
        EXPECT_EQ(machine.openInterfaceLists, 0) << c.name << ": the list is destroyed";
        EXPECT_EQ(GetFirewireControllers(machine), "Not Detected") << "FireWire never asks SetupAPI";
    }
}

TEST(GetPCMCIAStatus, IsWhetherTheEnumeratorKeyOpens) {
    constexpr const char* kKey = "SYSTEM\\CurrentControlSet\\Enum\\PCMCIA";
    TestMachine machine;
    EXPECT_EQ(GetPCMCIAStatus(machine), "Not Installed");
    machine.AddKey(platform::Hive::LocalMachine, kKey);
    EXPECT_EQ(GetPCMCIAStatus(machine), "Installed");
    machine.DenyKey(platform::Hive::LocalMachine, kKey);
    EXPECT_EQ(GetPCMCIAStatus(machine), "Not Installed");
}

}  // namespace
}  // namespace orvane
