#include "probes/os_probes.h"

#include <gtest/gtest.h>

#include "platform/testing/test_machine.h"
#include "probes/registry_reader.h"

namespace orvane {
namespace {

using platform::OsVersion;
using namespace orvane::testing;

TEST(GetWindowsVersion, NamesEachReleaseAndFormatsTheLine) {
    struct Case {
        OsVersion version;
        const char* line;
    };
    const Case cases[] = {
        {{3, 10, 0, 0, ""}, "Windows 3.1x running Win32s 3.10 (Build 0) "},
        {Windows95("B"), "Windows 954.0 (Build 950) "},
        {Windows98(" A "), "Windows 98SE4.10 (Build 2222) "},  // the letter is never shown
        {Windows98(""), "Windows 984.10 (Build 2222) "},
        {Windows98("A  "), "Windows 984.10 (Build 2222) "},   // 'A' in the first place does not count
        {WindowsMe(), "Windows ME4.90 (Build 3000) "},
        {{5, 0, 950, 1, ""}, "Unknown5.0 (Build 950) "},
        {WindowsNt(5, 0, 2195, "Service Pack 4"), "Windows 2000 5.0 (Build 2195) Service Pack 4"},
        {WindowsNt(5, 1, 2600, "Service Pack 2"), "Windows XP5.1 (Build 2600) Service Pack 2"},
        {WindowsNt(5, 2, 3790, ""), "Windows Server 20035.2 (Build 3790) "},
        {WindowsNt(5, 3, 1, ""), "Unknown5.3 (Build 1) "},
        {WindowsNt(6, 0, 6000, ""), "Windows NT6.0 (Build 6000) "},
        {WindowsNt(10, 0, 19045, ""), "Windows NT10.0 (Build 19045) "},
        {WindowsNt(4, 0, 0x0A0B1381, "Service Pack 6"), "Windows NT4.0 (Build 4993) Service Pack 6"},  // low 16 bits
        {{6, 1, 7601, 3, "SP1"}, "6.1 (Build 7601) "},  // an unknown platform has no name and no service pack
    };
    for (const Case& c : cases) {
        TestMachine machine;
        machine.version = c.version;
        EXPECT_EQ(GetWindowsVersion(machine), c.line);
    }
    TestMachine failing;
    EXPECT_EQ(GetWindowsVersion(failing), "");
}

TEST(GetWindowsKind, ClassifiesByPlatformVersionAndTrimmedLetter) {
    struct Case {
        OsVersion version;
        int kind;
    };
    const Case cases[] = {
        {Windows95(""), 1},       {Windows95(" C "), 1}, {Windows95(" B "), 2},  // trimmed, then compared
        {Windows98(""), 3},       {Windows98(" A "), 4}, {Windows98("AB"), 3},
        {WindowsMe(), 0},         {{3, 10, 0, 0, ""}, 0},
        {WindowsNt(3, 51, 1057), 5}, {WindowsNt(4, 0, 1381), 6}, {WindowsNt(5, 1, 2600), 7},
        {WindowsNt(6, 1, 7601), 0},  {WindowsNt(10, 0, 19045), 0},
    };
    for (const Case& c : cases) {
        TestMachine machine;
        machine.version = c.version;
        EXPECT_EQ(GetWindowsKind(machine), c.kind) << FormatWindowsVersion(c.version);
    }
}

constexpr const char* kBrowserKey = "Software\\Microsoft\\Internet Explorer";

TEST(GetIEVersion, ReadsTheBrowserVersionOrSaysNotInstalled) {
    TestMachine machine;
    EXPECT_EQ(GetIEVersion(machine), "Not Installed");  // no key
    machine.AddKey(platform::Hive::LocalMachine, kBrowserKey);
    EXPECT_EQ(GetIEVersion(machine), "Not Installed");  // no value
    machine.SetText(kBrowserKey, "Version", "");
    EXPECT_EQ(GetIEVersion(machine), "");  // present but empty
    machine.SetText(kBrowserKey, "Version", "6.0.2900.2180");
    EXPECT_EQ(GetIEVersion(machine), "6.0.2900.2180");
}

TEST(GetIEVersion, LetsTheTypeErrorThrough) {
    TestMachine machine;
    machine.SetBinary(kBrowserKey, "Version", {6, 0});
    try {
        GetIEVersion(machine);
        FAIL() << "no error";
    } catch (const RegistryError& error) {
        EXPECT_STREQ(error.what(), "Invalid data type for 'Version'");
    }
}

TEST(GetProductID, EmptyWhenTheKeyIsMissingLockedOrOdd) {
    constexpr const char* kKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
    TestMachine machine;
    EXPECT_EQ(GetProductID(machine), "");
    machine.SetText(kKey, "ProductID", "55274-OEM-0011903-00102");
    EXPECT_EQ(GetProductID(machine), "55274-OEM-0011903-00102");
    machine.SetBinary(kKey, "ProductID", {1});
    EXPECT_EQ(GetProductID(machine), "");  // the probe catches its own type error
    machine.DenyKey(platform::Hive::LocalMachine, kKey);
    EXPECT_EQ(GetProductID(machine), "");
}

TEST(GetDefaultPrinterName, NamesThePrinterWithItsPortOnlyWhere9xListsPorts) {
    TestMachine machine;
    EXPECT_EQ(GetDefaultPrinterName(machine), "");
    machine.defaultPrinter = platform::PrinterEntry{"HP LaserJet 4", "LPT1:"};
    machine.version = WindowsNt(5, 1, 2600);
    EXPECT_EQ(GetDefaultPrinterName(machine), "HP LaserJet 4");
    machine.version = Windows98(" A ");
    EXPECT_EQ(GetDefaultPrinterName(machine), "HP LaserJet 4 on LPT1:");
}

TEST(GetTimeZoneName, IsTheStandardNameOrEmpty) {
    TestMachine machine;
    EXPECT_EQ(GetTimeZoneName(machine), "");
    machine.timeZoneName = "W. Europe Standard Time";
    EXPECT_EQ(GetTimeZoneName(machine), "W. Europe Standard Time");
}

}  // namespace
}  // namespace orvane
