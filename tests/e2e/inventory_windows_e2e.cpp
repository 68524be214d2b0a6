// The device list, installed applications and startup windows as a user opens them: planted registry
// entries and Startup-folder files read back from the lists, the count panels, the uninstall action with
// its question, and printing the lists to the PDF printer (ListPrinting, through list_print_fixture.sh).
#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>

#include "tests/e2e/harness.h"

namespace e2e {
namespace {

using Rows = std::vector<std::vector<std::string>>;

constexpr const char* kClasses = "SYSTEM\\CurrentControlSet\\Control\\Class\\";
constexpr const char* kUninstall = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
constexpr const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kApprovedRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

std::vector<BYTE> Sz(const std::string& text) {
    std::vector<BYTE> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

std::string RegistryText(HKEY hive, const std::string& path, const std::string& name) {
    char text[512] = {};
    DWORD size = sizeof text - 1;
    if (RegGetValueA(hive, path.c_str(), name.c_str(), RRF_RT_REG_SZ | RRF_SUBKEY_WOW6464KEY, nullptr, text, &size) !=
        ERROR_SUCCESS) {
        return {};
    }
    return text;
}

// The row whose item text is the name, or -1.
int RowNamed(const Rows& rows, const std::string& name) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].empty() && rows[i][0] == name) return static_cast<int>(i);
    }
    return -1;
}

int RowWithCell(const Rows& rows, std::size_t column, const std::string& text) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].size() > column && rows[i][column] == text) return static_cast<int>(i);
    }
    return -1;
}

void ExpectSortedAsTheUserCompares(const Rows& rows) {
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_LE(lstrcmpA(rows[i - 1][0].c_str(), rows[i][0].c_str()), 0) << rows[i - 1][0] << " / " << rows[i][0];
    }
}

// The list of a window once its refresh has filled it (and its count panel).
Rows FilledList(const Orvane& orvane, HWND window) {
    HWND list = FindControl(window, "ListView1");
    WaitUntil([&] { return orvane.StatusPanel(window, 0).rfind("Count: ", 0) == 0; }, 20s);
    return orvane.ListRows(list);
}

// An uninstall entry with a name, a publisher and an uninstall command in one place.
struct PlantedEntry {
    PlantedEntry(HKEY hive, REGSAM view, const std::string& key, const std::string& name, const std::string& command)
        : displayName(hive, kUninstall + key, "DisplayName", REG_SZ, Sz(name), view),
          publisher(hive, kUninstall + key, "Publisher", REG_SZ, Sz("Orvane Tests"), view),
          uninstall(hive, kUninstall + key, "UninstallString", REG_SZ, Sz(command), view) {}
    PlantedValue displayName;
    PlantedValue publisher;
    PlantedValue uninstall;
};

TEST(InventoryWindows, TheDeviceListShowsTheDriversSortedAsTheUserCompares) {
    const std::string apple = std::string(kClasses) + "{0E2E0001-0000-0000-0000-000000000001}\\0000";
    const std::string banana = std::string(kClasses) + "{0E2E0001-0000-0000-0000-000000000002}\\0000";
    PlantedValue appleName(HKEY_LOCAL_MACHINE, apple, "DriverDesc", REG_SZ, Sz("apple e2e driver"));
    PlantedValue appleProvider(HKEY_LOCAL_MACHINE, apple, "ProviderName", REG_SZ, Sz("Orvane Tests"));
    PlantedValue bananaName(HKEY_LOCAL_MACHINE, banana, "DriverDesc", REG_SZ, Sz("Banana E2E Driver"));
    PlantedValue bananaVersion(HKEY_LOCAL_MACHINE, banana, "DriverVersion", REG_SZ, Sz("2.0.1"));
    const std::string display = RegistryText(
        HKEY_LOCAL_MACHINE, std::string(kClasses) + "{4d36e968-e325-11ce-bfc1-08002be10318}\\0000", "DriverDesc");
    ASSERT_FALSE(display.empty()) << "Wine's display class has a driver description";

    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    ASSERT_TRUE(orvane.ClickToolButton(main, 7));  // Devices
    HWND devices = orvane.WaitForWindow("TfrmDevices");
    ASSERT_TRUE(devices);
    const Rows rows = FilledList(orvane, devices);
    EXPECT_EQ(orvane.StatusPanel(devices, 0), "Count: " + std::to_string(rows.size()));
    EXPECT_GE(RowNamed(rows, display), 0) << "the display driver";
    const int appleRow = RowNamed(rows, "apple e2e driver");
    const int bananaRow = RowNamed(rows, "Banana E2E Driver");
    ASSERT_GE(appleRow, 0);
    ASSERT_GE(bananaRow, 0);
    EXPECT_LT(appleRow, bananaRow) << "the user's collation, not byte order";
    EXPECT_EQ(rows[static_cast<std::size_t>(appleRow)],
              (std::vector<std::string>{"apple e2e driver", "Orvane Tests", ""}));
    EXPECT_EQ(rows[static_cast<std::size_t>(bananaRow)], (std::vector<std::string>{"Banana E2E Driver", "", "2.0.1"}));
    ExpectSortedAsTheUserCompares(rows);

    // F12 closes the window; showing it again reads the registry afresh.
    PressKey(devices, VK_F12);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(devices); }, 5s));
}

TEST(InventoryWindows, InstalledApplicationsComeFromBothViewsAndTheUsersKey) {
    PlantedEntry native(HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY, "OrvaneE2ENative", "Orvane E2E Native",
                        "C:\\native\\uninstall.exe /S");
    PlantedEntry legacy(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY, "OrvaneE2ELegacy", "Orvane E2E Legacy 32-bit",
                        "MsiExec.exe /X{0E2E0000-0000-0000-0000-000000000032}");
    PlantedEntry user(HKEY_CURRENT_USER, 0, "OrvaneE2EUser", "orvane e2e user app", "\"C:\\user app\\un.exe\"");
    PlantedValue help(HKEY_LOCAL_MACHINE, std::string(kUninstall) + "OrvaneE2ENative", "HelpLink", REG_EXPAND_SZ,
                      Sz("https://example.invalid/help"));

    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    PressKey(main, VK_F10);
    HWND window = orvane.WaitForWindow("TfrmUnistall");
    ASSERT_TRUE(window);
    EXPECT_TRUE(IsZoomed(window)) << "opened maximised";
    const Rows rows = FilledList(orvane, window);
    EXPECT_EQ(orvane.StatusPanel(window, 0), "Count: " + std::to_string(rows.size()));
    const int nativeRow = RowNamed(rows, "Orvane E2E Native");
    const int legacyRow = RowNamed(rows, "Orvane E2E Legacy 32-bit");
    const int userRow = RowNamed(rows, "orvane e2e user app");
    ASSERT_GE(nativeRow, 0);
    ASSERT_GE(legacyRow, 0);
    ASSERT_GE(userRow, 0);
    EXPECT_EQ(rows[static_cast<std::size_t>(nativeRow)],
              (std::vector<std::string>{"Orvane E2E Native", "", "https://example.invalid/help", "", "", "",
                                        "Orvane Tests", "", "C:\\native\\uninstall.exe /S"}));
    EXPECT_EQ(rows[static_cast<std::size_t>(legacyRow)][8], "MsiExec.exe /X{0E2E0000-0000-0000-0000-000000000032}");
    EXPECT_EQ(rows[static_cast<std::size_t>(userRow)][8], "\"C:\\user app\\un.exe\"");
    ExpectSortedAsTheUserCompares(rows);
}

// The list sorts itself as the control reorders its rows: the keys are read before the sort, never
// from the rows while the control moves them.
TEST(InventoryWindows, InstalledApplicationsAreSortedByName) {
    // Enumerated (by key name) as Zeta, Middle, Alpha: the sort has work to do.
    PlantedEntry zeta(HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY, "OrvaneE2ESort1", "Zeta e2e sorted app", "zeta.exe /S");
    PlantedEntry middle(HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY, "OrvaneE2ESort2", "Middle e2e sorted app", "mid.exe /S");
    PlantedEntry alpha(HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY, "OrvaneE2ESort3", "Alpha e2e sorted app", "alpha.exe /S");

    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    PressKey(main, VK_F10);
    HWND window = orvane.WaitForWindow("TfrmUnistall");
    ASSERT_TRUE(window);
    const Rows rows = FilledList(orvane, window);
    std::vector<std::string> planted;
    for (const auto& row : rows) {
        if (!row.empty() && row[0].find(" e2e sorted app") != std::string::npos) planted.push_back(row[0]);
    }
    ASSERT_EQ(planted,
              (std::vector<std::string>{"Alpha e2e sorted app", "Middle e2e sorted app", "Zeta e2e sorted app"}));
    ExpectSortedAsTheUserCompares(rows);
    // Each row keeps its own cells through the sort.
    EXPECT_EQ(rows[static_cast<std::size_t>(RowNamed(rows, "Zeta e2e sorted app"))][8], "zeta.exe /S");
    EXPECT_EQ(rows[static_cast<std::size_t>(RowNamed(rows, "Alpha e2e sorted app"))][8], "alpha.exe /S");
}

TEST(InventoryWindows, AnUninstallValueOfAnotherTypeIsReportedAndTheCountWaits) {
    PlantedValue name(HKEY_LOCAL_MACHINE, std::string(kUninstall) + "OrvaneE2EBroken", "DisplayName", REG_SZ,
                      Sz("Orvane E2E Broken"));
    const DWORD seven = 7;
    PlantedValue publisher(
        HKEY_LOCAL_MACHINE, std::string(kUninstall) + "OrvaneE2EBroken", "Publisher", REG_DWORD,
        std::vector<BYTE>(reinterpret_cast<const BYTE*>(&seven), reinterpret_cast<const BYTE*>(&seven) + 4));
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    PressKey(main, VK_F10);
    const auto box = WaitForMessageBox(orvane.Pid());
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, "Invalid data type for 'Publisher'");
    PressOk(*box);
    HWND window = orvane.WaitForWindow("TfrmUnistall");
    ASSERT_TRUE(window);
    EXPECT_EQ(orvane.StatusPanel(window, 0), "") << "the count is only shown after a whole refresh";
    EXPECT_GE(RowNamed(orvane.ListRows(FindControl(window, "ListView1")), "Orvane E2E Broken"), 0);
}

// Uninstall entries whose command is this driver, copied into a folder with spaces in its name: it
// writes its command line into the marker file its arguments name (UninstallHelper below).
class UninstallAction : public ::testing::Test {
protected:
    void SetUp() override {
        folder = MakeTempDir() + "\\orvane e2e tool";
        CreateDirectoryA(folder.c_str(), nullptr);
        program = folder + "\\marker writer.exe";
        char self[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, self, sizeof self);
        ASSERT_TRUE(CopyFileA(self, program.c_str(), FALSE));
    }
    void TearDown() override {
        DeleteFileA(program.c_str());
        for (const std::string& marker : markers) DeleteFileA(marker.c_str());
        RemoveDirectoryA(folder.c_str());
    }
    std::string Command(bool quoted, const std::string& marker) {
        markers.push_back(marker);
        return (quoted ? "\"" + program + "\"" : program) +
               " --gtest_filter=UninstallHelper.* \"--orvane-marker=" + marker + "\" /S";
    }
    // Runs the context menu's last item, Uninstall, on the row of the name.
    void ChooseUninstall(const Orvane& orvane, HWND window, const std::string& name) {
        HWND list = FindControl(window, "ListView1");
        const int row = RowNamed(orvane.ListRows(list), name);
        ASSERT_GE(row, 0) << name;
        orvane.SelectListRow(list, row);
        SetForegroundWindow(window);
        PostMessageA(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(0xFFFF, 0xFFFF));
        ASSERT_TRUE(WaitUntil(
            [] { return FindWindowA("#32768", nullptr) && IsWindowVisible(FindWindowA("#32768", nullptr)); }, 5s));
        keybd_event(VK_UP, 0, 0, 0);
        keybd_event(VK_UP, 0, KEYEVENTF_KEYUP, 0);
        keybd_event(VK_RETURN, 0, 0, 0);
        keybd_event(VK_RETURN, 0, KEYEVENTF_KEYUP, 0);
    }

    std::string folder;
    std::string program;
    std::vector<std::string> markers;
};

TEST_F(UninstallAction, YesRunsTheSplitCommandAndNoRunsNothing) {
    const std::string yesMarker = folder + "\\yes.txt";
    const std::string noMarker = folder + "\\no.txt";
    PlantedEntry yes(HKEY_CURRENT_USER, 0, "OrvaneE2EYes", "Orvane E2E Say Yes", Command(false, yesMarker));
    PlantedEntry no(HKEY_CURRENT_USER, 0, "OrvaneE2ENo", "Orvane E2E Say No", Command(true, noMarker));
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    PressKey(main, VK_F10);
    HWND window = orvane.WaitForWindow("TfrmUnistall");
    ASSERT_TRUE(window);
    FilledList(orvane, window);

    ChooseUninstall(orvane, window, "Orvane E2E Say No");
    auto question = WaitForMessageBox(orvane.Pid());
    ASSERT_TRUE(question);
    EXPECT_NE(question->text.find("\"Orvane E2E Say No\""), std::string::npos) << question->text;
    PostMessageA(question->box, WM_COMMAND, IDNO, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(question->box) || !IsWindowVisible(question->box); }, 5s));

    ChooseUninstall(orvane, window, "Orvane E2E Say Yes");
    question = WaitForMessageBox(orvane.Pid());
    ASSERT_TRUE(question);
    EXPECT_NE(question->text.find("\"Orvane E2E Say Yes\""), std::string::npos) << question->text;
    PostMessageA(question->box, WM_COMMAND, IDYES, 0);
    ASSERT_TRUE(WaitUntil([&] { return FileExists(yesMarker); }, 30s)) << "the uninstaller ran";
    WaitUntil([&] { return ReadFileBytes(yesMarker).value_or("").find("/S") != std::string::npos; }, 5s);
    const std::string commandLine = ReadFileBytes(yesMarker).value_or("");
    EXPECT_NE(commandLine.find("marker writer.exe"), std::string::npos) << commandLine;
    EXPECT_NE(commandLine.find(" /S"), std::string::npos) << "its arguments came with it: " << commandLine;
    EXPECT_FALSE(FileExists(noMarker)) << "No ran nothing";
}

// The marker writer: does nothing unless started with --orvane-marker=PATH, as the uninstall entries above
// start it; then it writes its whole command line there.
TEST(UninstallHelper, WritesItsCommandLineIntoTheMarker) {
    std::string marker;
    for (int i = 1; i < __argc; ++i) {
        const std::string argument = __argv[i];
        if (argument.rfind("--orvane-marker=", 0) == 0) marker = argument.substr(16);
    }
    if (marker.empty()) GTEST_SKIP() << "only run as an uninstall command";
    std::ofstream(marker, std::ios::binary) << GetCommandLineA();
}

TEST(InventoryWindows, StartupListsRunValuesAndTheStartupFolderWithTheirStates) {
    char common[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_COMMON_STARTUP, nullptr, 0, common), S_OK);
    const std::string file = std::string(common) + "\\orvane e2e.lnk";
    std::ofstream(file, std::ios::binary) << "not really a shortcut";
    struct Remove {
        std::string path;
        ~Remove() { DeleteFileA(path.c_str()); }
    } remove{file};
    PlantedValue machine(HKEY_LOCAL_MACHINE, kRun, "OrvaneE2EMachine", REG_SZ, Sz("C:\\e2e\\machine.exe /tray"));
    PlantedValue machine32(HKEY_LOCAL_MACHINE, kRun, "OrvaneE2EOld", REG_SZ, Sz("C:\\e2e\\old32.exe"), KEY_WOW64_32KEY);
    PlantedValue user(HKEY_CURRENT_USER, kRun, "OrvaneE2EUser", REG_EXPAND_SZ, Sz("%TEMP%\\user.exe"), 0);
    PlantedValue disabled(HKEY_CURRENT_USER, kApprovedRun, "OrvaneE2EUser", REG_BINARY,
                          {0x03, 0, 0, 0, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x01}, 0);
    const DWORD flags = 0x20;
    PlantedValue notAProgram(
        HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnceEx", "Flags", REG_DWORD,
        std::vector<BYTE>(reinterpret_cast<const BYTE*>(&flags), reinterpret_cast<const BYTE*>(&flags) + 4));

    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    ASSERT_TRUE(orvane.ClickToolButton(main, 9));  // Startup
    HWND startup = orvane.WaitForWindow("TfrmStartup");
    ASSERT_TRUE(startup);
    const Rows rows = FilledList(orvane, startup);
    EXPECT_EQ(orvane.StatusPanel(startup, 0), "Count: " + std::to_string(rows.size()));
    const int machineRow = RowWithCell(rows, 1, "OrvaneE2EMachine");
    const int oldRow = RowWithCell(rows, 1, "OrvaneE2EOld");
    const int userRow = RowWithCell(rows, 1, "OrvaneE2EUser");
    const int fileRow = RowWithCell(rows, 1, "orvane e2e.lnk");
    ASSERT_TRUE(machineRow >= 0 && oldRow >= 0 && userRow >= 0 && fileRow >= 0) << rows.size() << " rows";
    using Row = std::vector<std::string>;
    EXPECT_EQ(rows[static_cast<std::size_t>(machineRow)],
              (Row{"Registry (HKLM) - Run", "OrvaneE2EMachine", "C:\\e2e\\machine.exe /tray", "Enabled"}));
    EXPECT_EQ(rows[static_cast<std::size_t>(oldRow)],
              (Row{"Registry (HKLM) - Run (32-bit)", "OrvaneE2EOld", "C:\\e2e\\old32.exe", "Enabled"}));
    EXPECT_EQ(rows[static_cast<std::size_t>(userRow)],
              (Row{"Registry (HKCU) - Run", "OrvaneE2EUser", "%TEMP%\\user.exe", "Disabled"}));
    EXPECT_EQ(rows[static_cast<std::size_t>(fileRow)],
              (Row{"All Users - Startup folder", "orvane e2e.lnk", file, "Enabled"}));
    EXPECT_LT(machineRow, oldRow);
    EXPECT_LT(oldRow, userRow);
    EXPECT_LT(userRow, fileRow);
    EXPECT_EQ(RowWithCell(rows, 1, "Flags"), -1) << "a number under RunOnceEx is no program";

    PressKey(startup, VK_F12);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(startup); }, 5s)) << "File > Exit (F12) closes the window";
}

// --- Printing the lists, with the PDF printer of list_print_fixture.sh ---

void PrintThroughTheDialog(const Orvane& orvane, HWND window) {
    const int before = PdfCount();
    PressKey(window, 'P', true);
    const auto dialog = WaitForMessageBox(orvane.Pid());
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->caption, "Print");
    PressOk(*dialog);
    EXPECT_TRUE(WaitUntil([&] { return PdfCount() == before + 1; }, 60s)) << "a PDF in " << PdfFolder();
}

TEST(ListPrinting, TheDeviceListAndTheInstalledApplicationsPrintAsTables) {
    if (PdfFolder().empty()) GTEST_SKIP() << "run through list_print_fixture.sh, which provides the PDF printer";
    PlantedEntry entry(HKEY_CURRENT_USER, 0, "OrvaneE2EPrinted", "Orvane E2E Printed", "C:\\printed\\un.exe /quiet");
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    ASSERT_TRUE(orvane.ClickToolButton(main, 7));
    HWND devices = orvane.WaitForWindow("TfrmDevices");
    ASSERT_TRUE(devices);
    FilledList(orvane, devices);
    PrintThroughTheDialog(orvane, devices);
    PostMessageA(devices, WM_CLOSE, 0, 0);

    PressKey(main, VK_F10);
    HWND applications = orvane.WaitForWindow("TfrmUnistall");
    ASSERT_TRUE(applications);
    FilledList(orvane, applications);
    PrintThroughTheDialog(orvane, applications);
}

// A list box entry's text, read as UTF-16 (the form Wine carries across processes).
std::string ListBoxText(HWND list, int index) {
    wchar_t text[256] = {};
    if (SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0) >= 255) return {};
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    std::string ansi;
    for (const wchar_t* c = text; *c; ++c) ansi.push_back(*c < 0x80 ? static_cast<char>(*c) : '?');
    return ansi;
}

// The first child window, at any depth, with the control id and class.
HWND ChildWithId(HWND window, int id, const char* className) {
    struct Search {
        int id;
        const char* className;
        HWND found;
    } search{id, className, nullptr};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            char name[64] = {};
            GetClassNameA(child, name, sizeof name);
            if (GetDlgCtrlID(child) == s->id && lstrcmpiA(name, s->className) == 0) {
                s->found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Another top-level dialog of the process than the one given.
HWND OtherDialog(DWORD pid, HWND besides) {
    struct Search {
        DWORD pid;
        HWND besides;
        HWND found;
    } search{pid, besides, nullptr};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            char name[64] = {};
            GetClassNameA(window, name, sizeof name);
            if (owner == s->pid && window != s->besides && lstrcmpA(name, "#32770") == 0 && IsWindowVisible(window)) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A click of the left button at a point of the screen; each event carries the point.
void ClickAtScreen(HWND window, POINT at) {
    SetForegroundWindow(window);
    WaitUntil([&] { return GetForegroundWindow() == window; }, 2s);
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT inputs[3] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = MulDiv(at.x, 65535, width - 1);
        input.mi.dy = MulDiv(at.y, 65535, height - 1);
        input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    }
    inputs[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    SendInput(1, &inputs[0], sizeof(INPUT));
    WaitUntil([&] {
        POINT now;
        return GetCursorPos(&now) && now.x == at.x && now.y == at.y;
    }, 2s);
    SendInput(2, &inputs[1], sizeof(INPUT));
}

// In the print dialog: the printer's properties (the driver's own sheet), there the paper named, then
// OK; the dialog then prints the pages from `first` to `last`. The fixture reads the printout back.
TEST(ListPrinting, ThePaperAndThePagesChosenInTheDialogArePrinted) {
    if (PdfFolder().empty()) GTEST_SKIP() << "run through list_print_fixture.sh, which provides the PDF printer";
    // Enough applications for two pages in landscape.
    std::vector<std::unique_ptr<PlantedEntry>> entries;
    for (int i = 0; i < 70; ++i) {
        char key[32], name[48];
        std::snprintf(key, sizeof key, "OrvaneE2EPage%02d", i);
        std::snprintf(name, sizeof name, "Orvane E2E Paged %02d", i);
        entries.push_back(std::make_unique<PlantedEntry>(HKEY_CURRENT_USER, 0, key, name, "C:\\paged\\un.exe"));
    }
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    PressKey(main, VK_F10);
    HWND applications = orvane.WaitForWindow("TfrmUnistall");
    ASSERT_TRUE(applications);
    ASSERT_GE(FilledList(orvane, applications).size(), 70u);

    const int before = PdfCount();
    PressKey(applications, 'P', true);
    const auto dialog = WaitForMessageBox(orvane.Pid());
    ASSERT_TRUE(dialog);
    ASSERT_EQ(dialog->caption, "Print");
    HWND print = dialog->box;

    // Properties: the driver's sheet, its paper list, Letter.
    HWND properties = GetDlgItem(print, 0x401);  // psh2
    ASSERT_TRUE(properties);
    PostMessageA(print, WM_COMMAND, MAKEWPARAM(0x401, BN_CLICKED), reinterpret_cast<LPARAM>(properties));
    HWND sheet = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (sheet = OtherDialog(orvane.Pid(), print)) != nullptr; }, 20s));
    HWND papers = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (papers = ChildWithId(sheet, 100, "ListBox")) != nullptr; }, 10s));
    int letter = -1;
    const int count = static_cast<int>(SendMessageA(papers, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count && letter < 0; ++i) {
        const std::string paper = ListBoxText(papers, i);
        if (paper == "Letter" || paper == "US Letter") letter = i;
    }
    ASSERT_GE(letter, 0) << "no Letter among " << count << " papers";
    SendMessageA(papers, LB_SETTOPINDEX, static_cast<WPARAM>(letter), 0);
    // Wine carries this list-box message's rectangle across processes itself.
    RECT item{};
    SendMessageA(papers, LB_GETITEMRECT, static_cast<WPARAM>(letter), reinterpret_cast<LPARAM>(&item));
    POINT at{item.left + 10, (item.top + item.bottom) / 2};
    ClientToScreen(papers, &at);
    ClickAtScreen(sheet, at);
    ASSERT_TRUE(WaitUntil([&] { return SendMessageA(papers, LB_GETCURSEL, 0, 0) == letter; }, 5s));
    PostMessageA(sheet, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(sheet) || !IsWindowVisible(sheet); }, 10s));

    // Pages 2 to 2.
    HWND pages = GetDlgItem(print, 0x422);  // rad3
    ASSERT_TRUE(pages);
    EXPECT_TRUE(IsWindowEnabled(pages)) << "the dialog offers a page range";
    SendMessageA(pages, BM_CLICK, 0, 0);
    SendMessageA(GetDlgItem(print, 0x480), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("2"));  // edt1, from
    SendMessageA(GetDlgItem(print, 0x481), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("2"));  // edt2, to
    PostMessageA(print, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([&] { return PdfCount() == before + 1; }, 60s)) << "a PDF in " << PdfFolder();
}

}  // namespace
}  // namespace e2e
