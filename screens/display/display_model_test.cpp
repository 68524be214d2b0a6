#include "screens/display/display_model.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "platform/testing/test_machine.h"
#include "probes/registry_reader.h"

namespace orvane {
namespace {

using platform::Hive;
using platform::kRegBinary;
using platform::kRegDword;
using platform::kRegMultiSz;
using platform::kRegQword;
using platform::kRegSz;
using testing::TestMachine;

constexpr const char* kDisplayGuid = "{4d36e968-e325-11ce-bfc1-08002be10318}";
constexpr const char* kVideoKey =
    "System\\CurrentControlSet\\Control\\Video\\{A1B2C3D4-0000-0000-0000-000000000000}\\0000";

std::string NtClass(const std::string& rest = "") {
    return std::string(kClassRootNt) + "\\" + kDisplayGuid + (rest.empty() ? "" : "\\" + rest);
}

std::vector<std::uint8_t> Utf16(std::u16string_view text, bool terminated = true) {
    std::vector<std::uint8_t> bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    if (terminated) bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

std::vector<std::uint8_t> Le64(std::uint64_t number, std::size_t width = 8) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < width; ++i) bytes.push_back(static_cast<std::uint8_t>(number >> (8 * i)));
    return bytes;
}

// A system of today as the registry shows it: the display class among others, the driver's
// description, and the video key that the device map names (without a memory size).
void TodaysAdapter(TestMachine& machine) {
    machine.version = testing::WindowsNt(10, 0, 19045);
    machine.SetText(std::string(kClassRootNt) + "\\{4d36e967-e325-11ce-bfc1-08002be10318}", "Class", "DiskDrive");
    machine.SetText(NtClass(), "Class", "Display");
    machine.SetText(NtClass("0000"), "DriverDesc", "Contoso Graphics 9000");
    machine.DenyKey(Hive::LocalMachine, NtClass("Properties"));
    machine.SetText("HARDWARE\\DEVICEMAP\\VIDEO", "\\Device\\Video0", std::string("\\Registry\\Machine\\") + kVideoKey);
    machine.SetBinary(kVideoKey, "HardwareInformation.ChipType", Utf16(u"Contoso 9000"));
    machine.SetBinary(kVideoKey, "HardwareInformation.DacType", Utf16(u"Integrated RAMDAC"));
    machine.screenCaps = {{platform::kCapsLogPixelsY, 96}, {platform::kCapsHorzRes, 1024},
                          {platform::kCapsVertRes, 768},   {platform::kCapsBitsPixel, 24},
                          {platform::kCapsTechnology, 1},  {platform::kCapsAspectX, 36},
                          {platform::kCapsAspectY, 36},    {platform::kCapsAspectXY, 51}};
}

// A Windows 98 system: class keys reached through their links, adapters described in INFO keys.
void Windows98Adapters(TestMachine& machine) {
    machine.version = testing::Windows98(" A ");
    const std::string root = kClassRootWindows;
    machine.SetText(root + "\\Monitor", "Class", "Monitor");
    machine.SetText(root + "\\Display", "Class", "Display");
    machine.SetText(root + "\\Display", "Link", "display0");
    machine.SetText(root + "\\DISPLAY0\\0000", "DriverDesc", "S3 Trio64V+");
    machine.SetText(root + "\\DISPLAY0\\0001", "DriverDesc", "Matrox Millennium");
    machine.SetText(root + "\\DISPLAY0\\0000\\INFO", "DACType", "S3 Internal");
    machine.SetText(root + "\\DISPLAY0\\0000\\INFO", "ChipType", "S3 Trio64V+");
    machine.SetText(root + "\\DISPLAY0\\0000\\INFO", "Revision", "2");
    machine.SetDword(root + "\\DISPLAY0\\0000\\INFO", "VideoMemory", 2097152);
    machine.SetText(root + "\\DISPLAY0\\0001\\INFO", "ChipType", "MGA-2064W");
    // The device map is only asked when no INFO key exists.
    machine.SetText("HARDWARE\\DEVICEMAP\\VIDEO", "\\Device\\Video0", std::string("\\Registry\\Machine\\") + kVideoKey);
    machine.SetBinary(kVideoKey, "HardwareInformation.ChipType", Utf16(u"Not This One"));
}

TEST(FindClassValues, TakesTheFirstMatchingClassAndItsDistinctValues) {
    TestMachine machine;
    const std::string root = kClassRootNt;
    machine.SetText(root + "\\{0}", "Class", "Monitor");
    machine.AddKey(Hive::LocalMachine, root + "\\{1}");  // no "Class" value
    machine.SetText(root + "\\{2}", "Class", "dIsPlAy");
    machine.SetText(root + "\\{2}\\0000", "DriverDesc", "Wine Adapter");
    machine.SetText(root + "\\{2}\\0001", "Other", "no description");
    machine.SetText(root + "\\{2}\\0002", "DriverDesc", "WINE adapter");
    machine.SetText(root + "\\{2}\\0003", "DriverDesc", "Second Adapter");
    machine.DenyKey(Hive::LocalMachine, root + "\\{2}\\Properties");
    machine.SetText(root + "\\{3}", "Class", "Display");
    machine.SetText(root + "\\{3}\\0000", "DriverDesc", "Never Looked At");

    std::string key = "stale";
    std::vector<std::string> values = {"stale"};
    FindClassValues(machine, true, root, "Display", "DriverDesc", key, values);
    EXPECT_EQ(key, "{2}");
    EXPECT_EQ(values, (std::vector<std::string>{"Wine Adapter", "Second Adapter"}));

    FindClassValues(machine, true, root, "3D Accelerators", "DriverDesc", key, values);
    EXPECT_EQ(key, "");
    EXPECT_TRUE(values.empty());

    FindClassValues(machine, true, "SYSTEM\\Missing", "Display", "DriverDesc", key, values);
    EXPECT_EQ(key, "");
    EXPECT_TRUE(values.empty());
}

TEST(FindClassValues, FollowsTheLinkOn95To98AndMe) {
    TestMachine machine;
    Windows98Adapters(machine);
    std::string key;
    std::vector<std::string> values;
    FindClassValues(machine, false, kClassRootWindows, "Display", "DriverDesc", key, values);
    EXPECT_EQ(key, "DISPLAY0");
    EXPECT_EQ(values, (std::vector<std::string>{"S3 Trio64V+", "Matrox Millennium"}));

    // The same tree read by the NT rule takes the class key itself, which holds no instances.
    FindClassValues(machine, true, kClassRootWindows, "Display", "DriverDesc", key, values);
    EXPECT_EQ(key, "Display");
    EXPECT_TRUE(values.empty());

    // A link to nothing ends the walk with nothing.
    machine.SetText(std::string(kClassRootWindows) + "\\Display", "Link", "Gone");
    FindClassValues(machine, false, kClassRootWindows, "Display", "DriverDesc", key, values);
    EXPECT_EQ(key, "");
    EXPECT_TRUE(values.empty());
}

TEST(WideBytesToText, KeepsNonZeroBytesUpToTwoZeroBytesInARow) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        std::string text;
    };
    const Case cases[] = {
        {"two letters and a zero character", {'S', 0, '3', 0, 0, 0}, "S3"},
        {"nothing after the zero character counts", {'A', 0, 0, 0, 'B', 0}, "A"},
        {"a character with two non-zero bytes gives both", {0xAC, 0x20, 'x', 0, 0, 0}, "\xAC x"},
        {"no terminator", {'a', 0, 'b', 0}, "ab"},
        {"odd length", {'a', 0, 'b'}, "ab"},
        {"empty", {}, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(WideBytesToText(c.bytes), c.text) << c.what;
}

TEST(HardwareInformationText, ConvertsOnlyTextOutsideAscii) {
    TestMachine machine;
    EXPECT_EQ(HardwareInformationText(machine, Utf16(u"Intergrated RAMDAC")), "Intergrated RAMDAC");
    EXPECT_TRUE(machine.wideToAnsiCalls.empty());

    // The byte rule would give 0xAC and a blank for the euro sign; the code page has it at 0x80.
    EXPECT_EQ(HardwareInformationText(machine, Utf16(u"R\u00E9f \u20AC")),
              "R\xE9"
              "f \x80");
    ASSERT_EQ(machine.wideToAnsiCalls.size(), 1u);
    EXPECT_EQ(machine.wideToAnsiCalls[0], u"R\u00E9f \u20AC");

    machine.failWideToAnsi = true;
    EXPECT_EQ(HardwareInformationText(machine, Utf16(u"\u20AC1")), "\xAC 1");
}

TEST(VideoKeyPath, CutsAfterMachine) {
    const std::string longTail(300, 'k');
    struct Case {
        std::string value;
        std::string path;
    };
    const Case cases[] = {
        {"\\Registry\\Machine\\System\\CurrentControlSet\\Services\\vga\\Device0",
         "System\\CurrentControlSet\\Services\\vga\\Device0"},
        {"\\Registry\\MACHINE\\System\\X", "ry\\MACHINE\\System\\X"},  // from the eighth character on
        {"Machine\\" + longTail, longTail.substr(0, 255)},
        {"short", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(VideoKeyPath(c.value), c.path) << c.value;
}

// An adapter of 8 GB: the 32-bit size cannot tell.
void EightGigabytes(TestMachine& machine) {
    machine.SetBinary(kVideoKey, "HardwareInformation.MemorySize", Le64(0x80000000u, 4));
    machine.SetValue(Hive::LocalMachine, kVideoKey, "HardwareInformation.qwMemorySize",
                     {kRegQword, Le64(8589934592ull)});
}

TEST(DisplayWindow, ShowsTodaysAdapterFromTheVideoKey) {
    TestMachine machine;
    TodaysAdapter(machine);
    EightGigabytes(machine);
    machine.SetValue(Hive::LocalMachine, "HARDWARE\\DESCRIPTION\\System", "VideoBiosVersion",
                     {kRegMultiSz, {'V', 'e', 'r', ' ', '1', 0, 'V', '2', 0, 0}});
    machine.SetText("HARDWARE\\DESCRIPTION\\System", "VideoBiosDate", "01/02/24");
    DisplayWindowModel model;
    model.Refresh(machine);

    EXPECT_EQ(model.AdapterItems(), (std::vector<std::string>{"Contoso Graphics 9000"}));
    EXPECT_EQ(model.SelectedAdapter(), 0);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Info2", ""},
        {"Info3", "Contoso 9000"},
        {"Info4", "Integrated RAMDAC"},
        {"Info5", "8589934592 bytes"},
        {"Info6", "Ver 1 (01/02/24)"},
        {"Info7", "Raster Display"},
        {"Info8", "1024 x 768 - 24 bit"},
        {"Info9", "96 dpi"},
        {"Info10", "36"},
        {"Info11", "36"},
        {"Info12", "51"},
    };
    const std::vector<ShownText> rows = model.Rows();
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].control, expected[i].first);
        EXPECT_EQ(rows[i].text, expected[i].second) << expected[i].first;
    }

    // Selecting the adapter again shows the size without the unit the refresh adds.
    model.SelectAdapter(0);
    EXPECT_EQ(model.Text("info5"), "8589934592");
    model.SelectAdapter(-1);
    EXPECT_EQ(model.Text("Info3"), kInfoNotAvailable);
    EXPECT_EQ(model.Text("Info5"), kInfoNotAvailable);
}

// Two adapters of today, each described in its own class key, as a laptop with integrated and discrete
// graphics has them; the device map names the first one's video key, which holds the same values.
void TwoAdaptersInTheirClassKeys(TestMachine& machine) {
    TodaysAdapter(machine);
    machine.SetText(NtClass("0000"), "DriverDesc", "Intel(R) UHD Graphics");
    machine.SetBinary(NtClass("0000"), "HardwareInformation.ChipType", Utf16(u"Intel(R) UHD Graphics Family"));
    machine.SetBinary(NtClass("0000"), "HardwareInformation.DacType", Utf16(u"Internal"));
    machine.SetBinary(NtClass("0000"), "HardwareInformation.MemorySize", Le64(1073741824, 4));
    machine.SetBinary(NtClass("0000"), "HardwareInformation.BiosString", Utf16(u"Intel Video BIOS"));
    machine.SetText(NtClass("0001"), "DriverDesc", "NVIDIA GeForce RTX 4060 Laptop GPU");
    machine.SetBinary(NtClass("0001"), "HardwareInformation.ChipType", Utf16(u"NVIDIA GeForce RTX 4060 Laptop GPU"));
    machine.SetBinary(NtClass("0001"), "HardwareInformation.DacType", Utf16(u"Integrated RAMDAC"));
    machine.SetBinary(NtClass("0001"), "HardwareInformation.MemorySize", Le64(0xFFFFFFFFu, 4));
    machine.SetValue(Hive::LocalMachine, NtClass("0001"), "HardwareInformation.qwMemorySize",
                     {kRegQword, Le64(8589934592ull)});
    machine.SetBinary(NtClass("0001"), "HardwareInformation.BiosString", Utf16(u"Version95.7.2e.0.1"));
}

TEST(DisplayWindow, EachAdapterShowsTheFiguresOfItsOwnClassKey) {
    TestMachine machine;
    TwoAdaptersInTheirClassKeys(machine);
    DisplayWindowModel model;
    model.Refresh(machine);
    EXPECT_EQ(model.AdapterItems(),
              (std::vector<std::string>{"Intel(R) UHD Graphics", "NVIDIA GeForce RTX 4060 Laptop GPU"}));
    // The first adapter's own key comes before the key the device map names.
    EXPECT_EQ(model.Text("Info3"), "Intel(R) UHD Graphics Family");
    EXPECT_EQ(model.Text("Info4"), "Internal");
    EXPECT_EQ(model.Text("Info5"), "1073741824 bytes");
    // No video BIOS values (a UEFI machine): the adapter's BIOS text answers.
    EXPECT_EQ(model.Text("Info6"), "Intel Video BIOS");
    model.SelectAdapter(1);
    EXPECT_EQ(model.Text("Info3"), "NVIDIA GeForce RTX 4060 Laptop GPU");
    EXPECT_EQ(model.Text("Info4"), "Integrated RAMDAC");
    EXPECT_EQ(model.Text("Info5"), "8589934592");
    EXPECT_EQ(model.Text("Info6"), "Version95.7.2e.0.1");
    model.SelectAdapter(-1);
    EXPECT_EQ(model.Text("Info3"), kInfoNotAvailable);
    EXPECT_EQ(model.Text("Info6"), " ()");
    model.SelectAdapter(0);
    EXPECT_EQ(model.Text("Info6"), "Intel Video BIOS");
}

TEST(DisplayWindow, TheDeviceMapAnswersOnlyForTheFirstAdapterAndOnlyWhatItsKeyLacks) {
    TestMachine machine;
    TwoAdaptersInTheirClassKeys(machine);
    machine.RemoveValue(Hive::LocalMachine, NtClass("0000"), "HardwareInformation.ChipType");
    machine.RemoveValue(Hive::LocalMachine, NtClass("0000"), "HardwareInformation.BiosString");
    machine.SetBinary(kVideoKey, "HardwareInformation.BiosString", Utf16(u"Contoso BIOS"));
    machine.RemoveValue(Hive::LocalMachine, NtClass("0001"), "HardwareInformation.DacType");
    machine.RemoveValue(Hive::LocalMachine, NtClass("0001"), "HardwareInformation.BiosString");
    DisplayWindowModel model;
    model.Refresh(machine);
    EXPECT_EQ(model.Text("Info3"), "Contoso 9000") << "from the device map";
    EXPECT_EQ(model.Text("Info4"), "Internal") << "the class key's, not the device map's";
    EXPECT_EQ(model.Text("Info6"), "Contoso BIOS");
    model.SelectAdapter(1);
    EXPECT_EQ(model.Text("Info3"), "NVIDIA GeForce RTX 4060 Laptop GPU");
    EXPECT_EQ(model.Text("Info4"), kInfoNotAvailable) << "the second adapter has no DAC of its own";
    EXPECT_EQ(model.Text("Info6"), " ()");
}

TEST(DisplayWindow, TheVideoBiosValuesKeepTheBiosRowWhateverTheAdapter) {
    TestMachine machine;
    TwoAdaptersInTheirClassKeys(machine);
    machine.SetText("HARDWARE\\DESCRIPTION\\System", "VideoBiosDate", "01/02/24");
    DisplayWindowModel model;
    model.Refresh(machine);
    EXPECT_EQ(model.Text("Info6"), " (01/02/24)");
    model.SelectAdapter(1);
    EXPECT_EQ(model.Text("Info6"), " (01/02/24)");
}

TEST(DisplayWindow, AClassKeyValueOfAnotherTypeIsPassedOverAsInTheVideoKey) {
    TestMachine machine;
    TwoAdaptersInTheirClassKeys(machine);
    machine.SetText(NtClass("0001"), "HardwareInformation.ChipType", "GeForce as text");
    machine.SetDword(NtClass("0001"), "HardwareInformation.DacType", 7);
    machine.SetBinary(NtClass("0001"), "HardwareInformation.BiosString", std::vector<std::uint8_t>(256, 'x'));
    DisplayWindowModel model;
    model.Refresh(machine);
    model.SelectAdapter(1);
    EXPECT_EQ(model.Text("Info3"), kInfoNotAvailable);
    EXPECT_EQ(model.Text("Info4"), kInfoNotAvailable);
    EXPECT_EQ(model.Text("Info5"), "8589934592");
    EXPECT_EQ(model.Text("Info6"), " ()") << "longer than the 255 bytes read";
}

TEST(DisplayWindow, Windows98ReadsNoClassKeyFigures) {
    // Without INFO keys, 95/98/ME show what the device map names, as designed.
    TestMachine machine;
    Windows98Adapters(machine);
    machine.RemoveKey(Hive::LocalMachine, std::string(kClassRootWindows) + "\\DISPLAY0\\0000\\INFO");
    machine.RemoveKey(Hive::LocalMachine, std::string(kClassRootWindows) + "\\DISPLAY0\\0001\\INFO");
    machine.SetBinary(std::string(kClassRootWindows) + "\\DISPLAY0\\0001", "HardwareInformation.ChipType",
                      Utf16(u"Not Read"));
    DisplayWindowModel model;
    model.Refresh(machine);
    EXPECT_EQ(model.Text("Info3"), "Not This One");
    model.SelectAdapter(1);
    EXPECT_EQ(model.Text("Info3"), kInfoNotAvailable);
}

TEST(DisplayWindow, ReadsVideoMemoryFromTheWideCountThenTheNumber) {
    struct Case {
        const char* what;
        std::optional<platform::RegValue> wide;
        std::optional<platform::RegValue> narrow;
        const char* shown;
    };
    const Case cases[] = {
        {"the 64-bit count first", platform::RegValue{kRegQword, Le64(8589934592ull)},
         platform::RegValue{kRegBinary, Le64(0, 4)}, "8589934592 bytes"},
        {"a number stored as REG_DWORD", std::nullopt, platform::RegValue{kRegDword, Le64(268435456, 4)},
         "268435456 bytes"},
        {"binary, above 2 GB", std::nullopt, platform::RegValue{kRegBinary, Le64(0xC0000000u, 4)}, "3221225472 bytes"},
        {"an unusable 64-bit count", platform::RegValue{kRegSz, {'8', 0}},
         platform::RegValue{kRegBinary, Le64(134217728, 4)}, "134217728 bytes"},
        {"text is passed over", std::nullopt, platform::RegValue{kRegSz, {'6', '4', 0}}, kInfoNotAvailable},
        {"no size at all", std::nullopt, std::nullopt, kInfoNotAvailable},
        {"longer than four bytes is passed over", std::nullopt, platform::RegValue{kRegBinary, Le64(1, 5)},
         kInfoNotAvailable},
    };
    for (const Case& c : cases) {
        TestMachine machine;
        TodaysAdapter(machine);
        if (c.wide) machine.SetValue(Hive::LocalMachine, kVideoKey, "HardwareInformation.qwMemorySize", *c.wide);
        if (c.narrow) machine.SetValue(Hive::LocalMachine, kVideoKey, "HardwareInformation.MemorySize", *c.narrow);
        DisplayWindowModel model;
        model.Refresh(machine);
        EXPECT_EQ(model.Text("Info5"), c.shown) << c.what;
    }
}

TEST(DisplayWindow, EveryNtVersionReadsTheNtClassRoot) {
    for (std::uint32_t major : {3u, 4u, 5u, 6u, 10u}) {
        TestMachine machine;
        TodaysAdapter(machine);
        machine.version = testing::WindowsNt(major, 0, 1000);
        DisplayWindowModel model;
        model.Refresh(machine);
        EXPECT_EQ(model.AdapterItems().size(), 1u) << major;
    }
    // The 95/98/ME root is missing here: no adapter, though the device map named the chip.
    TestMachine machine;
    TodaysAdapter(machine);
    machine.version = testing::WindowsMe();
    DisplayWindowModel model;
    model.Refresh(machine);
    EXPECT_TRUE(model.AdapterItems().empty());
    EXPECT_EQ(model.SelectedAdapter(), -1);
    EXPECT_EQ(model.Text("Info3"), kInfoNotAvailable);
    EXPECT_EQ(model.Text("Info4"), kInfoNotAvailable);
    EXPECT_EQ(model.Text("Info5"), kInfoNotAvailable);
}

TEST(DisplayWindow, ReadsInfoKeysInsteadOfTheDeviceMap) {
    TestMachine machine;
    Windows98Adapters(machine);
    DisplayWindowModel model;
    model.Refresh(machine);
    EXPECT_EQ(model.AdapterItems(), (std::vector<std::string>{"S3 Trio64V+", "Matrox Millennium"}));
    EXPECT_EQ(model.Text("Info3"), "S3 Trio64V+ Rev 2");
    EXPECT_EQ(model.Text("Info4"), "S3 Internal");
    EXPECT_EQ(model.Text("Info5"), "2097152 bytes");
    model.SelectAdapter(1);
    EXPECT_EQ(model.Text("Info3"), "MGA-2064W");
    EXPECT_EQ(model.Text("Info4"), kInfoNotAvailable);  // one DAC entry for two adapters
    EXPECT_EQ(model.Text("Info5"), kInfoNotAvailable);

    // Refreshing again lists each adapter once.
    model.Refresh(machine);
    EXPECT_EQ(model.AdapterItems().size(), 2u);
}

TEST(DisplayWindow, IgnoresARevisionBeforeAnyChipType) {
    TestMachine machine;
    machine.version = testing::Windows98();
    const std::string root = kClassRootWindows;
    machine.SetText(root + "\\Display", "Class", "Display");
    machine.SetText(root + "\\Display", "Link", "DISPLAY");
    machine.SetText(root + "\\DISPLAY\\0000", "DriverDesc", "First");
    machine.SetText(root + "\\DISPLAY\\0001", "DriverDesc", "Second");
    machine.SetText(root + "\\DISPLAY\\0000\\INFO", "Revision", "7");
    machine.SetText(root + "\\DISPLAY\\0001\\INFO", "ChipType", "Chip");
    DisplayWindowModel model;
    model.Refresh(machine);
    EXPECT_EQ(model.Text("Info3"), "Chip");  // position 0 of the chip list: the second adapter's chip
}

TEST(DisplayWindow, TechnologyNamesEndAtDisplayFile) {
    const char* const names[] = {"Vector Plotter",   "Raster Display", "Raster Printer", "Raster Camera",
                                 "Character Stream", "Metafile",       "Display File"};
    for (int technology = 0; technology < 7; ++technology) EXPECT_EQ(TechnologyName(technology), names[technology]);
    EXPECT_EQ(TechnologyName(7), "");
    EXPECT_EQ(TechnologyName(-1), "");

    TestMachine machine;
    TodaysAdapter(machine);
    machine.screenCaps[platform::kCapsTechnology] = 7;
    machine.screenCaps[platform::kCapsLogPixelsY] = 144;
    DisplayWindowModel model;
    model.Refresh(machine);
    EXPECT_EQ(model.Text("Info7"), "");
    EXPECT_EQ(model.Text("Info9"), "144 dpi");
    EXPECT_EQ(model.Text("Info6"), " ()");  // no video BIOS values
}

TEST(DisplayWindow, ATypeErrorStopsTheRefreshAndShowsNothingNew) {
    struct Case {
        const char* what;
        std::function<void(TestMachine&)> plant;
        const char* valueName;
    };
    const std::string videoMap = "HARDWARE\\DEVICEMAP\\VIDEO";
    const Case cases[] = {
        {"a class name that is a number",
         [](TestMachine& m) {
             m.SetDword(std::string(kClassRootNt) + "\\{4d36e967-e325-11ce-bfc1-08002be10318}", "Class", 1);
         },
         "Class"},
        {"an adapter description that is binary",
         [](TestMachine& m) {
             m.SetBinary(NtClass("0001"), "DriverDesc", {1, 2});
         },
         "DriverDesc"},
        {"a device map entry that is binary", [&](TestMachine& m) { m.SetBinary(videoMap, "\\Device\\Video0", {1}); },
         "\\Device\\Video0"},
        {"a BIOS date that is a number",
         [](TestMachine& m) { m.SetDword("HARDWARE\\DESCRIPTION\\System", "VideoBiosDate", 1); }, "VideoBiosDate"},
        {"an INFO chip that is a number", [](TestMachine& m) { m.SetDword(NtClass("0000\\INFO"), "ChipType", 1); },
         "ChipType"},
        {"an INFO memory size that is text",
         [](TestMachine& m) { m.SetText(NtClass("0000\\INFO"), "VideoMemory", "4 MB"); }, "VideoMemory"},
    };
    for (const Case& c : cases) {
        TestMachine machine;
        TodaysAdapter(machine);
        DisplayWindowModel model;
        model.Refresh(machine);
        const std::vector<std::string> items = model.AdapterItems();
        const std::vector<ShownText> rows = model.Rows();

        c.plant(machine);
        machine.SetText(NtClass("0002"), "DriverDesc", "Added Later");
        machine.screenCaps[platform::kCapsHorzRes] = 1920;
        try {
            model.Refresh(machine);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const RegistryError& error) {
            EXPECT_EQ(error.what(), InvalidDataTypeMessage(c.valueName)) << c.what;
        }
        EXPECT_EQ(model.AdapterItems(), items) << c.what;
        const std::vector<ShownText> after = model.Rows();
        for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(after[i].text, rows[i].text) << c.what;
    }
}

TEST(DisplayWindow, RawReadsPassOverWrongTypesWithoutStopping) {
    TestMachine machine;
    TodaysAdapter(machine);
    EightGigabytes(machine);
    machine.SetText(kVideoKey, "HardwareInformation.ChipType", "Plain Text");
    machine.SetDword(kVideoKey, "HardwareInformation.DacType", 5);
    machine.SetText("HARDWARE\\DESCRIPTION\\System", "VideoBiosVersion", "Text Version");
    machine.SetText("HARDWARE\\DESCRIPTION\\System", "VideoBiosDate", "03/04/05");
    DisplayWindowModel model;
    model.Refresh(machine);
    EXPECT_EQ(model.Text("Info3"), kInfoNotAvailable);
    EXPECT_EQ(model.Text("Info4"), kInfoNotAvailable);
    EXPECT_EQ(model.Text("Info5"), "8589934592 bytes");
    EXPECT_EQ(model.Text("Info6"), " (03/04/05)");
}

TEST(DisplayWindow, AcceleratorRowKeepsItsTextWhenNoneIsFound) {
    TestMachine machine;
    TodaysAdapter(machine);
    machine.SetText(std::string(kClassRootNt) + "\\{3d}", "Class", "3D Accelerators");
    machine.SetText(std::string(kClassRootNt) + "\\{3d}\\0000", "DriverDesc", "Voodoo2");
    DisplayWindowModel model;
    model.Refresh(machine);
    EXPECT_EQ(model.Text("Info2"), "Voodoo2");

    machine.SetText(std::string(kClassRootNt) + "\\{3d}", "Class", "Retired");
    model.Refresh(machine);
    EXPECT_EQ(model.Text("Info2"), "Voodoo2");
}

TEST(DisplayWindow, SurvivesGarbageValues) {
    // Values of any type and size where the window expects text, numbers and UTF-16: the refresh either
    // completes or ends with the type error, and never reads past what the registry returned.
    std::mt19937 random(12);
    const std::uint32_t types[] = {kRegSz, kRegBinary, kRegDword, kRegMultiSz, kRegQword, 0, 9};
    const char* const videoValues[] = {"HardwareInformation.ChipType", "HardwareInformation.DacType",
                                       "HardwareInformation.MemorySize", "HardwareInformation.qwMemorySize"};
    const char* const infoValues[] = {"ChipType", "DACType", "Revision", "VideoMemory"};
    const auto garbage = [&] {
        std::vector<std::uint8_t> bytes(random() % 300);
        for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random() % 4 == 0 ? 0 : random());
        return platform::RegValue{types[random() % std::size(types)], bytes};
    };
    for (int round = 0; round < 300; ++round) {
        TestMachine machine;
        TodaysAdapter(machine);
        for (const char* name : videoValues) machine.SetValue(Hive::LocalMachine, kVideoKey, name, garbage());
        if (round % 2 == 0) {
            for (const char* name : infoValues)
                machine.SetValue(Hive::LocalMachine, NtClass("0000\\INFO"), name, garbage());
        }
        for (const char* name : videoValues) machine.SetValue(Hive::LocalMachine, NtClass("0000"), name, garbage());
        machine.SetValue(Hive::LocalMachine, NtClass("0000"), "HardwareInformation.BiosString", garbage());
        machine.SetValue(Hive::LocalMachine, "HARDWARE\\DESCRIPTION\\System", "VideoBiosVersion", garbage());
        DisplayWindowModel model;
        try {
            model.Refresh(machine);
            EXPECT_EQ(model.AdapterItems().size(), 1u);
        } catch (const RegistryError&) {
            EXPECT_TRUE(model.AdapterItems().empty());
        }
    }
}

}  // namespace
}  // namespace orvane
