#include "screens/startup/startup_model.h"

#include <gtest/gtest.h>

#include "platform/testing/test_machine.h"

namespace orvane {
namespace {

using platform::Hive;
using testing::TestMachine;

constexpr const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kRunOnce = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
constexpr const char* kRunOnceEx = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnceEx";
constexpr const char* kRun32 = "Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kRunOnce32 = "Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
constexpr const char* kApproved = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\";

platform::RegValue Text(const std::string& text, std::uint32_t type = platform::kRegSz) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return {type, bytes};
}

void SetText(TestMachine& machine, Hive hive, const std::string& path, const std::string& name,
             const std::string& text) {
    machine.SetValue(hive, path, name, Text(text));
}

// Every Run key holds a program; the machine's also a value that is no program.
void EveryRunKey(TestMachine& machine) {
    SetText(machine, Hive::LocalMachine, kRun, "Tray", "C:\\tray.exe");
    SetText(machine, Hive::LocalMachine, kRun, "Same", "C:\\same.exe /bg");
    SetText(machine, Hive::LocalMachine, kRunOnce, "Setup", "C:\\setup.exe");
    machine.SetDword(kRunOnceEx, "Flags", 0x20);  // written by Windows itself: not a program
    SetText(machine, Hive::LocalMachine, kRunOnceEx, "Title", "Finishing");
    SetText(machine, Hive::LocalMachine, kRun32, "Old", "C:\\old32.exe");
    SetText(machine, Hive::LocalMachine, kRunOnce32, "Old Once", "C:\\once32.exe");
    SetText(machine, Hive::CurrentUser, kRun, "Same", "C:\\same.exe /bg");
    machine.SetValue(Hive::CurrentUser, kRunOnce, "Expand", Text("%TEMP%\\x.exe", platform::kRegExpandSz));
    SetText(machine, Hive::CurrentUser, kRunOnceEx, "Mine", "C:\\mine.exe");
}

std::vector<std::string> Column(const ListRefresh& list, std::size_t column) {
    std::vector<std::string> cells;
    for (const ListRow& row : list.rows) cells.push_back(row.at(column));
    return cells;
}

TEST(StartupList, ListsTheRunKeysMachineFirstSkippingValuesThatAreNoPrograms) {
    TestMachine machine;
    EveryRunKey(machine);
    const ListRefresh list = ReadStartupList(machine, true);
    EXPECT_FALSE(list.error);
    const std::vector<ListRow> expected = {
        {"Registry (HKLM) - Run", "Tray", "C:\\tray.exe", "Enabled"},
        {"Registry (HKLM) - Run", "Same", "C:\\same.exe /bg", "Enabled"},
        {"Registry (HKLM) - Run Once", "Setup", "C:\\setup.exe", "Enabled"},
        {"Registry (HKLM) - Run OnceEx", "Title", "Finishing", "Enabled"},
        {"Registry (HKLM) - Run (32-bit)", "Old", "C:\\old32.exe", "Enabled"},
        {"Registry (HKLM) - Run Once (32-bit)", "Old Once", "C:\\once32.exe", "Enabled"},
        {"Registry (HKCU) - Run", "Same", "C:\\same.exe /bg", "Enabled"},
        {"Registry (HKCU) - Run Once", "Expand", "%TEMP%\\x.exe", "Enabled"},
        {"Registry (HKCU) - Run Once Ex", "Mine", "C:\\mine.exe", "Enabled"},
    };
    EXPECT_EQ(list.rows, expected);
}

TEST(StartupList, Without64BitWindowsThe32BitKeysAreNotAsked) {
    TestMachine machine;
    EveryRunKey(machine);
    const std::vector<std::string> locations = Column(ReadStartupList(machine, false), 0);
    EXPECT_EQ(std::count(locations.begin(), locations.end(), "Registry (HKLM) - Run (32-bit)"), 0);
    EXPECT_EQ(locations.size(), 7u);
}

TEST(StartupList, EmptyTextsAreSkippedAndTheDefaultValueCounts) {
    TestMachine machine;
    SetText(machine, Hive::LocalMachine, kRun, "", "C:\\default.exe");
    SetText(machine, Hive::LocalMachine, kRun, "Blank", "");
    machine.SetValue(Hive::LocalMachine, kRun, "Cut", Text(std::string("\0after", 6)));
    machine.SetBinary(kRun, "Bytes", {1, 2, 3});
    const ListRefresh list = ReadStartupList(machine, true);
    const std::vector<ListRow> expected = {{"Registry (HKLM) - Run", "", "C:\\default.exe", "Enabled"}};
    EXPECT_EQ(list.rows, expected);
}

TEST(StartupList, TheShellNamesTheStartupFolders) {
    TestMachine machine;
    machine.shellFolders = {{platform::kCsidlCommonStartup, "C:\\ProgramData\\Start Menu\\Programs\\StartUp"},
                            {platform::kCsidlStartup, "C:\\users\\ann\\Start Menu\\Programs\\StartUp\\"}};
    machine.folderEntries["C:\\ProgramData\\Start Menu\\Programs\\StartUp\\*.*"] = {
        {".", platform::kFileAttributeDirectory},
        {"..", platform::kFileAttributeDirectory},
        {"Agent.lnk", 0x20},
        {"desktop.ini", 0x06},
        {"Sub", platform::kFileAttributeDirectory}};
    machine.folderEntries["C:\\users\\ann\\Start Menu\\Programs\\StartUp\\*.*"] = {{"Notes.lnk", 0x20},
                                                                                   {"Desktop.INI", 0x06}};
    const ListRefresh list = ReadStartupList(machine, true);
    const std::vector<ListRow> expected = {
        {"All Users - Startup folder", "Agent.lnk", "C:\\ProgramData\\Start Menu\\Programs\\StartUp\\Agent.lnk",
         "Enabled"},
        {"All Users - Startup folder", "desktop.ini", "C:\\ProgramData\\Start Menu\\Programs\\StartUp\\desktop.ini",
         ""},
        {"All Users - Startup folder", "Sub", "C:\\ProgramData\\Start Menu\\Programs\\StartUp\\Sub", "Enabled"},
        {"Current User - Startup folder", "Notes.lnk", "C:\\users\\ann\\Start Menu\\Programs\\StartUp\\Notes.lnk",
         "Enabled"},
        {"Current User - Startup folder", "Desktop.INI", "C:\\users\\ann\\Start Menu\\Programs\\StartUp\\Desktop.INI",
         ""},
    };
    EXPECT_EQ(list.rows, expected);
}

TEST(StartupList, WithoutTheShellsAnswerTheFixedProfileFoldersAreRead) {
    struct Case {
        std::optional<std::string> userName;
        const char* userPattern;
    };
    const Case cases[] = {
        {" bob\t", "C:\\Documents and Settings\\bob\\Start Menu\\Programs\\Startup\\*.*"},
        {std::nullopt, "C:\\Documents and Settings\\\\Start Menu\\Programs\\Startup\\*.*"},
    };
    for (const Case& c : cases) {
        TestMachine machine;
        machine.userName = c.userName;
        ReadStartupList(machine, true);
        const std::vector<std::string> expected = {
            "C:\\Documents and Settings\\All Users\\Start Menu\\Programs\\Startup\\*.*", c.userPattern};
        EXPECT_EQ(machine.findPatterns, expected);
    }
}

TEST(StartupList, EntriesDisabledInTaskManagerAreListedAsDisabled) {
    struct Case {
        const char* name;
        std::optional<std::vector<std::uint8_t>> flags;
        const char* status;
    };
    const Case cases[] = {
        {"Two", std::vector<std::uint8_t>{0x02, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "Enabled"},
        {"Six", std::vector<std::uint8_t>{0x06, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "Enabled"},
        {"Three", std::vector<std::uint8_t>{0x03, 0, 0, 0, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x01}, "Disabled"},
        {"Missing", std::nullopt, "Enabled"},
        {"Empty", std::vector<std::uint8_t>{}, "Enabled"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestMachine machine;
        machine.shellFolders = {{platform::kCsidlCommonStartup, "C:\\Common"}, {platform::kCsidlStartup, "C:\\Own"}};
        machine.folderEntries["C:\\Common\\*.*"] = {{std::string(c.name) + ".lnk", 0x20}};
        machine.folderEntries["C:\\Own\\*.*"] = {{std::string(c.name) + ".lnk", 0x20}};
        SetText(machine, Hive::LocalMachine, kRun, c.name, "C:\\a.exe");
        SetText(machine, Hive::LocalMachine, kRun32, c.name, "C:\\b.exe");
        SetText(machine, Hive::CurrentUser, kRun, c.name, "C:\\c.exe");
        if (c.flags) {
            // Each list keeps its own state: the machine's Run and Run32, the user's Run, and the folders'.
            const std::string lnk = std::string(c.name) + ".lnk";
            machine.SetValue(Hive::LocalMachine, std::string(kApproved) + "Run", c.name,
                             {platform::kRegBinary, *c.flags});
            machine.SetValue(Hive::LocalMachine, std::string(kApproved) + "Run32", c.name,
                             {platform::kRegBinary, *c.flags});
            machine.SetValue(Hive::CurrentUser, std::string(kApproved) + "Run", c.name,
                             {platform::kRegBinary, *c.flags});
            machine.SetValue(Hive::LocalMachine, std::string(kApproved) + "StartupFolder", lnk,
                             {platform::kRegBinary, *c.flags});
            machine.SetValue(Hive::CurrentUser, std::string(kApproved) + "StartupFolder", lnk,
                             {platform::kRegBinary, *c.flags});
        }
        const std::vector<std::string> statuses = Column(ReadStartupList(machine, true), 3);
        EXPECT_EQ(statuses, std::vector<std::string>(5, c.status));
    }
}

TEST(StartupList, TheStateOfOneListDoesNotMarkAnother) {
    TestMachine machine;
    SetText(machine, Hive::LocalMachine, kRun, "Tool", "C:\\a.exe");
    SetText(machine, Hive::LocalMachine, kRun32, "Tool", "C:\\b.exe");
    SetText(machine, Hive::CurrentUser, kRun, "Tool", "C:\\c.exe");
    SetText(machine, Hive::LocalMachine, kRunOnce, "Tool", "C:\\d.exe");
    machine.SetValue(Hive::LocalMachine, std::string(kApproved) + "Run32", "Tool",
                     {platform::kRegBinary, {0x03, 0, 0, 0}});
    // A value of the wrong type disables nothing.
    machine.SetValue(Hive::CurrentUser, std::string(kApproved) + "Run", "Tool", Text("3"));
    const ListRefresh list = ReadStartupList(machine, true);
    const std::vector<std::string> statuses = Column(list, 3);
    const std::vector<std::string> expected = {"Enabled", "Enabled", "Disabled", "Enabled"};
    EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"Registry (HKLM) - Run", "Registry (HKLM) - Run Once",
                                                         "Registry (HKLM) - Run (32-bit)", "Registry (HKCU) - Run"}));
    EXPECT_EQ(statuses, expected);
}

}  // namespace
}  // namespace orvane
