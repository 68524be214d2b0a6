#include "probes/firmware_probes.h"

#include <gtest/gtest.h>

#include "platform/testing/test_machine.h"
#include "probes/registry_reader.h"

namespace orvane {
namespace {

using namespace orvane::testing;

TEST(PowerWords, DecodeExactValuesOnly) {
    struct Case {
        std::uint8_t value;
        const char* ac;
        const char* battery;
    };
    const Case cases[] = {
        {0,   "OffLine", "High"      },
        {1,   "OnLine",  "High"      },
        {2,   "Unknown", "Low"       },
        {4,   "Unknown", "Critical"  },
        {8,   "Unknown", "Charging"  },
        {128, "Unknown", "No Battery"},
        {9,   "Unknown", "Unknown"   }, // high and charging at once
        {3,   "Unknown", "Unknown"   },
        {255, "Unknown", "Unknown"   },
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(AcLineWord(c.value), c.ac) << int(c.value);
        EXPECT_STREQ(BatteryFlagWord(c.value), c.battery) << int(c.value);
    }
}

TEST(PowerProbes, EachAsksThePlatformAndSaysUnknownWhenItCannotAnswer) {
    TestMachine machine;
    EXPECT_EQ(GetACPowerStatus(machine), "Unknown");
    EXPECT_EQ(GetBatteryStatus(machine), "Unknown");
    machine.powerStatus = platform::PowerStatus{255, 8};  // AC unknown, battery still decoded
    EXPECT_EQ(GetACPowerStatus(machine), "Unknown");
    EXPECT_EQ(GetBatteryStatus(machine), "Charging");
    machine.powerStatus = platform::PowerStatus{1, 128};
    EXPECT_EQ(GetACPowerStatus(machine), "OnLine");
    EXPECT_EQ(GetBatteryStatus(machine), "No Battery");
}

constexpr const char* kSystemKey = "HARDWARE\\DESCRIPTION\\System";

std::vector<std::uint8_t> MultiString(std::initializer_list<std::string> strings) {
    std::vector<std::uint8_t> bytes;
    for (const std::string& s : strings) {
        bytes.insert(bytes.end(), s.begin(), s.end());
        bytes.push_back(0);
    }
    bytes.push_back(0);
    return bytes;
}

TEST(GetBIOSInfo, ReadsTheHardwareDescriptionOnNt) {
    for (const platform::OsVersion& version : {WindowsNt(4, 0, 1381), WindowsNt(5, 1, 2600), WindowsNt(10, 0, 19045)}) {
        TestMachine machine;
        machine.version = version;
        EXPECT_EQ(GetBIOSInfo(machine), " |  |  |  | ") << "the key cannot be opened";
        machine.SetText(kSystemKey, "Identifier", "AT/AT COMPATIBLE");
        machine.SetText(kSystemKey, "SystemBiosDate", "09/15/05");
        machine.SetValue(
            platform::Hive::LocalMachine, kSystemKey, "SystemBiosVersion",
            {platform::kRegMultiSz, MultiString({"DELL   - 7", "Phoenix ROM BIOS PLUS Version 1.10 A05"})});
        EXPECT_EQ(GetBIOSInfo(machine), "AT/AT COMPATIBLE | 09/15/05 | DELL   - 7 |  | ") << version.major;
    }
}

TEST(GetBIOSInfo, AnUnreadableVersionLeavesOnlyThatFieldEmpty) {
    const std::vector<platform::RegValue> versions = {
        {platform::kRegMultiSz, std::vector<std::uint8_t>(256, 'x')}, // larger than the 255-byte buffer
        {platform::kRegSz,                     {'1', '.', '0', 0}                                  }, // raw reads refuse text
    };
    for (const platform::RegValue& value : versions) {
        TestMachine machine;
        machine.version = WindowsNt(5, 0, 2195);
        machine.SetText(kSystemKey, "Identifier", "AT/AT COMPATIBLE");
        machine.SetText(kSystemKey, "SystemBiosDate", "01/01/99");
        machine.SetValue(platform::Hive::LocalMachine, kSystemKey, "SystemBiosVersion", value);
        EXPECT_EQ(GetBIOSInfo(machine), "AT/AT COMPATIBLE | 01/01/99 |  |  | ");
    }
    TestMachine badIdentifier;
    badIdentifier.version = WindowsNt(5, 0, 2195);
    badIdentifier.SetDword(kSystemKey, "Identifier", 1);
    EXPECT_EQ(GetBIOSInfo(badIdentifier), "") << "any other error empties the line";
}

TEST(GetBIOSInfo, ReadsTheRomImageOn9x) {
    TestMachine machine;
    machine.version = Windows98(" A ");
    machine.SetText(kSystemKey, "Identifier", "not used here");
    EXPECT_EQ(GetBIOSInfo(machine), "") << "the image cannot be read";
    machine.biosImage = std::map<std::uint32_t, std::string>{
        {0xFE061, std::string("Award Modular BIOS v4.51PG\0trailing", 35)},
        {0xFFFF5,       "07/15/98"                                                  },
        {0xFE091,       "W6330MS V1.1"},
        {0xFEC71,       "2A69KM4IC-00"                                                  },
    };
    EXPECT_EQ(GetBIOSInfo(machine), "Award Modular BIOS v4.51PG | 07/15/98 | W6330MS V1.1 | 2A69KM4IC-00 | ");
}

TEST(GetMotherboard, ReadsTheOemTextAndLetsATypeErrorThrough) {
    constexpr const char* kOem = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\WindowsUpdate\\OemInfo";
    TestMachine machine;
    EXPECT_EQ(GetMotherboard(machine), "");
    machine.SetText(kOem, "WbemOem", "ASUSTeK Computer INC.");
    EXPECT_EQ(GetMotherboard(machine), "ASUSTeK Computer INC.");
    machine.SetBinary(kOem, "WbemOem", {1, 2});
    EXPECT_THROW(GetMotherboard(machine), RegistryError);
}

}  // namespace
}  // namespace orvane
