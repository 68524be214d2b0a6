#include "launcher/hardware_actions.h"
#include "launcher/launcher.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <ostream>

#include "core/web_addresses.h"
#include "core/error.h"
#include "platform/testing/test_machine.h"
#include "probes/administrator.h"
#include "ui/menu.h"

namespace orvane {

void PrintTo(const LaunchCall& call, std::ostream* out) {
    *out << "{kind " << static_cast<int>(call.kind) << ", command line \"" << call.commandLine << "\", verb "
         << (call.execute.verb ? "\"" + *call.execute.verb + "\"" : "(none)") << ", file \"" << call.execute.file
         << "\", parameters " << (call.execute.parameters ? "\"" + *call.execute.parameters + "\"" : "(none)")
         << ", directory " << (call.execute.directory ? "\"" + *call.execute.directory + "\"" : "(none)")
         << (call.mainWindowParent ? ", main window parent" : "") << ", method \"" << call.method << "\""
         << (call.argument ? " (" + std::to_string(*call.argument) + ")" : "") << "}";
}

namespace {

using testing::TestMachine;

// --- The machines ---

void AddFiles(TestMachine& machine, const std::string& folder, std::initializer_list<const char*> names) {
    for (const char* name : names) machine.AddFile(folder + "\\" + name);
}

// What today's 64-bit Windows has in its system folder: the successors, not the moved tools.
constexpr std::initializer_list<const char*> kTodaysSystemTools = {
    "rundll32.exe", "control.exe",  "cmd.exe",     "taskmgr.exe",  "dxdiag.exe",   "osk.exe",
    "devmgmt.msc",  "dfrgui.exe",   "SndVol.exe",  "sfc.exe",      "sigverif.exe", "chkdsk.exe",
    "appwiz.cpl",   "desk.cpl",     "inetcpl.cpl", "intl.cpl",     "joy.cpl",      "main.cpl",
    "mmsys.cpl",    "telephon.cpl", "ncpa.cpl",    "odbccp32.cpl", "sysdm.cpl",    "timedate.cpl"};

// Windows 10 installed in D:\WINDOWS, run by the 64-bit build.
void Windows10OnD(TestMachine& machine) {
    machine.version = testing::WindowsNt(10, 0, 19045);
    machine.systemDirectory = "D:\\WINDOWS\\system32";
    machine.windowsDirectory = "D:\\WINDOWS";
    AddFiles(machine, "D:\\WINDOWS\\system32", kTodaysSystemTools);
}

// The same system run by the 32-bit build: its system folder is the redirected 32-bit one, where the
// 64-bit tools are not; they are reached through Sysnative.
void Windows10Wow64(TestMachine& machine) {
    machine.version = testing::WindowsNt(10, 0, 19045);
    machine.systemDirectory = "C:\\Windows\\system32";
    machine.windowsDirectory = "C:\\Windows";
    machine.wow64 = true;
    AddFiles(machine, "C:\\Windows\\Sysnative", kTodaysSystemTools);
}

// Windows XP with every tool as designed, the successors too.
void WindowsXpWithDesignedTools(TestMachine& machine) {
    machine.version = testing::WindowsNt(5, 1, 2600, "Service Pack 3");
    AddFiles(
        machine, "C:\\WINDOWS\\system32",
        {"rundll32.exe", "control.exe",  "cmd.exe",      "taskmgr.exe", "dxdiag.exe",   "osk.exe",      "devmgmt.msc",
         "dfrg.msc",     "sndvol32.exe", "sfc.exe",      "sysedit.exe", "sigverif.exe", "chkdsk.exe",   "Access.cpl",
         "appwiz.cpl",   "desk.cpl",     "inetcpl.cpl",  "intl.cpl",    "joy.cpl",      "main.cpl",     "mmsys.cpl",
         "modem.cpl",    "netcpl.cpl",   "telephon.cpl", "ncpa.cpl",    "odbccp32.cpl", "password.cpl", "sysdm.cpl",
         "themes.cpl",   "timedate.cpl", "wgpocpl.cpl"});
    machine.AddFile("C:\\WINDOWS\\CONTROL.EXE");
}

// Windows 98: no console, no elevation, the graphical disk checker in the Windows folder.
void Windows98(TestMachine& machine) {
    machine.version = testing::Windows98(" A ");
    machine.systemDirectory = "C:\\WINDOWS\\SYSTEM";
    machine.windowsDirectory = "C:\\WINDOWS";
    AddFiles(machine, "C:\\WINDOWS\\SYSTEM", {"rundll32.exe", "sfc.exe", "sysedit.exe", "joy.cpl"});
    AddFiles(machine, "C:\\WINDOWS", {"CONTROL.EXE", "sndvol32.exe", "scandskw.exe"});
}

// --- The calls as the tests expect them ---

LaunchCall Line(std::string commandLine) {
    LaunchCall call;
    call.commandLine = std::move(commandLine);
    return call;
}

LaunchCall Execute(std::optional<std::string> verb, std::string file, std::optional<std::string> parameters = {},
                   std::optional<std::string> directory = {}, bool mainWindowParent = false) {
    LaunchCall call;
    call.kind = LaunchKind::ShellExecute;
    call.execute.verb = std::move(verb);
    call.execute.file = std::move(file);
    call.execute.parameters = std::move(parameters);
    call.execute.directory = std::move(directory);
    call.mainWindowParent = mainWindowParent;
    return call;
}

LaunchCall Method(std::string method, std::optional<std::int32_t> argument = {}) {
    LaunchCall call;
    call.kind = LaunchKind::ShellObject;
    call.method = std::move(method);
    call.argument = argument;
    return call;
}

// Every tool by its full path, so that no file of its name in the program's or the current folder runs
// instead; quoted in a command line.
std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

std::string RunDll(const std::string& folder, const std::string& applet) {
    return Quoted(folder + "\\rundll32.exe") + " shell32.dll,Control_RunDLL " + applet;
}

std::string Control(const std::string& folder, const std::string& arguments) {
    return Quoted(folder + "\\control.exe") + " " + arguments;
}

const std::string kD = "D:\\WINDOWS\\system32";
const std::string kXp = "C:\\WINDOWS\\system32";
const std::string kSysnative = "C:\\Windows\\Sysnative";

// The access token of a program run by an administrator: elevated, or filtered by User Account Control.
platform::TokenGroupList AdministratorsToken(std::uint32_t attributes) {
    platform::TokenGroupList token;
    token.groupCount = 1;
    token.groups = {{AdministratorsSid(), attributes}};
    return token;
}

void Windows10OnDByAnAdministrator(TestMachine& machine) {
    Windows10OnD(machine);
    machine.processToken = AdministratorsToken(kGroupUseForDenyOnly);
}

struct LaunchCase {
    const char* machine;
    void (*prepare)(TestMachine&);
    const char* item;
    std::optional<LaunchCall> expected;  // nullopt: the item is unavailable there
};

const LaunchCase kLaunchCases[] = {
    // The shell object's methods are the same everywhere.
    {"win10 on D:", Windows10OnD, "Run1", Method("FileRun")},
    {"win10 on D:", Windows10OnD, "Explorer1", Method("Explore", 5)},
    {"win10 on D:", Windows10OnD, "FindFiles1", Method("FindFiles")},
    {"win10 on D:", Windows10OnD, "FindComputer1", Method("FindComputer")},
    {"win10 on D:", Windows10OnD, "MinimizeAll1", Method("MinimizeAll")},
    {"win10 on D:", Windows10OnD, "rayProperties1", Method("TrayProperties")},
    {"win10 on D:", Windows10OnD, "ControlPanel2", Method("Open", 3)},
    {"win10 on D:", Windows10OnD, "ShutdownWindows1", Method("ShutdownWindows")},
    // Today's Windows in D:\WINDOWS: built paths and the successors of the moved tools.
    {"win10 on D:", Windows10OnD, "askManager1", Execute("open", kD + "\\taskmgr.exe", "", "")},
    {"win10 on D:", Windows10OnD, "VolumeControl1", Execute("open", kD + "\\SndVol.exe", {}, "D:\\WINDOWS", true)},
    {"win10 on D:", Windows10OnD, "Accessibility1", Line(Control(kD, "/name Microsoft.EaseOfAccessCenter"))},
    {"win10 on D:", Windows10OnD, "AddRemovePrograms1", Line(RunDll(kD, "Appwiz.cpl"))},
    {"win10 on D:", Windows10OnD, "Display1", Line(RunDll(kD, "Desk.cpl"))},
    {"win10 on D:", Windows10OnD, "Desktop1", Line(RunDll(kD, "Desk.cpl"))},
    {"win10 on D:", Windows10OnD, "Internet1", Line(RunDll(kD, "Inetcpl.cpl"))},
    {"win10 on D:", Windows10OnD, "Regional1", Line(RunDll(kD, "Intl.cpl"))},
    {"win10 on D:", Windows10OnD, "Joystick1", Line(RunDll(kD, "Joy.cpl"))},
    {"win10 on D:", Windows10OnD, "Mouse1", Line(RunDll(kD, "Main.cpl"))},
    {"win10 on D:", Windows10OnD, "Multimedia1", Line(RunDll(kD, "Mmsys.cpl"))},
    {"win10 on D:", Windows10OnD, "Modems1", Line(RunDll(kD, "telephon.cpl"))},
    {"win10 on D:", Windows10OnD, "Network1", Line(RunDll(kD, "ncpa.cpl"))},
    {"win10 on D:", Windows10OnD, "ODBC1", Line(RunDll(kD, "Odbccp32.cpl"))},
    // A standard user gets the user accounts page; the advanced dialog needs an administrator.
    {"win10 on D:", Windows10OnD, "Password1", Line(Control(kD, "/name Microsoft.UserAccounts"))},
    {"win10 on D: by an administrator", Windows10OnDByAnAdministrator, "Password1",
     Line(Control(kD, "userpasswords2"))},
    {"win10 on D:", Windows10OnD, "Printers1", Line(Control(kD, "printers"))},
    {"win10 on D:", Windows10OnD, "System2", Line(RunDll(kD, "Sysdm.cpl"))},
    {"win10 on D:", Windows10OnD, "heme1", Line(Control(kD, "/name Microsoft.Personalization"))},
    {"win10 on D:", Windows10OnD, "imeDate1", Line(RunDll(kD, "Timedate.cpl"))},
    {"win10 on D:", Windows10OnD, "Workgroup1", std::nullopt},
    {"win10 on D:", Windows10OnD, "SystemFileChecker1",
     Execute("runas", "D:\\WINDOWS\\system32\\cmd.exe", "/k \"D:\\WINDOWS\\system32\\sfc.exe\" /scannow")},
    {"win10 on D:", Windows10OnD, "Scandisk1",
     Execute("runas", "D:\\WINDOWS\\system32\\cmd.exe", "/k \"D:\\WINDOWS\\system32\\chkdsk.exe\" D:")},
    {"win10 on D:", Windows10OnD, "Defrag1", Execute("", kD + "\\dfrgui.exe")},
    {"win10 on D:", Windows10OnD, "SysEdit1", std::nullopt},
    {"win10 on D:", Windows10OnD, "FileSignatureVerification1", Execute("", "D:\\WINDOWS\\system32\\sigverif.exe")},
    {"win10 on D:", Windows10OnD, "DeviceManager1", Execute("", kD + "\\devmgmt.msc")},
    {"win10 on D:", Windows10OnD, "Dxdiag1", Execute("open", kD + "\\dxdiag.exe")},
    {"win10 on D:", Windows10OnD, "OnScreenKeyboard1", Execute("open", kD + "\\osk.exe")},
    {"win10 on D:", Windows10OnD, "Orvanewebpage1", Execute("open", kProductPage)},
    {"win10 on D:", Windows10OnD, "HideTaskbar1", std::nullopt},
    // The 32-bit build on the 64-bit system: the system's tools through Sysnative.
    {"win10 WOW64", Windows10Wow64, "askManager1", Execute("open", "C:\\Windows\\Sysnative\\taskmgr.exe", "", "")},
    {"win10 WOW64", Windows10Wow64, "VolumeControl1",
     Execute("open", "C:\\Windows\\Sysnative\\SndVol.exe", {}, "C:\\Windows", true)},
    {"win10 WOW64", Windows10Wow64, "Joystick1", Line(RunDll(kSysnative, "Joy.cpl"))},
    {"win10 WOW64", Windows10Wow64, "Modems1", Line(RunDll(kSysnative, "telephon.cpl"))},
    {"win10 WOW64", Windows10Wow64, "Accessibility1", Line(Control(kSysnative, "/name Microsoft.EaseOfAccessCenter"))},
    {"win10 WOW64", Windows10Wow64, "Printers1", Line(Control(kSysnative, "printers"))},
    {"win10 WOW64", Windows10Wow64, "Defrag1", Execute("", "C:\\Windows\\Sysnative\\dfrgui.exe")},
    {"win10 WOW64", Windows10Wow64, "FileSignatureVerification1", Execute("", "C:\\Windows\\Sysnative\\sigverif.exe")},
    {"win10 WOW64", Windows10Wow64, "DeviceManager1", Execute("", "C:\\Windows\\Sysnative\\devmgmt.msc")},
    {"win10 WOW64", Windows10Wow64, "Dxdiag1", Execute("open", "C:\\Windows\\Sysnative\\dxdiag.exe")},
    {"win10 WOW64", Windows10Wow64, "OnScreenKeyboard1", Execute("open", "C:\\Windows\\Sysnative\\osk.exe")},
    {"win10 WOW64", Windows10Wow64, "SysEdit1", std::nullopt},
    // Where the designed tools exist, they are started as designed.
    {"XP", WindowsXpWithDesignedTools, "Accessibility1", Line(RunDll(kXp, "Access.cpl"))},
    {"XP", WindowsXpWithDesignedTools, "Modems1", Line(RunDll(kXp, "Modem.cpl"))},
    {"XP", WindowsXpWithDesignedTools, "Network1", Line(RunDll(kXp, "Netcpl.cpl"))},
    {"XP", WindowsXpWithDesignedTools, "Password1", Line(RunDll(kXp, "Password.cpl"))},
    {"XP", WindowsXpWithDesignedTools, "heme1", Line(RunDll(kXp, "Themes.cpl"))},
    {"XP", WindowsXpWithDesignedTools, "Workgroup1", Line(RunDll(kXp, "Wgpocpl.cpl"))},
    {"XP", WindowsXpWithDesignedTools, "Printers1", Line("\"C:\\WINDOWS\\CONTROL.EXE\" PRINTERS")},
    {"XP", WindowsXpWithDesignedTools, "VolumeControl1",
     Execute("open", kXp + "\\sndvol32.exe", {}, "C:\\WINDOWS", true)},
    {"XP", WindowsXpWithDesignedTools, "Defrag1", Execute("", kXp + "\\dfrg.msc")},
    {"XP", WindowsXpWithDesignedTools, "SysEdit1", Execute("", "C:\\WINDOWS\\system32\\sysedit.exe")},
    // Before elevation existed the checker's console opens with the default verb.
    {"XP", WindowsXpWithDesignedTools, "SystemFileChecker1",
     Execute("", "C:\\WINDOWS\\system32\\cmd.exe", "/k \"C:\\WINDOWS\\system32\\sfc.exe\" /scannow")},
    // Windows 98: no console to keep open, the graphical disk checker, the old control panel names only.
    {"98", Windows98, "SystemFileChecker1", Execute("", "C:\\WINDOWS\\SYSTEM\\sfc.exe", "/scannow")},
    {"98", Windows98, "Scandisk1", Execute("", "C:\\WINDOWS\\scandskw.exe")},
    {"98", Windows98, "SysEdit1", Execute("", "C:\\WINDOWS\\SYSTEM\\sysedit.exe")},
    {"98", Windows98, "Printers1", Line("\"C:\\WINDOWS\\CONTROL.EXE\" PRINTERS")},
    {"98", Windows98, "VolumeControl1", Execute("open", "C:\\WINDOWS\\sndvol32.exe", {}, "C:\\WINDOWS", true)},
    {"98", Windows98, "Password1", std::nullopt},
    {"98", Windows98, "askManager1", std::nullopt},
};

void PrintTo(const LaunchCase& c, std::ostream* out) {
    *out << c.item << " on " << c.machine;
}

class LaunchResolution : public ::testing::TestWithParam<LaunchCase> {};

TEST_P(LaunchResolution, StartsTheToolAsThisSystemHasIt) {
    const LaunchCase& c = GetParam();
    TestMachine machine;
    c.prepare(machine);
    EXPECT_EQ(ResolveLaunch(machine, c.item), c.expected) << c.item << " on " << c.machine;
    EXPECT_EQ(LaunchAvailable(machine, c.item), c.expected.has_value() || LauncherKindOf(c.item) == LaunchKind::Direct)
        << c.item << " on " << c.machine;
}

INSTANTIATE_TEST_SUITE_P(Launcher, LaunchResolution, ::testing::ValuesIn(kLaunchCases));

// The console tools on 64-bit Windows, after Microsoft's "File System Redirector" page (Microsoft Learn,
// Programming Guide for 64-bit Windows): System32 is redirected to SysWOW64 for a 32-bit process, which
// reaches the 64-bit folder as Sysnative; a 64-bit process has no Sysnative; and where the access shows the
// consent prompt, redirection does not occur and the 64-bit file is started, so the elevated start must
// name System32. The console is always the system's own (64-bit on 64-bit Windows): the tool it runs is
// named in System32. Each path must exist for the process that opens it.
TEST(Launcher, ConsoleToolsNameAProgramThatExistsForTheProcessThatRunsIt) {
    struct ConsoleCase {
        const char* build;   // which exe on which Windows
        bool wow64;          // a 32-bit exe on 64-bit Windows
        bool administrator;  // the program already runs elevated: no prompt
        std::optional<std::string> verb;
        std::string console;
        std::string tool;
    };
    const std::string system = "C:\\Windows\\system32";
    const std::string sysnative = "C:\\Windows\\Sysnative";
    const ConsoleCase cases[] = {
        // The system's elevation starts the console: not redirected, System32 is the 64-bit folder.
        {"32-bit exe on 64-bit Windows", true, false, "runas", system + "\\cmd.exe", system},
        // The program starts it itself: through Sysnative to the 64-bit console, which sees System32.
        {"32-bit exe on 64-bit Windows", true, true, "", sysnative + "\\cmd.exe", system},
        {"64-bit exe", false, false, "runas", system + "\\cmd.exe", system},
        {"64-bit exe", false, true, "", system + "\\cmd.exe", system},
        {"32-bit Windows", false, false, "runas", system + "\\cmd.exe", system},
        {"32-bit Windows", false, true, "", system + "\\cmd.exe", system},
    };
    for (const ConsoleCase& c : cases) {
        const std::string what = std::string(c.build) + (c.administrator ? ", elevated" : ", not elevated");
        TestMachine machine;
        machine.version = testing::WindowsNt(10, 0, 19045);
        machine.systemDirectory = system;
        machine.windowsDirectory = "C:\\Windows";
        machine.wow64 = c.wow64;
        // What this process sees: the 64-bit tools through Sysnative under WOW64, else in System32.
        AddFiles(machine, c.wow64 ? sysnative : system, {"cmd.exe", "sfc.exe", "chkdsk.exe"});
        if (c.administrator) machine.processToken = AdministratorsToken(kGroupEnabled);
        EXPECT_EQ(ResolveLaunch(machine, "SystemFileChecker1"),
                  Execute(c.verb, c.console, "/k " + Quoted(c.tool + "\\sfc.exe") + " /scannow"))
            << what;
        EXPECT_EQ(ResolveLaunch(machine, "Scandisk1"),
                  Execute(c.verb, c.console, "/k " + Quoted(c.tool + "\\chkdsk.exe") + " C:"))
            << what;
    }
    // Before elevation existed (XP x64 with its Sysnative): the program starts the console itself.
    TestMachine xp64;
    xp64.version = testing::WindowsNt(5, 2, 3790, "Service Pack 2");
    xp64.wow64 = true;
    AddFiles(xp64, "C:\\WINDOWS\\Sysnative", {"cmd.exe", "sfc.exe"});
    EXPECT_EQ(ResolveLaunch(xp64, "SystemFileChecker1"),
              Execute("", "C:\\WINDOWS\\Sysnative\\cmd.exe", "/k \"C:\\WINDOWS\\system32\\sfc.exe\" /scannow"));
}

TEST(Launcher, OnASystemWithoutTheToolsOnlyTheShellObjectTheDirectItemsAndTheWebPageRemain) {
    TestMachine machine;
    machine.version = testing::WindowsNt(10, 0, 19045);
    for (const LauncherItem& item : LauncherItems()) {
        const bool remains =
            item.kind == LaunchKind::ShellObject || item.kind == LaunchKind::Direct || item.name == "Orvanewebpage1";
        EXPECT_EQ(LaunchAvailable(machine, item.name), remains) << item.name;
    }
}

TEST(Launcher, EveryItemOfTheFourMenusHasItsKind) {
    struct KindCase {
        const char* item;
        LaunchKind kind;
    };
    const KindCase kinds[] = {
        {"Run1", LaunchKind::ShellObject},           {"HideTaskbar1", LaunchKind::Direct},
        {"askManager1", LaunchKind::ShellExecute},   {"VolumeControl1", LaunchKind::ShellExecute},
        {"Printers1", LaunchKind::CommandLine},      {"Workgroup1", LaunchKind::CommandLine},
        {"Scandisk1", LaunchKind::ShellExecute},     {"OnScreenKeyboard1", LaunchKind::ShellExecute},
        {"StandbyMonitor1", LaunchKind::Direct},     {"MuteMicrophone1", LaunchKind::Direct},
        {"Orvanewebpage1", LaunchKind::ShellExecute}};
    for (const KindCase& c : kinds) EXPECT_EQ(LauncherKindOf(c.item), c.kind) << c.item;
    EXPECT_EQ(LauncherKindOf("Refresh1"), std::nullopt);
    // Four menus less their separators and the Language menu, plus the web page.
    EXPECT_EQ(LauncherItems().size(), 11u + 18u + 8u + 6u + 1u);
}

// --- Running a launch ---

TEST(Launcher, RunsCommandLinesAndShellExecutionsWithTheirParentAndShowState) {
    TestMachine machine;
    Windows10OnD(machine);
    const platform::WindowRef main = 0x1234;
    Launch(machine, "Joystick1", main);
    Launch(machine, "askManager1", main);
    Launch(machine, "VolumeControl1", main);
    Launch(machine, "Workgroup1", main);  // unavailable: nothing happens
    EXPECT_EQ(machine.commandLines, std::vector<std::string>{RunDll(kD, "Joy.cpl")});
    ASSERT_EQ(machine.shellExecutes.size(), 2u);
    EXPECT_EQ(machine.shellExecutes[0].parent, 0u) << "Task Manager has no parent";
    EXPECT_EQ(machine.shellExecutes[0].show, 1);
    EXPECT_EQ(machine.shellExecutes[1].parent, main) << "the volume mixer's parent is the main window";
    EXPECT_EQ(machine.shellExecutes[1].file, kD + "\\SndVol.exe");
}

TEST(Launcher, AFailedShellObjectCallRaisesTheAutomationErrorsText) {
    struct ErrorCase {
        std::int32_t result;
        std::string description;
        std::string systemText;
        std::string shown;  // empty: no error
    };
    const ErrorCase cases[] = {
        {0, "", "", ""},
        {1, "", "", ""},  // S_FALSE succeeds
        {static_cast<std::int32_t>(0x80004001), "", "Not implemented", "Not implemented"},
        {static_cast<std::int32_t>(0x80020009), "The method refused", "Exception occurred", "The method refused"},
        {static_cast<std::int32_t>(0x8004DEAD), "", "", "OLE error 8004DEAD"},
    };
    for (const ErrorCase& c : cases) {
        TestMachine machine;
        machine.shellObjectAnswer = {c.result, c.description};
        machine.errorTexts[static_cast<std::uint32_t>(c.result)] = c.systemText;
        std::string shown;
        try {
            Launch(machine, "FindFiles1", 1);
        } catch (const UserError& error) {
            shown = error.what();
        }
        EXPECT_EQ(shown, c.shown) << std::hex << c.result;
        ASSERT_EQ(machine.shellObjectCalls.size(), 1u);
        EXPECT_EQ(machine.shellObjectCalls[0].method, "FindFiles");
    }
}

TEST(Launcher, CheckItemsFlipTheirMarkFirstAndActOnTheNewState) {
    // The real menu model runs the handlers, as the main window's menu does.
    TestMachine machine;
    ui::MenuModel* model = nullptr;
    ui::MenuBar bar{{"",
                     "Menu",
                     {},
                     {},
                     false,
                     true,
                     {{"HideTaskbar1",
                       "Hide Taskbar",
                       {},
                       [&] { ApplyTaskbarMark(machine, model->Checked("HideTaskbar1")); },
                       true,
                       true,
                       {}},
                      {"MuteSpeakers1",
                       "Mute Speakers",
                       {},
                       [&] { ApplyMuteSpeakersMark(machine, model->Checked("MuteSpeakers1")); },
                       true,
                       true,
                       {}}}}};
    ui::MenuModel menu(std::move(bar));
    model = &menu;
    menu.Invoke("HideTaskbar1");
    menu.Invoke("HideTaskbar1");
    menu.Invoke("MuteSpeakers1");
    menu.Invoke("MuteSpeakers1");
    EXPECT_EQ(machine.taskbarShown, (std::vector<bool>{false, true})) << "hidden when marked, shown when cleared";
    EXPECT_EQ(machine.warningBeepSettings, (std::vector<bool>{false, true})) << "the beeper off while marked";

    // Without a taskbar nothing happens, and the mark flips all the same.
    machine.hasTaskbar = false;
    menu.Invoke("HideTaskbar1");
    EXPECT_TRUE(menu.Checked("HideTaskbar1"));
}

TEST(Launcher, MonitorPowerGoesToTheProgramsOwnWindow) {
    TestMachine machine;
    SetMonitorPower(machine, 0x99, kMonitorStandby);
    SetMonitorPower(machine, 0x99, kMonitorOff);
    using Sent = std::pair<platform::WindowRef, int>;
    // Low power for standby, shut off for off: the two states the message documents.
    EXPECT_EQ(machine.monitorPowerSent, (std::vector<Sent>{{0x99, 1}, {0x99, 2}}));
}

TEST(Launcher, TheCdTrayIsSilentWithoutADriveAndReportsOtherFailures) {
    struct TrayCase {
        const char* what;
        std::uint32_t result;
        bool cdDrive;
        std::string mciText;
        std::string shown;
    };
    const TrayCase cases[] = {
        {"the tray moved", 0, true, "", ""},
        {"no CD drive at all", 266, false, "cannot load driver", ""},
        {"a CD drive that refuses", 266, true, "The specified device driver cannot be loaded.",
         "The specified device driver cannot be loaded."},
        {"an answer without a text", 999, true, "", "MCI error 999"},
    };
    for (const TrayCase& c : cases) {
        TestMachine machine;
        machine.driveMask = 0b101;  // A: and C:
        machine.driveTypes["A:\\"] = platform::kDriveRemovable;
        machine.driveTypes["C:\\"] = c.cdDrive ? platform::kDriveCdrom : platform::kDriveFixed;
        machine.mciResult = c.result;
        machine.mciErrorTexts[c.result] = c.mciText;
        std::string shown;
        try {
            MoveCdTray(machine, true, 7);
            MoveCdTray(machine, false, 7);
        } catch (const UserError& error) {
            shown = error.what();
        }
        EXPECT_EQ(shown, c.shown) << c.what;
        ASSERT_FALSE(machine.mciCommands.empty());
        EXPECT_EQ(machine.mciCommands[0], "Set cdaudio door open wait -> 7") << c.what;
        if (c.shown.empty()) {
            EXPECT_EQ(machine.mciCommands[1], "Set cdaudio door closed wait -> 7") << c.what;
        }
    }
}

TEST(Launcher, TheSoundWindowsButtonsFollowTheMovedToolsRule) {
    TestMachine today;
    Windows10OnD(today);
    EXPECT_EQ(SoundSettingsCall(today), Line(RunDll(kD, "Mmsys.cpl")));
    EXPECT_EQ(MixerSettingsCall(today), Line(Quoted(kD + "\\SndVol.exe")));
    TestMachine wow64;
    Windows10Wow64(wow64);
    EXPECT_EQ(MixerSettingsCall(wow64), Line(Quoted(kSysnative + "\\SndVol.exe")));
    EXPECT_EQ(SoundSettingsCall(wow64), Line(RunDll(kSysnative, "Mmsys.cpl")));
    TestMachine designed;
    WindowsXpWithDesignedTools(designed);
    EXPECT_EQ(MixerSettingsCall(designed), Line(Quoted(kXp + "\\sndvol32.exe")));
    // Neither mixer: the designed one in the Windows folder, which starts nothing; never a bare name,
    // which a file beside the program would answer.
    TestMachine bare;
    EXPECT_EQ(MixerSettingsCall(bare), Line(Quoted("C:\\WINDOWS\\sndvol32.exe")));
}

TEST(Launcher, PathsJoinWithOneBackslash) {
    EXPECT_EQ(JoinPath("C:\\WINDOWS", "x.exe"), "C:\\WINDOWS\\x.exe");
    EXPECT_EQ(JoinPath("C:\\", "x.exe"), "C:\\x.exe");
    TestMachine rootWindows;
    rootWindows.windowsDirectory = "E:\\";
    rootWindows.wow64 = true;
    EXPECT_EQ(FindSystemFolders(rootWindows).native, "E:\\Sysnative");
}

}  // namespace
}  // namespace orvane
