// The Machine Info window driven as a user drives it: opened with F4 and by its tool button, showing
// what this prefix answers, a monitor's EDID planted while the program runs, Windows 11's build values
// and (under machine_fixture.sh) firmware strings planted where Wine reads them.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "tests/e2e/harness.h"

namespace e2e {
namespace {

constexpr int kMachineToolButton = 11;  // counting the separator after System
constexpr const char* kCurrentVersion = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

// The window's rows as the list shows them: Item (without its indentation) and Details.
struct Rows {
    std::vector<std::vector<std::string>> rows;
    // The details of the first row of that item after the row `after` names (a section or an entry's
    // heading); "<no row>" where there is none.
    std::string Details(const std::string& item, const std::string& after = "") const {
        bool started = after.empty();
        for (const auto& row : rows) {
            if (row.size() < 2) continue;
            if (!started) {
                started = Trimmed(row[0]) == after;
                continue;
            }
            if (Trimmed(row[0]) == item) return row[1];
        }
        return "<no row>";
    }
    bool Has(const std::string& item) const { return Details(item) != "<no row>"; }
};

Rows ReadMachineWindow(const Orvane& orvane, HWND window) {
    HWND list = FindControl(window, "ListView1");
    if (!list) return {};
    Rows read;
    // The list is filled by the show's refresh: wait for its last section.
    WaitUntil([&] {
        read.rows = orvane.ListRows(list);
        return read.Has("L3 cache");
    }, 20s);
    return read;
}

HWND OpenWithF4(const Orvane& orvane, HWND main) {
    PressKey(main, VK_F4);
    return orvane.WaitForWindow("TfrmMachine", 20s);
}

std::string Digits(unsigned long number) { return std::to_string(number); }

TEST(MachineWindow, OpensWithF4AndItsToolButtonShowingWhatThisPrefixAnswers) {
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    HWND window = OpenWithF4(orvane, main);
    ASSERT_TRUE(window);
    EXPECT_EQ(WindowText(window), "Machine Info");
    HWND list = FindControl(window, "ListView1");
    ASSERT_TRUE(list);
    const Rows rows = ReadMachineWindow(orvane, window);
    ASSERT_TRUE(rows.Has("L3 cache")) << "the list was not filled";

    // What the driver itself reads from the same prefix.
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    ASSERT_TRUE(GetVersionExA(&version));
    SYSTEM_INFO system{};
    GetNativeSystemInfo(&system);
    EXPECT_EQ(rows.Details("Build", "Windows"), Digits(version.dwBuildNumber & 0xFFFF));
    EXPECT_EQ(rows.Details("Architecture"), "x64");
    EXPECT_EQ(rows.Details("Logical processors"), Digits(system.dwNumberOfProcessors));
    EXPECT_NE(rows.Details("Cores"), "");
    // Wine builds an SMBIOS table of its own; it has no GetFirmwareType, so the boot mode is unknown.
    EXPECT_NE(rows.Details("SMBIOS version"), "");
    EXPECT_EQ(rows.Details("Boot mode"), "");
    // Its TPM answers "not found"; DXGI reports the adapter.
    EXPECT_EQ(rows.Details("TPM"), "No");
    EXPECT_NE(rows.Details("Name", "Adapter 1"), "");
    EXPECT_NE(rows.Details("Dedicated memory", "Adapter 1"), "");
    // Wine's list view takes groups but draws no headings: each section then has a heading row, in order.
    std::vector<std::string> headings;
    for (const auto& row : rows.rows) {
        if (row.size() >= 2 && !row[0].empty() && row[0][0] != ' ') headings.push_back(row[0]);
    }
    EXPECT_EQ(headings, (std::vector<std::string>{"Windows", "Firmware", "System", "Board", "Memory modules",
                                                  "Graphics", "Monitors", "Disks", "Security", "Battery",
                                                  "Processor"}));

    // Closed, it only hides; the tool button shows it again, refreshed.
    const std::vector<std::vector<std::string>> before = orvane.ListRows(list);
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }, 5s));
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);  // a refresh on show fills it again
    ASSERT_TRUE(orvane.ClickToolButton(main, kMachineToolButton));
    ASSERT_TRUE(orvane.WaitForWindow("TfrmMachine", 20s));
    EXPECT_TRUE(WaitUntil([&] { return orvane.ListRows(list).size() == before.size(); }, 20s));
    PressKey(main, VK_F12);
    EXPECT_EQ(orvane.WaitForExit(), std::optional<DWORD>(0));
}

TEST(MachineWindow, BuildValuesOfWindows11NameItWindows11) {
    const auto text = [](const std::string& s) { return std::vector<BYTE>(s.begin(), s.end() + 1); };
    // Windows 11 keeps ProductName "Windows 10 ..."; its build values say which it is.
    PlantedValue product(HKEY_LOCAL_MACHINE, kCurrentVersion, "ProductName", REG_SZ, text("Windows 10 Pro"));
    PlantedValue build(HKEY_LOCAL_MACHINE, kCurrentVersion, "CurrentBuild", REG_SZ, text("22631"));
    PlantedValue buildNumber(HKEY_LOCAL_MACHINE, kCurrentVersion, "CurrentBuildNumber", REG_SZ, text("22631"));
    PlantedValue displayVersion(HKEY_LOCAL_MACHINE, kCurrentVersion, "DisplayVersion", REG_SZ, text("23H2"));
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    HWND window = OpenWithF4(orvane, main);
    ASSERT_TRUE(window);
    const Rows rows = ReadMachineWindow(orvane, window);
    EXPECT_EQ(rows.Details("Product", "Windows"), "Windows 11 Pro");
    EXPECT_EQ(rows.Details("Build", "Windows"), "22631");
    EXPECT_EQ(rows.Details("Version", "Windows"), "23H2");
    PressKey(main, VK_F12);
    EXPECT_EQ(orvane.WaitForExit(), std::optional<DWORD>(0));
}

// The instance keys of the prefix's monitors (their class is the monitor class).
std::vector<std::string> MonitorInstanceKeys() {
    std::vector<std::string> keys;
    const std::string root = "SYSTEM\\CurrentControlSet\\Enum\\DISPLAY";
    HKEY display = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, root.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &display) != ERROR_SUCCESS) {
        return keys;
    }
    char model[256];
    for (DWORD m = 0; DWORD size = sizeof model; ++m) {
        if (RegEnumKeyExA(display, m, model, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        HKEY modelKey = nullptr;
        if (RegOpenKeyExA(display, model, 0, KEY_READ | KEY_WOW64_64KEY, &modelKey) != ERROR_SUCCESS) continue;
        char instance[256];
        for (DWORD i = 0; DWORD instanceSize = sizeof instance; ++i) {
            if (RegEnumKeyExA(modelKey, i, instance, &instanceSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
                break;
            }
            char guid[64] = {};
            DWORD guidSize = sizeof guid;
            if (RegGetValueA(modelKey, instance, "ClassGUID", RRF_RT_REG_SZ, nullptr, guid, &guidSize) == ERROR_SUCCESS &&
                _stricmp(guid, "{4d36e96e-e325-11ce-bfc1-08002be10318}") == 0) {
                keys.push_back(root + "\\" + model + "\\" + instance);
            }
        }
        RegCloseKey(modelKey);
    }
    RegCloseKey(display);
    return keys;
}

TEST(MachineWindow, AMonitorsPlantedEdidIsDecoded) {
    const char* edidPath = std::getenv("ORVANE_E2E_EDID");
    if (!edidPath) GTEST_SKIP() << "no recorded EDID given (ORVANE_E2E_EDID): machine_fixture.sh passes one";
    std::ifstream in(edidPath, std::ios::binary);
    ASSERT_TRUE(in) << edidPath;
    const std::vector<BYTE> edid((std::istreambuf_iterator<char>(in)), {});
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    // Wine writes the monitors' keys afresh when a windowed process starts: plant the EDID after that.
    const std::vector<std::string> monitors = MonitorInstanceKeys();
    ASSERT_FALSE(monitors.empty()) << "Wine lists no monitor";
    PlantedValue planted(HKEY_LOCAL_MACHINE, monitors.front() + "\\Device Parameters", "EDID", REG_BINARY, edid);
    HWND window = OpenWithF4(orvane, main);
    ASSERT_TRUE(window);
    const Rows rows = ReadMachineWindow(orvane, window);
    EXPECT_EQ(rows.Details("Name", "Monitor 1"), "DELL U2412M");
    EXPECT_EQ(rows.Details("Manufacturer", "Monitor 1"), "DEL");
    EXPECT_EQ(rows.Details("Native width", "Monitor 1"), "1920 pixels");
    EXPECT_EQ(rows.Details("Native height", "Monitor 1"), "1080 pixels");
    EXPECT_EQ(rows.Details("Year", "Monitor 1"), "2013");
    PressKey(main, VK_F12);
    EXPECT_EQ(orvane.WaitForExit(), std::optional<DWORD>(0));
}

TEST(MachineWindow, PlantedFirmwareStringsAndAPlaceholder) {
    if (!std::getenv("ORVANE_E2E_DMI")) {
        GTEST_SKIP() << "no firmware strings planted: machine_fixture.sh plants them where unshare -m is allowed";
    }
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    HWND window = OpenWithF4(orvane, main);
    ASSERT_TRUE(window);
    const Rows rows = ReadMachineWindow(orvane, window);
    EXPECT_EQ(rows.Details("BIOS vendor"), "Orvane Test Firmware Inc.");
    EXPECT_EQ(rows.Details("BIOS version"), "OTF 2.31");
    EXPECT_EQ(rows.Details("BIOS date"), "03/14/2025");
    EXPECT_EQ(rows.Details("Manufacturer", "System"), "Contoso Computers");
    EXPECT_EQ(rows.Details("Product", "System"), "Contoso Laptop 14");
    EXPECT_EQ(rows.Details("Product", "Board"), "CNT-B14");
    // The maker's placeholder is no value: the row stays empty.
    EXPECT_EQ(rows.Details("Manufacturer", "Board"), "");
    EXPECT_EQ(rows.Details("Chassis"), "Notebook");
    PressKey(main, VK_F12);
    EXPECT_EQ(orvane.WaitForExit(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace e2e
