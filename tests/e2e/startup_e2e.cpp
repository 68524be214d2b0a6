// Start-up, batch mode, the version gate and the refresh, driven through the real exe.
#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "app/summary.h"
#include "tests/e2e/harness.h"

namespace e2e {
namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// Runs a batch report and returns its lines; the exit code must be 0.
std::vector<std::string> RunBatch(const std::string& versionMode = "", const std::string& autoSwitch = "/AUTO") {
    const std::string path = MakeTempDir() + "\\report.txt";
    Orvane orvane(autoSwitch + " " + Quoted(path), versionMode);
    const auto code = orvane.WaitForExit(60s);
    EXPECT_EQ(code, std::optional<DWORD>(0)) << "batch run did not end by itself";
    const auto bytes = ReadFileBytes(path);
    EXPECT_TRUE(bytes.has_value()) << path;
    if (!bytes) return {};
    EXPECT_EQ(bytes->substr(bytes->size() - 2), "\r\n");
    return SplitCrLfLines(*bytes);
}

TEST(BatchMode, WritesTwentyNineLinesInRowOrder) {
    const std::vector<std::string> lines = RunBatch();
    ASSERT_EQ(lines.size(), 29u);
    for (int row = 1; row <= orvane::kSummaryRowCount; ++row) {
        const std::string label = std::string(orvane::kSummaryRows[row - 1].label) + ": ";
        EXPECT_EQ(lines[row - 1].substr(0, label.size()), label) << "row " << row;
    }
    EXPECT_EQ(lines[0].substr(0, 17), "Windows: Windows ") << lines[0];
    EXPECT_NE(lines[1], "Internet Explorer: ") << "Wine has a browser version";
    EXPECT_NE(lines[25], "Time Zone: ");
}

TEST(BatchMode, TheSwitchIgnoresCase) {
    for (const char* autoSwitch : {"/auto", "/Auto"}) {
        EXPECT_EQ(RunBatch("", autoSwitch).size(), 29u) << autoSwitch;
    }
}

TEST(BatchMode, OtherCommandLinesStartInteractivelyAndWriteNothing) {
    const std::string dir = MakeTempDir();
    const std::string path = dir + "\\report.txt";
    const std::string cases[] = {
        "/AUTO",
        "/AUTO \"\"",
        "/AUTO " + dir + "\\my report.txt",  // unquoted: three parameters
        "/nocom " + Quoted(path),
    };
    for (const std::string& parameters : cases) {
        Orvane orvane(parameters);
        HWND main = orvane.Main();
        ASSERT_TRUE(main) << parameters;
        EXPECT_EQ(ControlText(main, "Info1"), "") << parameters;
        EXPECT_EQ(ControlText(main, "info29"), "") << parameters;
        PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_EQ(orvane.WaitForExit(), std::optional<DWORD>(0)) << parameters;
        EXPECT_FALSE(FileExists(path)) << parameters;
        EXPECT_FALSE(FileExists(dir + "\\my")) << parameters;
    }
}

TEST(BatchMode, AFileThatCannotBeCreatedIsReportedAndTheProgramGoesOn) {
    const std::string path = MakeTempDir() + "\\no such folder\\report.txt";
    Orvane orvane("/AUTO " + Quoted(path));
    const auto box = WaitForMessageBox(orvane.Pid(), 60s);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, "Cannot create file " + path);
    PressOk(*box);
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    EXPECT_TRUE(orvane.Running());
    EXPECT_NE(ControlText(main, "Info1"), "") << "the rows stay filled";
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(orvane.WaitForExit(), std::optional<DWORD>(0));
}

TEST(BatchMode, AfterAFailedReportEveryWindowOpensAsInAnOrdinaryRun) {
    // A batch run makes its other windows only when asked; the run that goes on after a failed report
    // must show each as an ordinary run does: same caption, same place and size, and the personal
    // window holding what the batch refresh wrote into it.
    struct Case {
        WORD key;
        const char* windowClass;
    };
    const Case cases[] = {
        {VK_F6, "TfrmPersonal"}, {VK_F7, "TfrmMemory"},    {VK_F8, "TfrmDisplay"},
        {VK_F9, "TfrmDisk"},     {VK_F10, "TfrmUnistall"}, {VK_F11, "TfrmCPU"},
    };
    struct Seen {
        std::string caption;
        RECT rect{};
    };
    auto openEach = [&](Orvane& orvane, HWND main) {
        std::vector<Seen> seen;
        for (const Case& c : cases) {
            PressKey(main, c.key);
            HWND shown = orvane.WaitForWindow(c.windowClass, 60s);
            EXPECT_TRUE(shown) << c.windowClass;
            if (!shown) return seen;
            seen.push_back({WindowText(shown), ScreenRect(shown)});
            PostMessageA(shown, WM_CLOSE, 0, 0);
            EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(shown); }, 5s)) << c.windowClass;
        }
        return seen;
    };

    std::vector<Seen> ordinary;
    {
        Orvane orvane("");
        HWND main = orvane.Main();
        ASSERT_TRUE(main);
        ordinary = openEach(orvane, main);
        PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_EQ(orvane.WaitForExit(), std::optional<DWORD>(0));
    }
    const std::string path = MakeTempDir() + "\\no such folder\\report.txt";
    Orvane orvane("/AUTO " + Quoted(path));
    const auto box = WaitForMessageBox(orvane.Pid(), 60s);
    ASSERT_TRUE(box);
    PressOk(*box);
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    const std::vector<Seen> afterBatch = openEach(orvane, main);
    ASSERT_EQ(afterBatch.size(), ordinary.size());
    for (std::size_t i = 0; i < ordinary.size(); ++i) {
        const RECT& a = ordinary[i].rect;
        const RECT& b = afterBatch[i].rect;
        EXPECT_EQ(afterBatch[i].caption, ordinary[i].caption) << cases[i].windowClass;
        EXPECT_TRUE(a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom)
            << cases[i].windowClass << ": " << b.left << "," << b.top << "," << b.right << "," << b.bottom
            << " after the batch run, " << a.left << "," << a.top << "," << a.right << "," << a.bottom
            << " in an ordinary one";
    }
    HWND personal = orvane.FindWindowOfClass("TfrmPersonal", false);
    ASSERT_TRUE(personal);
    EXPECT_NE(ControlText(personal, "Info1"), "") << "the batch refresh filled the computer name";
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(orvane.WaitForExit(), std::optional<DWORD>(0));
}

TEST(BatchMode, AFailedWriteLeavesTheOldReportWhole) {
    // The old report is held open without sharing (as an editor that locks it would): it cannot be
    // replaced, the error box says so, and the old file stays whole, with no stray file beside it.
    const std::string dir = MakeTempDir();
    const std::string path = dir + "\\report.txt";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, "old report\r\n", 12, &written, nullptr);
    Orvane orvane("/AUTO " + Quoted(path));
    const auto box = WaitForMessageBox(orvane.Pid(), 60s);
    CloseHandle(file);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, "Cannot create file " + path);
    PressOk(*box);
    EXPECT_EQ(ReadFileBytes(path), std::optional<std::string>("old report\r\n"));
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((dir + "\\*").c_str(), &entry);
    int files = 0;
    std::string names;
    if (search != INVALID_HANDLE_VALUE) {
        do {
            // Wine's ReplaceFile leaves its own "rf" backup file behind when it fails (Windows does not);
            // the program's own temporary files are the ones that must never be left.
            const std::string name = entry.cFileName;
            const bool winesBackup = name.rfind("rf", 0) == 0 && name.size() > 4 && name.substr(name.size() - 4) == ".tmp";
            if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !winesBackup) {
                ++files;
                names += std::string(entry.cFileName) + " ";
            }
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    EXPECT_EQ(files, 1) << "only the old report is in its folder: " << names;
}

TEST(BatchMode, ANewReportOverAHiddenOneStaysHidden) {
    const std::string path = MakeTempDir() + "\\report.txt";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    ASSERT_TRUE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    Orvane orvane("/AUTO " + Quoted(path));
    EXPECT_EQ(orvane.WaitForExit(60s), std::optional<DWORD>(0));
    const auto bytes = ReadFileBytes(path);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(SplitCrLfLines(*bytes).size(), 29u);
    const DWORD attributes = GetFileAttributesA(path.c_str());
    EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN) << "the replaced report is hidden as the old one was";
}

TEST(BatchMode, ASecondReportReplacesTheFirstWhateverFormItsPathTakes) {
    // Paths as a user types them: relative, with forward slashes, and from the root of the current drive
    // as a Linux user writes an absolute path. The second run must replace the first run's report and end
    // by itself.
    const std::string folder = MakeTempDir();
    ASSERT_TRUE(CreateDirectoryA((folder + "\\sub").c_str(), nullptr));
    // "\\users/...": the current drive's root, then the folder with forward slashes. (Wine takes a path that
    // begins with a forward slash for a path of the Linux machine, on the Z: drive.)
    std::string rooted = folder.substr(2);
    for (char& c : rooted) c = c == '\\' ? '/' : c;
    rooted.front() = '\\';
    std::string slashed = folder;
    for (char& c : slashed) c = c == '\\' ? '/' : c;
    struct Case {
        std::string path;  // as typed, from the folder as the current one
        std::string file;  // where it lands
    };
    const Case cases[] = {
        {"sub/report.txt", folder + "\\sub\\report.txt"},
        {"./sub/../sub/relative.txt", folder + "\\sub\\relative.txt"},
        {rooted + "/sub/rooted.txt", folder + "\\sub\\rooted.txt"},
        {slashed + "/sub/slashed.txt", folder + "\\sub\\slashed.txt"},
    };
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof previous, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));  // the program starts in the driver's current folder
    for (const Case& c : cases) {
        for (int run = 1; run <= 2; ++run) {
            Orvane orvane("/AUTO " + Quoted(c.path));
            const std::optional<DWORD> code = orvane.WaitForExit(90s);
            if (!code) {
                const auto box = WaitForMessageBox(orvane.Pid(), 0ms);
                ADD_FAILURE() << c.path << ", run " << run << ": did not end by itself"
                              << (box ? "; it shows: " + box->text : std::string());
                break;
            }
            EXPECT_EQ(code, std::optional<DWORD>(0)) << c.path << ", run " << run;
            const std::vector<std::string> lines = SplitCrLfLines(ReadFileBytes(c.file).value_or(""));
            EXPECT_EQ(lines.size(), 29u) << c.path << ", run " << run << ": " << c.file;
            // What the first run wrote is marked, so the second run must have replaced it.
            if (run == 1) {
                std::ofstream(c.file, std::ios::binary | std::ios::trunc) << "the first report\r\n";
            }
        }
    }
    SetCurrentDirectoryA(previous);
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\sub\\*").c_str(), &entry);
    std::set<std::string> names;
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.insert(entry.cFileName);
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    EXPECT_EQ(names, (std::set<std::string>{"report.txt", "relative.txt", "rooted.txt", "slashed.txt"}))
        << "nothing left beside the reports";
}

TEST(VersionModes, TheWindowsRowNamesTheRelease) {
    struct Case {
        const char* mode;
        const char* line;
    };
    const Case cases[] = {
        {"win98", "Windows: Windows 98SE4.10 (Build 2222) "},
        {"winme", "Windows: Windows ME4.90 (Build 3000) "},
        {"win2k", "Windows: Windows 2000 5.0 (Build 2195) Service Pack 4"},
        {"winxp", "Windows: Windows XP5.1 (Build 2600) Service Pack 3"},
        {"win2003", "Windows: Windows Server 20035.2 (Build 3790) Service Pack 2"},
        {"winvista", "Windows: Windows Vista 6.0 (Build 6002) Service Pack 2"},
        {"win2008", "Windows: Windows Server 2008 6.0 (Build 6002) Service Pack 2"},
        // Wine 8's version table gives win7 the server product type and win2008r2 the workstation one
        // (GetVersionExA's wProductType is 3 and 1): the row names what the system says it is.
        {"win7", "Windows: Windows Server 2008 R2 6.1 (Build 7601) Service Pack 1"},
        {"win2008r2", "Windows: Windows 7 6.1 (Build 7601) Service Pack 1"},
        // Only the manifest's supportedOS entries make the version call tell the truth from here on.
        {"win8", "Windows: Windows 8 6.2 (Build 9200) "},
        {"win81", "Windows: Windows 8.1 6.3 (Build 9600) "},
        {"win10", "Windows: Windows 10 10.0 (Build 18362) "},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> lines = RunBatch(c.mode);
        ASSERT_EQ(lines.size(), 29u) << c.mode;
        EXPECT_EQ(lines[0], c.line) << c.mode;
    }
}

// Without a version mode, Wine answers with the version the prefix's registry names, product type
// included: planted there, a build of Windows 11 and a server build read as those releases.
TEST(VersionModes, TheRegistrysReleaseNamesWindows11AndTheServers) {
    auto text = [](const std::string& value) {
        std::vector<BYTE> bytes(value.begin(), value.end());
        bytes.push_back(0);
        return bytes;
    };
    const char* kCurrentVersion = "Software\\Microsoft\\Windows NT\\CurrentVersion";
    struct Case {
        const char* build;
        const char* productType;
        const char* line;
    } cases[] = {
        {"22631", "WinNT", "Windows: Windows 11 10.0 (Build 22631) "},
        {"20348", "ServerNT", "Windows: Windows Server 2022 10.0 (Build 20348) "},
        {"17763", "LanmanNT", "Windows: Windows Server 2019 10.0 (Build 17763) "},
    };
    for (const Case& c : cases) {
        PlantedValue build(HKEY_LOCAL_MACHINE, kCurrentVersion, "CurrentBuild", REG_SZ, text(c.build));
        PlantedValue buildNumber(HKEY_LOCAL_MACHINE, kCurrentVersion, "CurrentBuildNumber", REG_SZ, text(c.build));
        PlantedValue type(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\ProductOptions", "ProductType",
                          REG_SZ, text(c.productType));
        // Wine takes the version from CurrentVersion.
        PlantedValue version(HKEY_LOCAL_MACHINE, kCurrentVersion, "CurrentVersion", REG_SZ, text("10.0"));
        PlantedValue servicePack(HKEY_LOCAL_MACHINE, kCurrentVersion, "CSDVersion", REG_SZ, text(""));
        const std::vector<std::string> lines = RunBatch();
        ASSERT_EQ(lines.size(), 29u) << c.build;
        EXPECT_EQ(lines[0], c.line);
    }
}

TEST(VersionGate, Windows95IsRefusedWithAWarningAndNothingElseRuns) {
    const std::string path = MakeTempDir() + "\\report.txt";
    Orvane orvane("/AUTO " + Quoted(path), "win95");
    const auto box = WaitForMessageBox(orvane.Pid());
    ASSERT_TRUE(box);
    EXPECT_EQ(box->caption, "Warning");
    EXPECT_EQ(box->text, "Orvane will not run on Windows 95.");
    EXPECT_FALSE(orvane.FindWindowOfClass("TForm1")) << "the main window is not shown";
    PressOk(*box);
    EXPECT_EQ(orvane.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_FALSE(FileExists(path));
}

TEST(RefreshErrors, ABrowserVersionOfBinaryTypeShowsTheErrorAndWritesNoFile) {
    // Wine's browser keeps its version in svcVersion, which is read first.
    PlantedValue binary(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Internet Explorer", "svcVersion", REG_BINARY,
                        {0x09, 0x00, 0x01});
    const std::string path = MakeTempDir() + "\\report.txt";
    Orvane orvane("/AUTO " + Quoted(path));
    const auto box = WaitForMessageBox(orvane.Pid(), 60s);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, "Invalid data type for 'svcVersion'");
    PressOk(*box);
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    EXPECT_NE(ControlText(main, "Info1"), "") << "row 1 was written before the error";
    for (const char* later : {"Info2", "Info3", "Info26", "info29"}) {
        EXPECT_EQ(ControlText(main, later), "") << later;
    }
    EXPECT_TRUE(orvane.Running());
    EXPECT_FALSE(FileExists(path));
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(orvane.WaitForExit(), std::optional<DWORD>(0));
}

TEST(Interactive, F5FillsTheRowsThatAreEmptyAtStart) {
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    EXPECT_EQ(ControlText(main, "Desc1"), "Windows");
    EXPECT_EQ(ControlText(main, "Desc29"), "Modems");
    EXPECT_EQ(ControlText(main, "Info1"), "");
    PressKey(main, VK_F5);
    EXPECT_TRUE(WaitUntil([&] { return ControlText(main, "Info26") != ""; })) << "the time-zone row";
    EXPECT_EQ(ControlText(main, "Info1").substr(0, 10), "Windows 7 ") << "the prefix's own mode";
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(orvane.WaitForExit(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace e2e
