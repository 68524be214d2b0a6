#include "screens/uninstall/uninstall_model.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/testing/test_machine.h"

namespace orvane {
namespace {

using platform::Hive;
using testing::TestMachine;

platform::RegValue Text(const std::string& text) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return {platform::kRegSz, bytes};
}

std::string Entry(const std::string& name) {
    return std::string(kUninstallKey) + "\\" + name;
}

// An entry with every value the list shows, each naming its value.
void FullEntry(TestMachine& machine, Hive hive, const std::string& path, const std::string& name) {
    for (const char* value : kUninstallValues) {
        machine.SetValue(hive, path, value, Text(std::string(value) == "DisplayName" ? name : name + " " + value));
    }
}

ListRow FullRow(const std::string& name) {
    ListRow row{name};
    for (std::size_t i = 1; i < std::size(kUninstallValues); ++i) row.push_back(name + " " + kUninstallValues[i]);
    return row;
}

// One entry in each place: the machine's 64-bit view, its 32-bit view (where 64-bit Windows keeps it),
// and the user's key.
void ThreePlaces(TestMachine& machine) {
    FullEntry(machine, Hive::LocalMachine, Entry("{64}"), "Zed Native");
    FullEntry(machine, Hive::LocalMachine, "SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Old",
              "Old 32-bit Tool");
    FullEntry(machine, Hive::CurrentUser, Entry("UserApp"), "A User's App");
}

TEST(UninstallList, ListsTheThreePlacesOf64BitWindowsInTurn) {
    TestMachine machine;
    ThreePlaces(machine);
    const ListRefresh list = ReadUninstallList(machine, true);
    EXPECT_FALSE(list.error);
    const std::vector<ListRow> expected = {FullRow("Zed Native"), FullRow("Old 32-bit Tool"), FullRow("A User's App")};
    EXPECT_EQ(list.rows, expected);
}

TEST(UninstallList, Without64BitWindowsThereIsNoSecondViewToAsk) {
    TestMachine machine;
    ThreePlaces(machine);
    const ListRefresh list = ReadUninstallList(machine, false);
    const std::vector<ListRow> expected = {FullRow("Zed Native"), FullRow("A User's App")};
    EXPECT_EQ(list.rows, expected);
}

TEST(UninstallList, WhichPlacesAndWhether64BitWindowsRuns) {
    TestMachine machine;
    EXPECT_TRUE(RunsOn64BitWindows(true, machine));
    EXPECT_FALSE(RunsOn64BitWindows(false, machine));
    machine.wow64 = true;
    EXPECT_TRUE(RunsOn64BitWindows(false, machine));
    EXPECT_EQ(UninstallPlaces(true).size(), 3u);
    EXPECT_TRUE(UninstallPlaces(true)[1].view32);
    EXPECT_EQ(UninstallPlaces(false).size(), 2u);
    EXPECT_EQ(UninstallPlaces(false)[1].hive, Hive::CurrentUser);
}

TEST(UninstallList, RowsComeByDisplayNameWithEveryCell) {
    TestMachine machine;
    machine.SetText(Entry("{GUID-1}"), "DisplayName", "Same Name");
    machine.SetText(Entry("NoName"), "UninstallString", "C:\\x.exe");  // no display name: no row
    machine.SetText(Entry("EmptyName"), "DisplayName", "");
    machine.SetText(Entry("EmptyName"), "Publisher", "Ignored");
    machine.SetText(Entry("Other"), "DisplayName", "Same Name");
    machine.SetText(Entry("Other"), "UninstallString", "MsiExec.exe /X{GUID-2}");
    const ListRefresh list = ReadUninstallList(machine, true);
    const std::vector<ListRow> expected = {{"Same Name", "", "", "", "", "", "", "", ""},
                                           {"Same Name", "", "", "", "", "", "", "", "MsiExec.exe /X{GUID-2}"}};
    EXPECT_EQ(list.rows, expected);
}

TEST(UninstallList, AValueOfAnotherTypeEndsTheRefreshKeepingWhatWasRead) {
    TestMachine machine;
    FullEntry(machine, Hive::LocalMachine, Entry("A"), "Fine");
    FullEntry(machine, Hive::LocalMachine, Entry("B"), "Broken");
    machine.SetDword(Entry("B"), "Publisher", 7);
    FullEntry(machine, Hive::CurrentUser, Entry("C"), "Never Read");
    const ListRefresh list = ReadUninstallList(machine, true);
    ListRow broken = FullRow("Broken");
    broken.resize(6);  // the name and the sub-items before "Publisher"
    const std::vector<ListRow> expected = {FullRow("Fine"), broken};
    EXPECT_EQ(list.rows, expected);
    EXPECT_EQ(list.error, "Invalid data type for 'Publisher'");
}

// The split itself, with a file search that answers what the table names.
TEST(UninstallCommand, SplitsAsProcessCreationReadsTheLine) {
    const std::map<std::string, std::string> found = {
        {"C:\\Program Files\\App\\uninst.exe", "C:\\Program Files\\App\\uninst.exe"},
        {"C:\\Program Files\\App\\uninst", "C:\\Program Files\\App\\uninst.exe"},
        {"MsiExec.exe", "C:\\windows\\system32\\msiexec.exe"},
        {"msiexec", "C:\\windows\\system32\\msiexec.exe"},
        {"C:\\Tools\\remove.exe", "C:\\Tools\\remove.exe"},
        {"C:\\Odd", "C:\\Odd.exe"},
        {"C:\\two  spaces.exe", "C:\\two  spaces.exe"}};
    const auto findFile = [&](const std::string& name) -> std::optional<std::string> {
        const auto hit = found.find(name);
        return hit == found.end() ? std::nullopt : std::optional<std::string>(hit->second);
    };
    struct Case {
        const char* line;
        CommandLine expected;
    };
    const Case cases[] = {
        {"\"C:\\Program Files\\App\\uninst.exe\" /S", {"C:\\Program Files\\App\\uninst.exe", "/S"}},
        {"  \"C:\\Program Files\\App\\uninst.exe\"", {"C:\\Program Files\\App\\uninst.exe", ""}},
        {"\"C:\\No Close\\uninst.exe /S", {"C:\\No Close\\uninst.exe /S", ""}},
        {"\"C:\\App\\u.exe\"/quiet", {"C:\\App\\u.exe", "/quiet"}},
        // Unquoted with spaces: the words grow until they name a file.
        {"C:\\Program Files\\App\\uninst.exe /S /norestart", {"C:\\Program Files\\App\\uninst.exe", "/S /norestart"}},
        {"C:\\Program Files\\App\\uninst /S", {"C:\\Program Files\\App\\uninst.exe", "/S"}},
        {"MsiExec.exe /X{12345678-ABCD}", {"C:\\windows\\system32\\msiexec.exe", "/X{12345678-ABCD}"}},
        {"msiexec /I{1}\t/qn", {"C:\\windows\\system32\\msiexec.exe", "/I{1}\t/qn"}},
        {"C:\\Tools\\remove.exe", {"C:\\Tools\\remove.exe", ""}},
        // The shortest run that names a file wins, as it does for the system.
        {"C:\\Odd Folder\\app.exe -u", {"C:\\Odd.exe", "Folder\\app.exe -u"}},
        {"C:\\two  spaces.exe  -x ", {"C:\\two  spaces.exe", "-x "}},
        {"C:\\Tools\\remove.exe\t/all", {"C:\\Tools\\remove.exe", "/all"}},
        // Nothing names a file: the first word.
        {"nowhere.exe /q /r", {"nowhere.exe", "/q /r"}},
        {"", {"", ""}},
        {" \t ", {"", ""}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitCommandLine(c.line, findFile), c.expected) << c.line;
    }
}

// Windows in C:\WINDOWS with its installer and rundll32, a program of PATH's, and files of the same
// names put in the program's own folder (C:\Downloads), which is no place a bare name is looked for.
void MachineWithPlantedFiles(TestMachine& machine) {
    machine.systemDirectory = "C:\\WINDOWS\\system32";
    machine.windowsDirectory = "C:\\WINDOWS";
    machine.environment["PATH"] = ".;C:\\WINDOWS\\system32;C:\\Tools; ;relative\\bin;D:\\Bin\\";
    for (const char* file : {"C:\\WINDOWS\\system32\\MsiExec.exe", "C:\\WINDOWS\\system32\\rundll32.exe",
                             "C:\\WINDOWS\\regedit.exe", "D:\\Bin\\uninstaller.exe", "C:\\Downloads\\MsiExec.exe",
                             "C:\\Downloads\\rundll32.exe", "C:\\Downloads\\planted.exe"}) {
        machine.AddFile(file);
    }
    // The program search as process creation makes it starts in the program's folder.
    machine.programFiles = {{"MsiExec.exe", "C:\\Downloads\\MsiExec.exe"},
                            {"rundll32.exe", "C:\\Downloads\\rundll32.exe"},
                            {"planted.exe", "C:\\Downloads\\planted.exe"},
                            {"C:\\Program Files\\App\\uninst.exe", "C:\\Program Files\\App\\uninst.exe"}};
}

TEST(UninstallCommand, ABareProgramNameIsLookedForInTheSystemFoldersAndPathOnly) {
    struct Case {
        const char* line;
        CommandLine expected;
    };
    const Case cases[] = {
        {"MsiExec.exe /X{12345678-ABCD}", {"C:\\WINDOWS\\system32\\MsiExec.exe", "/X{12345678-ABCD}"}},
        {"RunDll32 C:\\App\\x.dll,Remove", {"C:\\WINDOWS\\system32\\RunDll32.exe", "C:\\App\\x.dll,Remove"}},
        {"\"msiexec\" /x{1}", {"C:\\WINDOWS\\system32\\msiexec.exe", "/x{1}"}},
        {"regedit /s undo.reg", {"C:\\WINDOWS\\regedit.exe", "/s undo.reg"}},
        // PATH after the system folders, its entries named in full only.
        {"uninstaller -q", {"D:\\Bin\\uninstaller.exe", "-q"}},
        // Found only beside the program: not found, and left bare for the refusal.
        {"planted.exe /S", {"planted.exe", "/S"}},
        // A path is looked for as process creation looks for it.
        {"C:\\Program Files\\App\\uninst.exe /S", {"C:\\Program Files\\App\\uninst.exe", "/S"}},
    };
    for (const Case& c : cases) {
        TestMachine machine;
        MachineWithPlantedFiles(machine);
        EXPECT_EQ(FindUninstallProgram(machine, c.line), c.expected) << c.line;
        for (const std::string& search : machine.programSearches) {
            EXPECT_EQ(search.substr(0, search.find('|')),
                      "C:\\WINDOWS\\system32;C:\\WINDOWS;C:\\WINDOWS\\system32;C:\\Tools;D:\\Bin\\")
                << c.line << ": " << search;
        }
    }
}

TEST(UninstallCommand, StartsTheProgramFoundWithItsParametersOrSaysWhyNot) {
    TestMachine machine;
    MachineWithPlantedFiles(machine);
    const std::string line = "MsiExec.exe /X{1}";
    EXPECT_EQ(StartUninstall(machine, "Widget", line, FindUninstallProgram(machine, line)), std::nullopt);
    ASSERT_EQ(machine.shellExecutes.size(), 1u);
    EXPECT_EQ(machine.shellExecutes[0].verb, "open");
    EXPECT_EQ(machine.shellExecutes[0].file, "C:\\WINDOWS\\system32\\MsiExec.exe");
    EXPECT_EQ(machine.shellExecutes[0].parameters, "/X{1}");

    struct Refusal {
        const char* line;
        const char* says;
    };
    const Refusal refusals[] = {
        {"planted.exe /S", "not found"},  // never handed to the shell, which would find the planted file
        {"\"gone\" /u", "not found"},
        {"  ", "no uninstall command"},
    };
    for (const Refusal& r : refusals) {
        machine.shellExecutes.clear();
        const CommandLine command = FindUninstallProgram(machine, r.line);
        const std::optional<std::string> refused = UninstallRefusal("Widget", r.line, command);
        ASSERT_TRUE(refused) << r.line;
        EXPECT_NE(refused->find("\"Widget\""), std::string::npos) << *refused;
        EXPECT_NE(refused->find(r.says), std::string::npos) << *refused;
        EXPECT_EQ(StartUninstall(machine, "Widget", r.line, command), refused) << r.line;
        EXPECT_TRUE(machine.shellExecutes.empty()) << r.line;
    }

    machine.shellExecuteAnswer = 2;
    const std::string gone = "C:\\Program Files\\App\\uninst.exe /u";
    const std::optional<std::string> failed =
        StartUninstall(machine, "Widget", gone, FindUninstallProgram(machine, gone));
    ASSERT_TRUE(failed);
    EXPECT_NE(failed->find(gone), std::string::npos) << *failed;
    EXPECT_NE(failed->find("not found"), std::string::npos) << *failed;
}

TEST(UninstallCommand, TheQuestionNamesTheApplicationItsCommandAndTheProgramThatRuns) {
    const std::string question =
        UninstallQuestion("Widget Pro", "MsiExec.exe /x{1}", "C:\\WINDOWS\\system32\\MsiExec.exe");
    EXPECT_EQ(question,
              "Uninstall \"Widget Pro\"?\r\n\r\nThis runs its uninstall command:\r\nMsiExec.exe /x{1}\r\n\r\n"
              "Program: C:\\WINDOWS\\system32\\MsiExec.exe");
}

TEST(UninstallLinks, TheHelpLinkOpensOnlyAWebAddress) {
    struct Case {
        const char* link;
        std::optional<std::string> opened;  // what the shell is given; nullopt: nothing
        bool reported;
    };
    const Case cases[] = {
        {"https://example.com/help", "https://example.com/help", false},
        {"HTTP://example.com", "HTTP://example.com", false},
        {"  http://example.com/a b  ", "http://example.com/a b", false},
        {"", std::nullopt, false},
        {"   ", std::nullopt, false},
        {"www.example.com", std::nullopt, true},
        {"C:\\Windows\\system32\\calc.exe", std::nullopt, true},
        {"file:///C:/x.exe", std::nullopt, true},
        {"javascript:alert(1)", std::nullopt, true},
        {"mailto:help@example.com", std::nullopt, true},
        {"httpx://example.com", std::nullopt, true},
    };
    for (const Case& c : cases) {
        TestMachine machine;
        const std::optional<std::string> message = OpenHelpLink(machine, "Widget", c.link);
        EXPECT_EQ(message.has_value(), c.reported) << c.link;
        if (message) {
            EXPECT_NE(message->find(c.link), std::string::npos) << *message;
        }
        ASSERT_EQ(machine.shellExecutes.size(), c.opened ? 1u : 0u) << c.link;
        if (c.opened) {
            EXPECT_EQ(machine.shellExecutes[0].file, *c.opened);
            EXPECT_EQ(machine.shellExecutes[0].verb, "open");
        }
    }
}

TEST(UninstallLinks, TheInstallFoldersOpenOnlyAFolderThatExists) {
    struct Case {
        const char* folder;
        std::optional<std::string> opened;
        bool reported;
    };
    const Case cases[] = {
        {"C:\\Program Files\\Widget", "C:\\Program Files\\Widget", false},
        {"\"C:\\Program Files\\Widget\"", "C:\\Program Files\\Widget", false},  // as some installers write it
        {"\\\\server\\share\\setup", "\\\\server\\share\\setup", false},
        {"", std::nullopt, false},
        {"C:\\Program Files\\Gone", std::nullopt, true},
        {"C:\\Program Files\\Widget\\setup.exe", std::nullopt, true},  // a file, not a folder
        {"Widget", std::nullopt, true},                                // relative: the current folder's
        {"https://example.com", std::nullopt, true},
    };
    for (const Case& c : cases) {
        TestMachine machine;
        machine.folders = {"C:\\Program Files\\Widget", "\\\\server\\share\\setup", "Widget"};
        machine.files["C:\\Program Files\\Widget\\setup.exe"] = "MZ";
        const std::optional<std::string> message = OpenInstallFolder(machine, "Widget", "install location", c.folder);
        EXPECT_EQ(message.has_value(), c.reported) << c.folder;
        if (message) {
            EXPECT_NE(message->find("install location"), std::string::npos) << *message;
            EXPECT_NE(message->find(c.folder), std::string::npos) << *message;
        }
        ASSERT_EQ(machine.shellExecutes.size(), c.opened ? 1u : 0u) << c.folder;
        if (c.opened) {
            EXPECT_EQ(machine.shellExecutes[0].file, *c.opened);
        }
    }
}

}  // namespace
}  // namespace orvane
