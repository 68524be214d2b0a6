// The drive window as a user opens it: drive C: with what the platform reports for it, the label
// appended once, the list rebuilt by a refresh, and a CD-ROM drive without a medium. Run through
// drive_fixture.sh, which plants that drive.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "tests/e2e/harness.h"

namespace e2e {
namespace {

// The number a "#,#0" text shows, whatever the user's digit separator is.
unsigned long long DigitsOf(const std::string& text) {
    std::string digits;
    for (char c : text) {
        if (c >= '0' && c <= '9') digits.push_back(c);
    }
    return digits.empty() ? ~0ull : std::strtoull(digits.c_str(), nullptr, 10);
}

std::string ThousandSeparator() {
    char separator[8] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator, sizeof separator);
    return separator;
}

int EntryOf(HWND combo, char letter) {
    const std::vector<std::string> items = ComboItems(combo);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!items[i].empty() && items[i][0] == letter) return static_cast<int>(i);
    }
    return -1;
}

struct Flag {
    const char* caption;
    DWORD mask;  // 0: a maximum component length of 255
};
constexpr Flag kFlags[] = {
    {"Case Is Preserved", FILE_CASE_PRESERVED_NAMES},
    {"Case Sensitive", FILE_CASE_SENSITIVE_SEARCH},
    {"Unicode Stored On Disk", FILE_UNICODE_ON_DISK},
    {"Persistent Acls", FILE_PERSISTENT_ACLS},
    {"File Compression", FILE_FILE_COMPRESSION},
    {"Volume Is Compressed", FILE_VOLUME_IS_COMPRESSED},
    {"Long Filenames", 0},
    {"Encrypted File System Support", FILE_SUPPORTS_ENCRYPTION},
    {"Object IDs Support", FILE_SUPPORTS_OBJECT_IDS},
    {"Reparse Points Support", FILE_SUPPORTS_REPARSE_POINTS},
    {"Sparse Files Support", FILE_SUPPORTS_SPARSE_FILES},
    {"Disk Quotas Support", FILE_VOLUME_QUOTAS},
};

struct ShownFlag {
    std::string caption;
    bool checked;
};
// The check list's items and ticks (the texts crossing as UTF-16, as above).
std::vector<ShownFlag> ShownFlags(HWND list) {
    std::vector<ShownFlag> flags;
    const auto count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        char narrow[512] = {};
        WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
        flags.push_back({narrow, SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(i), 0) == 1});
    }
    return flags;
}

HWND OpenDriveWindow(Orvane& orvane) {
    HWND main = orvane.Main();
    if (!main) return nullptr;
    PressKey(main, VK_F9);
    HWND drive = orvane.WaitForWindow("TfrmDisk");
    if (drive) WaitUntil([&] { return ControlText(drive, "info4") != ""; });
    return drive;
}

TEST(DriveWindow, OpensOnCWithWhatThePlatformReports) {
    Orvane orvane("");
    HWND window = OpenDriveWindow(orvane);
    ASSERT_TRUE(window);
    EXPECT_EQ(WindowText(window), "Drive Info");

    char label[MAX_PATH + 1] = {};
    char fileSystem[MAX_PATH + 1] = {};
    DWORD serial = 0, maxComponent = 0, volumeFlags = 0;
    ASSERT_TRUE(GetVolumeInformationA("C:\\", label, sizeof label, &serial, &maxComponent, &volumeFlags, fileSystem,
                                      sizeof fileSystem));
    ULARGE_INTEGER available{}, total{}, totalFree{};
    ASSERT_TRUE(GetDiskFreeSpaceExA("C:\\", &available, &total, &totalFree));
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
    ASSERT_TRUE(GetDiskFreeSpaceA("C:\\", &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters));

    // Every drive letter once, opened on C: with its label appended.
    HWND combo = FindControl(window, "cbDrive");
    char roots[256] = {};
    GetLogicalDriveStringsA(sizeof roots, roots);
    std::vector<std::string> letters;
    for (const char* root = roots; *root; root += std::strlen(root) + 1)
        letters.push_back(std::string(1, root[0]) + ":");
    std::vector<std::string> items = ComboItems(combo);
    ASSERT_EQ(items.size(), letters.size());
    const std::string shownC = std::string("C: [") + label + "]";
    EXPECT_EQ(WindowText(combo), shownC);
    for (std::size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items[i], letters[i] == "C:" ? shownC : letters[i]);

    EXPECT_EQ(ControlText(window, "info1"), std::string("Fixed - ") + fileSystem);
    EXPECT_EQ(ControlText(window, "info2").rfind("C:\\", 0), 0u) << ControlText(window, "info2");
    char serialText[16];
    std::snprintf(serialText, sizeof serialText, "%04X-%04X", static_cast<unsigned>(serial >> 16),
                  static_cast<unsigned>(serial & 0xFFFF));
    EXPECT_EQ(ControlText(window, "info3"), serialText);

    // The sizes, each with the user's digit separator and the unit; the free space moves a little.
    const std::string separator = ThousandSeparator();
    const std::string capacity = ControlText(window, "info4");
    const std::string free = ControlText(window, "info5");
    EXPECT_EQ(DigitsOf(capacity), total.QuadPart) << capacity;
    EXPECT_NEAR(static_cast<double>(DigitsOf(free)), static_cast<double>(available.QuadPart), 512.0 * 1024 * 1024)
        << free;
    for (const std::string& size : {capacity, free}) {
        EXPECT_EQ(size.size() > 6 ? size.substr(size.size() - 6) : size, " bytes");
        if (!separator.empty()) {
            EXPECT_NE(size.find(separator), std::string::npos) << size;
        }
    }
    const std::string gauge = ControlText(window, "gDisk");
    ASSERT_FALSE(gauge.empty());
    EXPECT_EQ(gauge.back(), '%');
    const double used =
        100.0 * static_cast<double>(total.QuadPart - available.QuadPart) / static_cast<double>(total.QuadPart);
    EXPECT_NEAR(std::atoi(gauge.c_str()), used, 1.0) << gauge;
    EXPECT_EQ(DigitsOf(ControlText(window, "info6")), bytesPerSector);
    EXPECT_EQ(DigitsOf(ControlText(window, "Info7")), sectorsPerCluster);
    EXPECT_EQ(DigitsOf(ControlText(window, "Info8")), totalClusters);
    EXPECT_NEAR(static_cast<double>(DigitsOf(ControlText(window, "Info9"))), freeClusters,
                512.0 * 1024 * 1024 / (static_cast<double>(sectorsPerCluster) * bytesPerSector));

    // The twelve properties, ticked as the volume reports them.
    const std::vector<ShownFlag> flags = ShownFlags(FindControl(window, "clbFlags"));
    ASSERT_EQ(flags.size(), std::size(kFlags));
    for (std::size_t i = 0; i < flags.size(); ++i) {
        EXPECT_EQ(flags[i].caption, kFlags[i].caption);
        const bool reported = kFlags[i].mask ? (volumeFlags & kFlags[i].mask) != 0 : maxComponent == 255;
        EXPECT_EQ(flags[i].checked, reported) << kFlags[i].caption;
    }
    // A ready drive shows its icon.
    EXPECT_NE(SendMessageA(FindControl(window, "imgDrive"), STM_GETICON, 0, 0), 0);

    // The flags lie on the tooltip colour, as the screen shows them: a pixel near the bottom right corner,
    // where no text is drawn.
    for (const char* name : {"clbFlags"}) {
        const RECT rect = ScreenRect(FindControl(window, name));
        HDC screen = GetDC(nullptr);
        const COLORREF shown = GetPixel(screen, rect.right - 6, rect.bottom - 4);
        ReleaseDC(nullptr, screen);
        EXPECT_EQ(shown, GetSysColor(COLOR_INFOBK)) << name << " shows " << std::hex << shown;
    }
}

TEST(DriveWindow, ChoosingADriveTwiceAppendsItsLabelOnceAndARefreshRebuildsTheList) {
    Orvane orvane("");
    HWND window = OpenDriveWindow(orvane);
    ASSERT_TRUE(window);
    HWND combo = FindControl(window, "cbDrive");
    const int z = EntryOf(combo, 'Z');
    ASSERT_GE(z, 0) << "Wine maps the root folder as Z:";
    char label[MAX_PATH + 1] = {};
    GetVolumeInformationA("Z:\\", label, sizeof label, nullptr, nullptr, nullptr, nullptr, 0);
    const std::string shownZ = std::string("Z: [") + label + "]";

    ChooseEntry(combo, z);
    ASSERT_TRUE(WaitUntil([&] { return WindowText(combo) == shownZ; }, 5s)) << WindowText(combo);
    ChooseEntry(combo, z);
    EXPECT_EQ(WindowText(combo), shownZ);
    EXPECT_EQ(ComboItems(combo)[static_cast<std::size_t>(z)], shownZ);
    EXPECT_EQ(ControlText(window, "info2").rfind("Z:\\", 0), 0u) << ControlText(window, "info2");

    // View > Refresh: the list again, with only the start drive's label.
    SetForegroundWindow(window);
    PressKey(window, VK_F10);
    PressKey(window, VK_RIGHT);
    PressKey(window, VK_DOWN);
    PressKey(window, VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return ComboItems(combo)[static_cast<std::size_t>(z)] == "Z:"; }, 5s));
    EXPECT_EQ(WindowText(combo).rfind("C: [", 0), 0u) << WindowText(combo);
}

TEST(DriveWindow, ACdRomDriveWithoutAMediumIsNotReady) {
    char letter[4] = {};
    if (!GetEnvironmentVariableA("ORVANE_E2E_EMPTY_CD_DRIVE", letter, sizeof letter)) {
        GTEST_SKIP() << "run through drive_fixture.sh, which plants the drive";
    }
    const std::string root = std::string(1, letter[0]) + ":\\";
    ASSERT_EQ(GetDriveTypeA(root.c_str()), static_cast<UINT>(DRIVE_CDROM));
    Orvane orvane("");
    HWND window = OpenDriveWindow(orvane);
    ASSERT_TRUE(window);
    HWND combo = FindControl(window, "cbDrive");
    const int cd = EntryOf(combo, letter[0]);
    ASSERT_GE(cd, 0);

    ChooseEntry(combo, cd);
    const std::string shown = std::string(1, letter[0]) + ": []";
    ASSERT_TRUE(WaitUntil([&] { return WindowText(combo) == shown; }, 10s)) << WindowText(combo);
    EXPECT_EQ(ControlText(window, "info1"), "CDROM - ");
    EXPECT_EQ(ControlText(window, "info3"), "");
    EXPECT_EQ(ControlText(window, "info4"), "0 bytes");
    EXPECT_EQ(ControlText(window, "info5"), "0 bytes");
    EXPECT_EQ(ControlText(window, "gDisk"), "0%");
    for (const char* cluster : {"info6", "Info7", "Info8", "Info9"}) EXPECT_EQ(ControlText(window, cluster), "0");
    for (const ShownFlag& flag : ShownFlags(FindControl(window, "clbFlags")))
        EXPECT_FALSE(flag.checked) << flag.caption;
    EXPECT_EQ(SendMessageA(FindControl(window, "imgDrive"), STM_GETICON, 0, 0), 0) << "no icon for a drive not ready";

    // Choosing it again appends nothing more.
    ChooseEntry(combo, cd);
    EXPECT_EQ(WindowText(combo), shown);
}

}  // namespace
}  // namespace e2e
