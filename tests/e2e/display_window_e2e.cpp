// The display window as a user opens it: Wine's adapter with what the registry says about it, the
// screen's metrics, the video BIOS, an adapter of 8 GB, a registry value of the wrong type, and the wheel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/harness.h"

namespace e2e {
namespace {

constexpr const char* kDisplayClass =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4d36e968-e325-11ce-bfc1-08002be10318}";

// A registry key of HKEY_LOCAL_MACHINE in the 64-bit view, read-only, closed with the object.
class Key {
public:
    explicit Key(const std::string& path) {
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &key_) != ERROR_SUCCESS)
            key_ = nullptr;
    }
    ~Key() {
        if (key_) RegCloseKey(key_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    explicit operator bool() const { return key_ != nullptr; }

    std::optional<std::vector<BYTE>> Raw(const std::string& name) const {
        DWORD size = 0;
        if (!key_ || RegQueryValueExA(key_, name.c_str(), nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        std::vector<BYTE> data(size);
        if (RegQueryValueExA(key_, name.c_str(), nullptr, nullptr, data.data(), &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        data.resize(size);
        return data;
    }
    std::string Text(const std::string& name) const {
        const auto data = Raw(name);
        if (!data) return {};
        return std::string(data->begin(), data->end()).c_str();  // up to the first NUL
    }
    std::vector<std::string> Subkeys() const {
        std::vector<std::string> names;
        char name[256];
        for (DWORD i = 0; key_; ++i) {
            DWORD length = sizeof name;
            if (RegEnumKeyExA(key_, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
            names.emplace_back(name, length);
        }
        return names;
    }

private:
    HKEY key_ = nullptr;
};

// UTF-16 registry bytes as the ANSI text a user reads.
std::string FromWide(const std::vector<BYTE>& bytes) {
    std::wstring wide(bytes.size() / 2, L'\0');
    std::memcpy(wide.data(), bytes.data(), wide.size() * 2);
    wide = wide.c_str();
    const int size = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, text.data(), size, nullptr, nullptr);
    return text.c_str();
}

// The key of the primary adapter that the video device map names, as a path below HKEY_LOCAL_MACHINE.
std::string PrimaryVideoKey() {
    const std::string target = Key("HARDWARE\\DEVICEMAP\\VIDEO").Text("\\Device\\Video0");
    const std::size_t machine = target.find("Machine\\");
    return machine == std::string::npos ? std::string() : target.substr(machine + 8);
}

HWND OpenDisplayWindow(Orvane& orvane) {
    HWND main = orvane.Main();
    if (!main) return nullptr;
    PressKey(main, VK_F8);
    HWND display = orvane.WaitForWindow("TfrmDisplay");
    if (display) WaitUntil([&] { return ControlText(display, "Info12") != ""; });
    return display;
}

TEST(DisplayWindow, ShowsWinesAdapterAndTheScreenFromF8) {
    Orvane orvane("");
    HWND display = OpenDisplayWindow(orvane);
    ASSERT_TRUE(display);
    EXPECT_EQ(WindowText(display), "Display");

    // Every distinct adapter description of the display class, in registry order; the first is selected.
    Key displayClass(kDisplayClass);
    ASSERT_TRUE(displayClass) << "Wine's registry has no display class";
    std::vector<std::string> adapters;
    for (const std::string& instance : displayClass.Subkeys()) {
        const std::string description = Key(std::string(kDisplayClass) + "\\" + instance).Text("DriverDesc");
        if (!description.empty() && std::find(adapters.begin(), adapters.end(), description) == adapters.end())
            adapters.push_back(description);
    }
    ASSERT_FALSE(adapters.empty());
    HWND combo = FindControl(display, "cbDisplay");
    EXPECT_EQ(ComboItems(combo), adapters);
    EXPECT_EQ(WindowText(combo), adapters.front());

    // The chip and DAC texts of the adapter the video device map names.
    const std::string videoKey = PrimaryVideoKey();
    ASSERT_FALSE(videoKey.empty()) << "no video device map";
    Key video(videoKey);
    const auto chip = video.Raw("HardwareInformation.ChipType");
    const auto dac = video.Raw("HardwareInformation.DacType");
    ASSERT_TRUE(chip && dac) << videoKey;
    EXPECT_EQ(ControlText(display, "Info3"), FromWide(*chip));
    EXPECT_EQ(ControlText(display, "Info4"), FromWide(*dac));
    EXPECT_NE(ControlText(display, "Info4"), "");

    // The screen as the screen's device context reports it.
    HDC screen = GetDC(nullptr);
    char metrics[64];
    std::snprintf(metrics, sizeof metrics, "%d x %d - %d bit", GetDeviceCaps(screen, HORZRES),
                  GetDeviceCaps(screen, VERTRES), GetDeviceCaps(screen, BITSPIXEL));
    const int aspect[3] = {GetDeviceCaps(screen, ASPECTX), GetDeviceCaps(screen, ASPECTY),
                           GetDeviceCaps(screen, ASPECTXY)};
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(ControlText(display, "Info7"), "Raster Display");
    EXPECT_EQ(ControlText(display, "Info8"), metrics);
    EXPECT_EQ(ControlText(display, "Info8"), "1024 x 768 - 32 bit") << "the suite's virtual desktop";
    EXPECT_EQ(ControlText(display, "Info9"), "96 dpi");
    EXPECT_EQ(ControlText(display, "Info10"), std::to_string(aspect[0]));
    EXPECT_EQ(ControlText(display, "Info11"), std::to_string(aspect[1]));
    EXPECT_EQ(ControlText(display, "Info12"), std::to_string(aspect[2]));

    // The video BIOS row: Wine keeps no video BIOS values, as a UEFI machine does not; the adapter's own
    // BIOS text answers then.
    Key system("HARDWARE\\DESCRIPTION\\System");
    const auto version = system.Raw("VideoBiosVersion");
    const std::string versionText = version ? std::string(version->begin(), version->end()).c_str() : "";
    const std::string date = system.Text("VideoBiosDate");
    const auto adapterBios = Key(std::string(kDisplayClass) + "\\0000").Raw("HardwareInformation.BiosString");
    if (versionText.empty() && date.empty() && adapterBios) {
        EXPECT_EQ(ControlText(display, "Info6"), FromWide(*adapterBios));
        EXPECT_NE(ControlText(display, "Info6"), "");
    } else {
        EXPECT_EQ(ControlText(display, "Info6"), versionText + " (" + date + ")");
    }
}

// UTF-16 registry bytes with their terminating zero, as drivers write HardwareInformation texts.
std::vector<BYTE> Wide(const std::wstring& text) {
    std::vector<BYTE> bytes((text.size() + 1) * 2);
    std::memcpy(bytes.data(), text.c_str(), bytes.size());
    return bytes;
}

TEST(DisplayWindow, ASecondAdapterShowsTheFiguresOfItsOwnClassKey) {
    Orvane orvane("");
    ASSERT_TRUE(orvane.Main());
    // Planted once the program runs: Wine rewrites the display keys as a windowed process starts.
    const std::string second = std::string(kDisplayClass) + "\\0001";
    const std::string name = "Orvane E2E Discrete GPU";
    PlantedValue description(HKEY_LOCAL_MACHINE, second, "DriverDesc", REG_SZ,
                             std::vector<BYTE>(name.c_str(), name.c_str() + name.size() + 1));
    PlantedValue chip(HKEY_LOCAL_MACHINE, second, "HardwareInformation.ChipType", REG_BINARY, Wide(L"E2E Chip 4060"));
    PlantedValue dac(HKEY_LOCAL_MACHINE, second, "HardwareInformation.DacType", REG_BINARY, Wide(L"E2E RAMDAC"));
    PlantedValue bios(HKEY_LOCAL_MACHINE, second, "HardwareInformation.BiosString", REG_BINARY,
                      Wide(L"Version 95.07.2E"));
    const unsigned long long twelveGigabytes = 12ull << 30;
    std::vector<BYTE> size(8);
    std::memcpy(size.data(), &twelveGigabytes, 8);
    PlantedValue memory(HKEY_LOCAL_MACHINE, second, "HardwareInformation.qwMemorySize", REG_QWORD, size);

    HWND display = OpenDisplayWindow(orvane);
    ASSERT_TRUE(display);
    HWND combo = FindControl(display, "cbDisplay");
    const std::vector<std::string> items = ComboItems(combo);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[1], name);
    // The first adapter keeps its own figures.
    const std::string firstChip = ControlText(display, "Info3");
    EXPECT_NE(firstChip, "E2E Chip 4060");

    ChooseEntry(combo, 1);
    EXPECT_TRUE(WaitUntil([&] { return ControlText(display, "Info3") == "E2E Chip 4060"; }, 5s))
        << ControlText(display, "Info3");
    EXPECT_EQ(ControlText(display, "Info4"), "E2E RAMDAC");
    EXPECT_EQ(ControlText(display, "Info5"), "12884901888");
    EXPECT_EQ(ControlText(display, "Info6"), "Version 95.07.2E") << "no video BIOS values: the adapter's BIOS text";

    ChooseEntry(combo, 0);
    EXPECT_TRUE(WaitUntil([&] { return ControlText(display, "Info3") == firstChip; }, 5s))
        << ControlText(display, "Info3");
}

TEST(DisplayWindow, ShowsTheVideoBiosAndAnAdapterOfEightGigabytes) {
    Orvane orvane("");
    ASSERT_TRUE(orvane.Main());
    const std::string videoKey = PrimaryVideoKey();
    ASSERT_FALSE(videoKey.empty()) << "no video device map";

    // An adapter of 8 GB carries the 64-bit size beside a 32-bit one that cannot hold it.
    const unsigned long long eightGigabytes = 8ull << 30;
    std::vector<BYTE> size(8);
    std::memcpy(size.data(), &eightGigabytes, 8);
    PlantedValue wide(HKEY_LOCAL_MACHINE, videoKey, "HardwareInformation.qwMemorySize", REG_QWORD, size);
    PlantedValue narrow(HKEY_LOCAL_MACHINE, videoKey, "HardwareInformation.MemorySize", REG_BINARY,
                        {0xFF, 0xFF, 0xFF, 0xFF});
    // The BIOS version is a list of texts, of which the window shows the first.
    const std::string versions = std::string("Orvane Video BIOS 2.1") + '\0' + "(C) Somebody" + '\0' + '\0';
    PlantedValue biosVersion(HKEY_LOCAL_MACHINE, "HARDWARE\\DESCRIPTION\\System", "VideoBiosVersion", REG_MULTI_SZ,
                             std::vector<BYTE>(versions.begin(), versions.end()));
    const std::string date = "04/05/06";
    PlantedValue biosDate(HKEY_LOCAL_MACHINE, "HARDWARE\\DESCRIPTION\\System", "VideoBiosDate", REG_SZ,
                          std::vector<BYTE>(date.c_str(), date.c_str() + date.size() + 1));

    HWND display = OpenDisplayWindow(orvane);
    ASSERT_TRUE(display);
    EXPECT_EQ(ControlText(display, "Info5"), "8589934592 bytes");
    EXPECT_EQ(ControlText(display, "Info6"), "Orvane Video BIOS 2.1 (04/05/06)");

    // Choosing the adapter shows its figures again, the size without the unit.
    ChooseEntry(FindControl(display, "cbDisplay"), 0);
    EXPECT_TRUE(WaitUntil([&] { return ControlText(display, "Info5") == "8589934592"; }, 5s))
        << ControlText(display, "Info5");

    // A text of the user's own in the field names no adapter.
    HWND field = FindChildOfClass(FindControl(display, "cbDisplay"), "Edit");
    ASSERT_TRUE(field);
    PostMessageA(field, WM_CHAR, 'x', 1);
    EXPECT_TRUE(WaitUntil([&] { return ControlText(display, "Info5") == "<info not available>"; }, 5s))
        << ControlText(display, "Info5");
    EXPECT_EQ(ControlText(display, "Info3"), "<info not available>");
    EXPECT_EQ(ControlText(display, "Info4"), "<info not available>");
}

TEST(DisplayWindow, AValueOfTheWrongTypeStopsTheRefreshWithTheErrorBox) {
    Orvane orvane("");
    HWND display = OpenDisplayWindow(orvane);
    ASSERT_TRUE(display);
    const std::string adapter = WindowText(FindControl(display, "cbDisplay"));
    ASSERT_NE(adapter, "");
    PostMessageA(display, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(display); }, 5s));

    // A second adapter instance whose description is a number: the walk meets it before anything is shown.
    PlantedValue bad(HKEY_LOCAL_MACHINE, std::string(kDisplayClass) + "\\0099", "DriverDesc", REG_DWORD, {1, 0, 0, 0});
    SendMessageA(FindControl(display, "Info8"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("marker"));
    PressKey(orvane.Main(), VK_F8);
    const auto box = WaitForMessageBox(orvane.Pid());
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, "Invalid data type for 'DriverDesc'");
    PressOk(*box);
    EXPECT_TRUE(IsWindowVisible(display));
    EXPECT_EQ(ControlText(display, "Info8"), "marker") << "the refresh showed something";
    EXPECT_EQ(WindowText(FindControl(display, "cbDisplay")), adapter);
}

TEST(DisplayWindow, TheWheelTurnedDownMovesTheRowsOnePixelDown) {
    Orvane orvane("");
    HWND display = OpenDisplayWindow(orvane);
    ASSERT_TRUE(display);
    HWND box = FindControl(display, "ScrollBox1");
    HWND row = FindControl(display, "Desc1");
    ASSERT_TRUE(box && row);
    const RECT area = ScreenRect(box);
    const LPARAM over = MAKELPARAM(area.left + 20, area.bottom - 20);
    const LONG top = ScreenRect(row).top;
    const auto wheel = [](int delta) { return static_cast<WPARAM>(static_cast<WORD>(delta)) << 16; };

    SendMessageA(box, WM_MOUSEWHEEL, wheel(-WHEEL_DELTA), over);
    EXPECT_EQ(ScreenRect(row).top, top + 1);
    SendMessageA(box, WM_MOUSEWHEEL, wheel(-2 * WHEEL_DELTA), over);
    EXPECT_EQ(ScreenRect(row).top, top + 3) << "one pixel a notch";
    // Up keeps the box's own behaviour: its rows fit, so nothing moves.
    SendMessageA(box, WM_MOUSEWHEEL, wheel(WHEEL_DELTA), over);
    EXPECT_EQ(ScreenRect(row).top, top + 3);
}

}  // namespace
}  // namespace e2e
