#include "probes/os_probes.h"

#include <gtest/gtest.h>

#include <functional>

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

// From NT 6 on the release is named by version, build and product type; the older lines never ask.
TEST(GetWindowsVersion, NamesTheReleasesFromNtSixOnByProductType) {
    constexpr std::uint8_t kWorkstation = platform::kProductWorkstation;
    constexpr std::uint8_t kServer = platform::kProductServer;
    struct Case {
        OsVersion version;
        std::optional<std::uint8_t> productType;
        const char* line;
    };
    const Case cases[] = {
        {WindowsNt(6, 0, 6002, "Service Pack 2"), kWorkstation, "Windows Vista 6.0 (Build 6002) Service Pack 2"},
        {WindowsNt(6, 1, 7601, "Service Pack 1"), kWorkstation, "Windows 7 6.1 (Build 7601) Service Pack 1"},
        {WindowsNt(6, 2, 9200), kWorkstation, "Windows 8 6.2 (Build 9200) "},
        {WindowsNt(6, 3, 9600), kWorkstation, "Windows 8.1 6.3 (Build 9600) "},
        {WindowsNt(10, 0, 19045), kWorkstation, "Windows 10 10.0 (Build 19045) "},
        {WindowsNt(10, 0, 21999), kWorkstation, "Windows 10 10.0 (Build 21999) "},
        {WindowsNt(10, 0, 22000), kWorkstation, "Windows 11 10.0 (Build 22000) "},
        {WindowsNt(10, 0, 22631), std::nullopt, "Windows 11 10.0 (Build 22631) "},  // no product type: a desktop
        {WindowsNt(6, 0, 6002, "Service Pack 2"), kServer, "Windows Server 2008 6.0 (Build 6002) Service Pack 2"},
        {WindowsNt(6, 1, 7601, "Service Pack 1"), kServer, "Windows Server 2008 R2 6.1 (Build 7601) Service Pack 1"},
        {WindowsNt(6, 2, 9200), platform::kProductDomainController, "Windows Server 2012 6.2 (Build 9200) "},
        {WindowsNt(6, 3, 9600), kServer, "Windows Server 2012 R2 6.3 (Build 9600) "},
        {WindowsNt(10, 0, 14393), kServer, "Windows Server 2016 10.0 (Build 14393) "},
        {WindowsNt(10, 0, 17763), kServer, "Windows Server 2019 10.0 (Build 17763) "},
        {WindowsNt(10, 0, 20348), kServer, "Windows Server 2022 10.0 (Build 20348) "},
        {WindowsNt(10, 0, 26100), kServer, "Windows Server 2025 10.0 (Build 26100) "},
        // Releases no table knows keep the generic name.
        {WindowsNt(6, 4, 9841), kWorkstation, "Windows NT6.4 (Build 9841) "},
        {WindowsNt(11, 0, 30000), kServer, "Windows NT11.0 (Build 30000) "},
        // The lines of the older systems stay as they were, whatever the product type says.
        {WindowsNt(5, 2, 3790, "Service Pack 2"), kWorkstation, "Windows Server 20035.2 (Build 3790) Service Pack 2"},
        {WindowsNt(5, 1, 2600, "Service Pack 3"), kServer, "Windows XP5.1 (Build 2600) Service Pack 3"},
        {WindowsNt(4, 0, 1381, "Service Pack 6"), kServer, "Windows NT4.0 (Build 1381) Service Pack 6"},
    };
    for (const Case& c : cases) {
        TestMachine machine;
        machine.version = c.version;
        machine.productType = c.productType;
        EXPECT_EQ(GetWindowsVersion(machine), c.line);
    }
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

TEST(GetIEVersion, PrefersTheServiceVersionOfVersionTenAndLater) {
    TestMachine machine;
    machine.SetText(kBrowserKey, "Version", "9.11.19041.0");
    machine.SetText(kBrowserKey, "svcVersion", "11.1.19041.0");
    EXPECT_EQ(GetIEVersion(machine), "11.1.19041.0");
    machine.SetText(kBrowserKey, "svcVersion", "");
    EXPECT_EQ(GetIEVersion(machine), "") << "present but empty, as for Version";
    TestMachine serviceOnly;
    serviceOnly.SetText(kBrowserKey, "svcVersion", "11.0.9600.16384");
    EXPECT_EQ(GetIEVersion(serviceOnly), "11.0.9600.16384");
    TestMachine odd;
    odd.SetText(kBrowserKey, "Version", "9.11.19041.0");
    odd.SetDword(kBrowserKey, "svcVersion", 11);
    try {
        GetIEVersion(odd);
        FAIL() << "no error";
    } catch (const RegistryError& error) {
        EXPECT_STREQ(error.what(), "Invalid data type for 'svcVersion'");
    }
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

TEST(GetProductID, FallsBackToTheNtKeyWhenTheFirstGivesNothing) {
    constexpr const char* kKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
    constexpr const char* kNtKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
    struct Case {
        const char* name;
        std::function<void(TestMachine&)> plant;
        const char* id;
    };
    const Case cases[] = {
        {"only the NT key has one (Windows 10 and 11)",
         [](TestMachine& m) { m.SetText(kNtKey, "ProductId", "00330-80000-00000-AA123"); }, "00330-80000-00000-AA123"},
        {"the first key wins where both have one",
         [](TestMachine& m) {
             m.SetText(kKey, "ProductID", "55274-OEM-0011903-00102");
             m.SetText(kNtKey, "ProductId", "00330-80000-00000-AA123");
         },
         "55274-OEM-0011903-00102"},
        {"an empty first value falls through",
         [](TestMachine& m) {
             m.SetText(kKey, "ProductID", "");
             m.SetText(kNtKey, "ProductId", "00330-80000-00000-AA123");
         },
         "00330-80000-00000-AA123"},
        {"an odd first value falls through",
         [](TestMachine& m) {
             m.SetBinary(kKey, "ProductID", {1});
             m.SetText(kNtKey, "ProductId", "00330-80000-00000-AA123");
         },
         "00330-80000-00000-AA123"},
        {"an odd NT value gives nothing", [](TestMachine& m) { m.SetDword(kNtKey, "ProductId", 7); }, ""},
        {"a locked NT key gives nothing",
         [](TestMachine& m) {
             m.SetText(kNtKey, "ProductId", "00330-80000-00000-AA123");
             m.DenyKey(platform::Hive::LocalMachine, kNtKey);
         },
         ""},
    };
    for (const Case& c : cases) {
        TestMachine machine;
        c.plant(machine);
        EXPECT_EQ(GetProductID(machine), c.id) << c.name;
    }
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
