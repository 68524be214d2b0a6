#include "screens/machine/machine_model.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "machine/battery_replies.h"
#include "machine/processor_topology.h"
#include "machine/storage_replies.h"
#include "platform/device_records.h"
#include "platform/testing/test_machine.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using platform::Hive;
using testing::TestMachine;

const fs::path kFixtures = fs::path(ORVANE_SHARED_DIR) / "fixtures";
constexpr const char* kCurrentVersion = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
constexpr platform::Guid kBatteryClass{0x72631e54, 0x78a4, 0x11d0, {0xbc, 0xf7, 0x00, 0xaa, 0x00, 0xb7, 0xb3, 0x2a}};

void PutLe(Bytes& bytes, std::size_t at, std::uint64_t value, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::optional<Bytes> ReadFixture(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// The value of an item of a group's first record; "null" where it is null, "missing" where there is no item.
std::string Value(const MachineInfo& info, const std::string& group, const std::string& key) {
    const MachineItem* item = info.Find(group, key);
    if (!item) return "missing";
    return item->value.value_or("null");
}
std::string ShownText(const MachineInfo& info, const std::string& group, const std::string& key) {
    const MachineItem* item = info.Find(group, key);
    return item ? item->shown : "missing";
}

const MachineGroup& Group(const MachineInfo& info, const std::string& key) {
    for (const MachineSection& section : info.sections) {
        for (const MachineGroup& group : section.groups) {
            if (group.key == key) return group;
        }
    }
    static const MachineGroup none;
    ADD_FAILURE() << "no group " << key;
    return none;
}

std::string RecordValue(const MachineRecord& record, const std::string& key) {
    for (const MachineItem& item : record.items) {
        if (item.key == key) return item.value.value_or("null");
    }
    return "missing";
}

TEST(MachineModel, SectionsGroupsAndKeysInTheirOrderAndNothingInventedWhereNothingAnswers) {
    TestMachine machine;  // no SMBIOS, DXGI, SetupAPI, TPM, disks or batteries; no registry values
    machine.hasProcessorRelationsEx = false;
    const MachineInfo info = ReadMachineInfo(machine);
    std::vector<std::string> sections, groups;
    for (const MachineSection& section : info.sections) {
        sections.push_back(section.caption);
        for (const MachineGroup& group : section.groups) {
            groups.push_back(group.key);
            for (const MachineRecord& record : group.records) {
                for (const MachineItem& item : record.items) {
                    SCOPED_TRACE(group.key + "." + item.key);
                    EXPECT_FALSE(item.value.has_value());
                    EXPECT_EQ(item.shown, "");
                }
            }
        }
    }
    EXPECT_EQ(sections, (std::vector<std::string>{"Windows", "Firmware", "System", "Board", "Memory modules",
                                                  "Graphics", "Monitors", "Disks", "Security", "Battery",
                                                  "Processor"}));
    EXPECT_EQ(groups, (std::vector<std::string>{"windows", "firmware", "system", "board", "chassis", "memory_slots",
                                                "memory_modules", "graphics", "monitors", "disks", "security",
                                                "batteries", "processor"}));
    std::vector<std::string> windowsKeys;
    for (const MachineItem& item : Group(info, "windows").records.at(0).items) windowsKeys.push_back(item.key);
    EXPECT_EQ(windowsKeys, (std::vector<std::string>{"product_name", "display_version", "build", "ubr", "edition_id",
                                                     "architecture", "install_date"}));
    // A list with no entries says so in the window.
    const std::vector<MachineRow> rows = MachineRows(info);
    EXPECT_NE(std::find(rows.begin(), rows.end(), MachineRow{7, "Disks", "None found"}), rows.end());
    EXPECT_NE(std::find(rows.begin(), rows.end(), MachineRow{9, "Batteries", "None found"}), rows.end());
}

TEST(MachineModel, WindowsElevenIsNamedByItsBuildWhateverProductNameSays) {
    struct Case {
        std::optional<std::string> name;
        std::optional<std::uint32_t> build;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"Windows 10 Pro", 22631, "Windows 11 Pro"},
        {"Windows 10 Home", 22000, "Windows 11 Home"},
        {"Windows 10 Pro", 19045, "Windows 10 Pro"},
        {"Windows 10 Enterprise LTSC 2021", 19044, "Windows 10 Enterprise LTSC 2021"},
        {"Windows Server 2022 Standard", 20348, "Windows Server 2022 Standard"},
        {"Windows Server 2025 Datacenter", 26100, "Windows Server 2025 Datacenter"},  // no "Windows 10" to mend
        {"Windows 10 Pro", std::nullopt, "Windows 10 Pro"},
        {std::nullopt, 22631, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.value_or("(none)"));
        EXPECT_EQ(WindowsProductName(c.name, c.build), c.expected);
    }
}

TEST(MachineModel, WindowsValuesComeFromCurrentVersionAndTheKernel) {
    TestMachine machine;
    machine.SetText(kCurrentVersion, "ProductName", "Windows 10 Pro");
    machine.SetText(kCurrentVersion, "CurrentBuildNumber", "22631");
    machine.SetText(kCurrentVersion, "CurrentBuild", "22631");
    machine.SetText(kCurrentVersion, "ReleaseId", "2009");
    machine.SetText(kCurrentVersion, "DisplayVersion", "23H2");
    machine.SetDword(kCurrentVersion, "UBR", 2861);
    machine.SetText(kCurrentVersion, "EditionID", "Professional");
    machine.SetDword(kCurrentVersion, "InstallDate", 1700000000);  // 2023-11-14 22:13:20 UTC
    machine.kernelVersion = testing::WindowsNt(10, 0, 22631);
    machine.nativeArchitecture = platform::kArchitectureAmd64;
    MachineInfo info = ReadMachineInfo(machine);
    EXPECT_EQ(Value(info, "windows", "product_name"), "Windows 11 Pro");
    EXPECT_EQ(Value(info, "windows", "build"), "22631");
    EXPECT_EQ(Value(info, "windows", "display_version"), "23H2");
    EXPECT_EQ(Value(info, "windows", "ubr"), "2861");
    EXPECT_EQ(Value(info, "windows", "edition_id"), "Professional");
    EXPECT_EQ(Value(info, "windows", "architecture"), "x64");
    EXPECT_EQ(Value(info, "windows", "install_date"), "2023-11-14");

    // Without the registry's build values the kernel's record answers; before 20H2 ReleaseId is the
    // version. A value of an odd type reads as absent.
    machine.RemoveValue(Hive::LocalMachine, kCurrentVersion, "CurrentBuildNumber");
    machine.SetDword(kCurrentVersion, "CurrentBuild", 22631);
    machine.kernelVersion = testing::WindowsNt(10, 0, 19045);
    machine.RemoveValue(Hive::LocalMachine, kCurrentVersion, "DisplayVersion");
    machine.SetDword(kCurrentVersion, "EditionID", 4);
    machine.nativeArchitecture = 0xBEEF;
    info = ReadMachineInfo(machine);
    EXPECT_EQ(Value(info, "windows", "product_name"), "Windows 10 Pro");
    EXPECT_EQ(Value(info, "windows", "build"), "19045");
    EXPECT_EQ(Value(info, "windows", "display_version"), "2009");
    EXPECT_EQ(Value(info, "windows", "edition_id"), "null");
    EXPECT_EQ(Value(info, "windows", "architecture"), "null");
    machine.kernelVersion.reset();
    EXPECT_EQ(Value(ReadMachineInfo(machine), "windows", "build"), "null");
}

TEST(MachineModel, FirmwareSystemBoardAndModulesFromARecordedTable) {
    const auto table = ReadFixture(kFixtures / "smbios" / "rsmb" / "beelink-eq12.bin");
    if (!table) GTEST_SKIP() << "no recorded SMBIOS tables at " << (kFixtures / "smbios").string();
    TestMachine machine;
    machine.firmwareTables[platform::kFirmwareProviderRsmb] = *table;
    machine.firmwareType = platform::kFirmwareTypeUefi;
    const MachineInfo info = ReadMachineInfo(machine);
    EXPECT_EQ(Value(info, "firmware", "smbios_version"), "3.5");  // as the RSMB header reports it
    EXPECT_EQ(Value(info, "firmware", "bios_vendor"), "American Megatrends International, LLC.");
    EXPECT_EQ(Value(info, "firmware", "bios_version"), "N95V106");
    EXPECT_EQ(Value(info, "firmware", "bios_date"), "12/15/2023");
    EXPECT_EQ(Value(info, "chassis", "type"), "Desktop");
    EXPECT_EQ(Value(info, "firmware", "boot_mode"), "uefi");
    EXPECT_EQ(ShownText(info, "firmware", "boot_mode"), "UEFI");
    EXPECT_EQ(Value(info, "system", "manufacturer"), "AZW");
    EXPECT_EQ(Value(info, "system", "product"), "EQ");
    EXPECT_EQ(Value(info, "system", "serial"), "BN1004GH10075");
    // The maker's "Default string" placeholders are no values.
    EXPECT_EQ(Value(info, "system", "version"), "null");
    EXPECT_EQ(Value(info, "system", "sku"), "null");
    EXPECT_EQ(Value(info, "system", "family"), "null");
    EXPECT_EQ(Value(info, "board", "serial"), "null");
    EXPECT_EQ(ShownText(info, "board", "serial"), "");
    EXPECT_EQ(Value(info, "board", "product"), "EQ");
    const MachineGroup& modules = Group(info, "memory_modules");
    ASSERT_EQ(modules.records.size(), 1u);  // the second slot is empty
    const MachineRecord& module = modules.records[0];
    EXPECT_EQ(RecordValue(module, "locator"), "Controller0-ChannelA-DIMM0");
    EXPECT_EQ(RecordValue(module, "size_bytes"), "17179869184");
    EXPECT_EQ(module.items[2].shown, "16 GB");
    EXPECT_EQ(RecordValue(module, "type"), "DDR5");
    EXPECT_EQ(RecordValue(module, "speed_mts"), "5600");
    EXPECT_EQ(RecordValue(module, "configured_speed_mts"), "4800");
    EXPECT_EQ(RecordValue(module, "part_number"), "CT16G56C46S5.M8G1");
    EXPECT_EQ(RecordValue(module, "form_factor"), "SODIMM");
    EXPECT_EQ(Value(info, "memory_slots", "memory_slots"), "2");
}

TEST(MachineModel, GraphicsFromDxgiWithoutTheSoftwareAdapterElseFromTheClassKeys) {
    TestMachine machine;
    platform::GraphicsAdapterDesc card;
    card.description = u"NVIDIA GeForce RTX 4090";
    card.vendorId = 0x10DE;
    card.deviceId = 0x2684;
    card.dedicatedVideoMemory = 24ull << 30;  // beyond the 4 GB a 32-bit field holds
    card.sharedSystemMemory = 16ull << 30;
    platform::GraphicsAdapterDesc basic;
    basic.description = u"Microsoft Basic Render Driver";
    basic.vendorId = 0x1414;
    basic.flags = platform::kDxgiAdapterFlagSoftware;
    machine.graphicsAdapters = std::vector{card, basic};
    MachineInfo info = ReadMachineInfo(machine);
    const MachineGroup& adapters = Group(info, "graphics");
    ASSERT_EQ(adapters.records.size(), 1u);
    EXPECT_EQ(RecordValue(adapters.records[0], "name"), "NVIDIA GeForce RTX 4090");
    EXPECT_EQ(RecordValue(adapters.records[0], "vendor_id"), "4318");
    EXPECT_EQ(adapters.records[0].items[1].shown, "10DE");
    EXPECT_EQ(RecordValue(adapters.records[0], "dedicated_bytes"), "25769803776");
    EXPECT_EQ(adapters.records[0].items[3].shown, "24 GB");
    EXPECT_EQ(RecordValue(adapters.records[0], "shared_bytes"), "17179869184");

    // No DXGI: the class key's 64-bit size (a QWORD, or the binary some drivers write).
    const std::string classKey = "SYSTEM\\CurrentControlSet\\Control\\Class\\{4d36e968-e325-11ce-bfc1-08002be10318}";
    machine.graphicsAdapters.reset();
    machine.SetText(classKey + "\\0000", "DriverDesc", "AMD Radeon RX 7900 XTX");
    machine.SetText(classKey + "\\0000", "MatchingDeviceId", "pci\\ven_1002&dev_744c");
    Bytes qword(8);
    PutLe(qword, 0, 24ull << 30, 8);
    machine.SetValue(Hive::LocalMachine, classKey + "\\0000", "HardwareInformation.qwMemorySize",
                     {platform::kRegQword, qword});
    machine.SetText(classKey + "\\Properties", "Unrelated", "x");  // no DriverDesc: no adapter
    info = ReadMachineInfo(machine);
    const MachineGroup& fallback = Group(info, "graphics");
    ASSERT_EQ(fallback.records.size(), 1u);
    EXPECT_EQ(RecordValue(fallback.records[0], "name"), "AMD Radeon RX 7900 XTX");
    EXPECT_EQ(RecordValue(fallback.records[0], "vendor_id"), "4098");
    EXPECT_EQ(RecordValue(fallback.records[0], "device_id"), "29772");
    EXPECT_EQ(RecordValue(fallback.records[0], "dedicated_bytes"), "25769803776");
    EXPECT_EQ(RecordValue(fallback.records[0], "shared_bytes"), "null");
}

TEST(MachineModel, MonitorsFromTheirEdidsAndAMonitorWithoutOne) {
    const auto edid = ReadFixture(kFixtures / "edid" / "acer-xb271hu.bin");
    if (!edid) GTEST_SKIP() << "no recorded EDIDs at " << (kFixtures / "edid").string();
    TestMachine machine;
    machine.monitorDevices = std::vector<platform::MonitorDevice>{{"DISPLAY\\ACR048F\\1", *edid},
                                                                  {"DISPLAY\\Default_Monitor\\1", std::nullopt}};
    const MachineInfo info = ReadMachineInfo(machine);
    const MachineGroup& monitors = Group(info, "monitors");
    ASSERT_EQ(monitors.records.size(), 2u);
    const MachineRecord& acer = monitors.records[0];
    EXPECT_EQ(RecordValue(acer, "name"), "XB271HU");
    EXPECT_EQ(RecordValue(acer, "manufacturer_id"), "ACR");
    EXPECT_EQ(RecordValue(acer, "product_code"), "1167");
    EXPECT_EQ(acer.items[2].shown, "048F");
    EXPECT_EQ(RecordValue(acer, "serial"), "T4TAA0018500");
    EXPECT_EQ(RecordValue(acer, "year"), "2016");
    EXPECT_EQ(RecordValue(acer, "width_cm"), "60");
    EXPECT_EQ(RecordValue(acer, "height_cm"), "34");
    EXPECT_EQ(RecordValue(acer, "native_width"), "2560");
    EXPECT_EQ(RecordValue(acer, "native_height"), "1440");
    for (const MachineItem& item : monitors.records[1].items) EXPECT_FALSE(item.value) << item.key;
}

Bytes DeviceDescriptor(const std::string& product, const std::string& serial, std::uint32_t busType) {
    Bytes reply(machine::kDescriptorFixedBytes + 4, 0);
    const auto add = [&](std::size_t field, const std::string& text) {
        PutLe(reply, field, reply.size(), 4);
        reply.insert(reply.end(), text.begin(), text.end());
        reply.push_back(0);
    };
    PutLe(reply, 0, 40, 4);
    PutLe(reply, machine::kDescriptorBusTypeField, busType, 4);
    add(kDescriptorProductIdField, product);
    add(kDescriptorSerialNumberField, serial);
    PutLe(reply, 4, reply.size(), 4);
    return reply;
}

Bytes BooleanDescriptor(bool value) {
    Bytes reply(machine::kBooleanDescriptorBytes, 0);
    PutLe(reply, 0, 12, 4);
    PutLe(reply, 4, 12, 4);
    reply[machine::kBooleanDescriptorValueField] = value ? 1 : 0;
    return reply;
}

TEST(MachineModel, DisksOpenedWithoutAccessAndTheOneWindowsRefuses) {
    TestMachine machine;
    TestMachine::TestDevice nvme;
    nvme.allowedAccess = 0;  // a standard user may open a physical drive only without read or write access
    nvme.control = [](std::uint32_t code, std::span<const std::uint8_t> input,
                      std::size_t) -> std::optional<Bytes> {
        if (code == machine::kIoctlDiskGetDriveGeometryEx) {
            Bytes geometry(32, 0);
            PutLe(geometry, machine::kGeometryExDiskSizeField, 2000398934016ull, 8);
            return geometry;
        }
        if (code != kIoctlStorageQueryProperty || input.size() < 4) return std::nullopt;
        switch (input[0]) {
            case machine::kStorageDeviceProperty: return DeviceDescriptor("Samsung SSD 990 PRO 2TB", "S6Z1NJ0W", 0x11);
            case machine::kStorageDeviceSeekPenaltyProperty: return BooleanDescriptor(false);
            case machine::kStorageDeviceTrimProperty: return BooleanDescriptor(true);
            default: return std::nullopt;
        }
    };
    machine.devices["\\\\.\\PhysicalDrive0"] = nvme;
    machine.deviceOpenErrors["\\\\.\\PhysicalDrive2"] = platform::kErrorAccessDenied;
    const MachineInfo info = ReadMachineInfo(machine);
    const MachineGroup& disks = Group(info, "disks");
    ASSERT_EQ(disks.records.size(), 2u);  // drive 1 is not there
    const MachineRecord& disk = disks.records[0];
    EXPECT_EQ(RecordValue(disk, "number"), "0");
    EXPECT_EQ(RecordValue(disk, "model"), "Samsung SSD 990 PRO 2TB");
    EXPECT_EQ(RecordValue(disk, "serial"), "S6Z1NJ0W");
    EXPECT_EQ(RecordValue(disk, "bus"), "NVMe");
    EXPECT_EQ(RecordValue(disk, "size_bytes"), "2000398934016");
    EXPECT_EQ(disk.items[4].shown, "1.8 TB");
    EXPECT_EQ(RecordValue(disk, "ssd"), "true");
    EXPECT_EQ(disk.items[5].kind, MachineValueKind::Flag);
    EXPECT_EQ(disk.items[5].shown, "SSD");
    EXPECT_EQ(RecordValue(disk, "trim"), "true");
    for (const platform::DeviceOpen& open : machine.deviceOpens) EXPECT_EQ(open.access, 0u) << open.path;

    const MachineRecord& refused = disks.records[1];
    EXPECT_EQ(RecordValue(refused, "number"), "2");
    for (std::size_t i = 1; i < refused.items.size(); ++i) {
        EXPECT_FALSE(refused.items[i].value);
        EXPECT_EQ(refused.items[i].shown, kNeedsAdministrator);
    }
}

TEST(MachineModel, TpmAndSecureBoot) {
    constexpr const char* kState = "SYSTEM\\CurrentControlSet\\Control\\SecureBoot\\State";
    auto tpmInfo = [](std::uint32_t version) {
        Bytes info(platform::kTpmDeviceInfoBytes, 0);
        PutLe(info, 0, 1, 4);
        PutLe(info, 4, version, 4);
        return info;
    };
    struct Case {
        const char* what;
        std::optional<platform::TpmAnswer> tpm;
        std::optional<std::uint32_t> firmwareType;
        std::optional<std::uint32_t> secureBootEnabled;  // none: the State key is missing
        const char* present;
        const char* version;
        const char* secureBoot;
        const char* presentShown;
    };
    const Case cases[] = {
        {"TPM 2.0, secure boot on", platform::TpmAnswer{0, tpmInfo(2)}, platform::kFirmwareTypeUefi, 1, "true", "2.0",
         "on", "Yes"},
        {"TPM 1.2, secure boot off", platform::TpmAnswer{0, tpmInfo(1)}, platform::kFirmwareTypeUefi, 0, "true", "1.2",
         "off", "Yes"},
        {"no TPM, legacy boot", platform::TpmAnswer{0x8028400F, {}}, platform::kFirmwareTypeBios, std::nullopt,
         "false", "null", "unsupported", "No"},
        {"TPM refused a standard user", platform::TpmAnswer{0x80284012, {}}, platform::kFirmwareTypeUefi,
         std::nullopt, "null", "null", "null", kNeedsAdministrator},
        {"deactivated TPM", platform::TpmAnswer{0x80284016, {}}, std::nullopt, 1, "true", "null", "on",
         "Yes (deactivated)"},
        {"no tbs.dll, no firmware type (Wine 8)", std::nullopt, std::nullopt, std::nullopt, "null", "null", "null", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestMachine machine;
        machine.tpm = c.tpm;
        machine.firmwareType = c.firmwareType;
        if (c.secureBootEnabled) machine.SetDword(kState, "UEFISecureBootEnabled", *c.secureBootEnabled);
        const MachineInfo info = ReadMachineInfo(machine);
        EXPECT_EQ(Value(info, "security", "tpm_present"), c.present);
        EXPECT_EQ(ShownText(info, "security", "tpm_present"), c.presentShown);
        EXPECT_EQ(Value(info, "security", "tpm_version"), c.version);
        EXPECT_EQ(Value(info, "security", "secure_boot"), c.secureBoot);
    }
}

Bytes BatteryInformation(std::uint32_t capabilities, std::uint32_t design, std::uint32_t full, std::uint32_t cycles) {
    Bytes info(machine::kBatteryInformationBytes, 0);
    PutLe(info, machine::kBatteryCapabilitiesField, capabilities, 4);
    info[machine::kBatteryTechnologyField] = 1;
    const char chemistry[] = "LION";
    std::copy(chemistry, chemistry + 4, info.begin() + machine::kBatteryChemistryField);
    PutLe(info, machine::kBatteryDesignedCapacityField, design, 4);
    PutLe(info, machine::kBatteryFullChargedCapacityField, full, 4);
    PutLe(info, machine::kBatteryCycleCountField, cycles, 4);
    return info;
}

TEST(MachineModel, BatteriesFromTheClassDriverLeavingOutAUpsElseThePowerManagersSummary) {
    TestMachine machine;
    const std::string laptop = "\\\\?\\acpi#pnp0c0a#1#{72631e54-78a4-11d0-bcf7-00aa00b7b32a}";
    const std::string ups = "\\\\?\\hid#vid_051d#{72631e54-78a4-11d0-bcf7-00aa00b7b32a}";
    Bytes tag(4);
    PutLe(tag, 0, 7, 4);
    machine.devices[laptop].replies = {{machine::kIoctlBatteryQueryTag, tag},
                                       {machine::kIoctlBatteryQueryInformation,
                                        BatteryInformation(machine::kBatterySystemBattery, 57000, 48450, 312)}};
    machine.devices[ups].replies = {{machine::kIoctlBatteryQueryTag, tag},
                                    {machine::kIoctlBatteryQueryInformation, BatteryInformation(0, 90000, 90000, 0)}};
    machine.interfacePaths = {{kBatteryClass, {laptop, ups}}};
    MachineInfo info = ReadMachineInfo(machine);
    const MachineGroup& batteries = Group(info, "batteries");
    ASSERT_EQ(batteries.records.size(), 1u);
    EXPECT_EQ(RecordValue(batteries.records[0], "design_mwh"), "57000");
    EXPECT_EQ(batteries.records[0].items[0].shown, "57,000 mWh");
    EXPECT_EQ(RecordValue(batteries.records[0], "full_charge_mwh"), "48450");
    EXPECT_EQ(RecordValue(batteries.records[0], "wear_percent"), "15.0");
    EXPECT_EQ(RecordValue(batteries.records[0], "cycle_count"), "312");
    EXPECT_EQ(RecordValue(batteries.records[0], "chemistry"), "Lithium ion");

    // No battery device: SYSTEM_BATTERY_STATE knows only the full-charge capacity of them all.
    machine.interfacePaths.clear();
    Bytes state(machine::kSystemBatteryStateBytes, 0);
    state[1] = 1;  // BatteryPresent
    PutLe(state, machine::kSystemBatteryMaxCapacityField, 50000, 4);
    machine.systemBatteryState = state;
    info = ReadMachineInfo(machine);
    ASSERT_EQ(Group(info, "batteries").records.size(), 1u);
    EXPECT_EQ(RecordValue(Group(info, "batteries").records[0], "full_charge_mwh"), "50000");
    EXPECT_EQ(RecordValue(Group(info, "batteries").records[0], "design_mwh"), "null");
    state[1] = 0;
    machine.systemBatteryState = state;
    EXPECT_TRUE(Group(ReadMachineInfo(machine), "batteries").records.empty());
}

// GetLogicalProcessorInformationEx's records in this process's layout.
Bytes CoreRecord(std::uint8_t efficiencyClass, std::uint64_t mask) {
    Bytes record(machine::kCoreGroupMaskOffset + machine::GroupAffinityBytes(sizeof(void*)), 0);
    PutLe(record, 0, machine::kRelationProcessorCore, 4);
    PutLe(record, 4, record.size(), 4);
    record[machine::kCoreEfficiencyClassOffset] = efficiencyClass;
    PutLe(record, machine::kCoreGroupCountOffset, 1, 2);
    PutLe(record, machine::kCoreGroupMaskOffset, mask, sizeof(void*));
    return record;
}
Bytes CacheRecord(std::uint8_t level, std::uint32_t type, std::uint32_t bytes) {
    Bytes record(machine::kExRecordHeaderBytes + 24 + machine::GroupAffinityBytes(sizeof(void*)), 0);
    PutLe(record, 0, machine::kRelationCache, 4);
    PutLe(record, 4, record.size(), 4);
    record[machine::kCacheLevelOffset] = level;
    PutLe(record, machine::kCacheSizeOffset, bytes, 4);
    PutLe(record, machine::kCacheTypeOffset, type, 4);
    return record;
}
Bytes PackageRecord() {
    Bytes record = CoreRecord(0, 0xFF);
    PutLe(record, 0, machine::kRelationPackage, 4);
    return record;
}

TEST(MachineModel, AHybridProcessorsCoreKindsAndCaches) {
    Bytes records;
    auto add = [&records](const Bytes& r) { records.insert(records.end(), r.begin(), r.end()); };
    add(PackageRecord());
    add(CoreRecord(1, 0x3));  // two performance cores with two threads each
    add(CoreRecord(1, 0xC));
    for (int i = 0; i < 4; ++i) add(CoreRecord(0, 0x10ull << i));  // four efficiency cores
    for (int i = 0; i < 6; ++i) add(CacheRecord(1, machine::kCacheData, 48 * 1024));
    add(CacheRecord(1, machine::kCacheInstruction, 32 * 1024));
    add(CacheRecord(2, machine::kCacheUnified, 2 * 1024 * 1024));
    add(CacheRecord(3, machine::kCacheUnified, 12 * 1024 * 1024));
    TestMachine machine;
    machine.processorRelationsExBytes[machine::kRelationAll] = records;
    const MachineInfo info = ReadMachineInfo(machine);
    EXPECT_EQ(Value(info, "processor", "packages"), "1");
    EXPECT_EQ(Value(info, "processor", "cores"), "6");
    EXPECT_EQ(Value(info, "processor", "logical_processors"), "8");
    EXPECT_EQ(Value(info, "processor", "performance_cores"), "2");
    EXPECT_EQ(Value(info, "processor", "efficiency_cores"), "4");
    EXPECT_EQ(Value(info, "processor", "l1d_bytes"), std::to_string(6 * 48 * 1024));
    EXPECT_EQ(ShownText(info, "processor", "l1d_bytes"), "288 KB (6 x 48 KB)");
    EXPECT_EQ(Value(info, "processor", "l1i_bytes"), std::to_string(32 * 1024));
    EXPECT_EQ(ShownText(info, "processor", "l3_bytes"), "12 MB");
}

TEST(MachineModel, BytesForPeople) {
    EXPECT_EQ(BytesText(512), "512 bytes");
    EXPECT_EQ(BytesText(48 * 1024), "48 KB");
    EXPECT_EQ(BytesText(1536ull << 20), "1.5 GB");
    EXPECT_EQ(BytesText(16ull << 30), "16 GB");
    EXPECT_EQ(BytesText(2000398934016ull), "1.8 TB");
}

TEST(MachineModel, TheWindowsRowsHeadEachListEntryAndIndentItsItems) {
    TestMachine machine;
    machine.deviceOpenErrors["\\\\.\\PhysicalDrive0"] = platform::kErrorAccessDenied;
    const std::vector<MachineRow> rows = MachineRows(ReadMachineInfo(machine));
    const auto heading = std::find(rows.begin(), rows.end(), MachineRow{7, "Disk 0", ""});
    ASSERT_NE(heading, rows.end());
    EXPECT_EQ(*(heading + 1), (MachineRow{7, "    Number", "0"}));
    EXPECT_EQ(*(heading + 2), (MachineRow{7, "    Model", kNeedsAdministrator}));
    EXPECT_EQ(rows.front(), (MachineRow{0, "Product", ""}));
}

}  // namespace
}  // namespace orvane
