#include "screens/uninstall/uninstall_model.h"

#include <gtest/gtest.h>

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

TEST(UninstallCommand, SplitsAsProcessCreationReadsTheLine) {
    TestMachine machine;
    machine.programFiles = {{"C:\\Program Files\\App\\uninst.exe", "C:\\Program Files\\App\\uninst.exe"},
                            {"MsiExec.exe", "C:\\windows\\system32\\msiexec.exe"},
                            {"C:\\Tools\\remove.exe", "C:\\Tools\\remove.exe"},
                            {"C:\\Odd.exe", "C:\\Odd.exe"},
                            {"C:\\two  spaces.exe", "C:\\two  spaces.exe"}};
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
        // Found on the search path, with its full name.
        {"MsiExec.exe /X{12345678-ABCD}", {"C:\\windows\\system32\\msiexec.exe", "/X{12345678-ABCD}"}},
        {"msiexec /I{1}\t/qn", {"C:\\windows\\system32\\msiexec.exe", "/I{1}\t/qn"}},
        {"C:\\Tools\\remove.exe", {"C:\\Tools\\remove.exe", ""}},
        // The shortest run that names a file wins, as it does for the system.
        {"C:\\Odd Folder\\app.exe -u", {"C:\\Odd.exe", "Folder\\app.exe -u"}},
        {"C:\\two  spaces.exe  -x ", {"C:\\two  spaces.exe", "-x "}},
        {"C:\\Tools\\remove.exe\t/all", {"C:\\Tools\\remove.exe", "/all"}},
        // Nothing names a file: the first word, for the shell to refuse.
        {"nowhere.exe /q /r", {"nowhere.exe", "/q /r"}},
        {"", {"", ""}},
        {" \t ", {"", ""}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitCommandLine(c.line, machine), c.expected) << c.line;
    }
}

TEST(UninstallCommand, StartsTheProgramWithItsParametersOrSaysWhyNot) {
    TestMachine machine;
    machine.programFiles = {{"MsiExec.exe", "C:\\windows\\system32\\msiexec.exe"}};
    EXPECT_EQ(StartUninstall(machine, "Widget", "MsiExec.exe /X{1}"), std::nullopt);
    ASSERT_EQ(machine.shellExecutes.size(), 1u);
    EXPECT_EQ(machine.shellExecutes[0].verb, "open");
    EXPECT_EQ(machine.shellExecutes[0].file, "C:\\windows\\system32\\msiexec.exe");
    EXPECT_EQ(machine.shellExecutes[0].parameters, "/X{1}");

    machine.shellExecuteAnswer = 2;
    const std::optional<std::string> failed = StartUninstall(machine, "Widget", "gone.exe /u");
    ASSERT_TRUE(failed);
    EXPECT_NE(failed->find("\"Widget\""), std::string::npos) << *failed;
    EXPECT_NE(failed->find("gone.exe /u"), std::string::npos) << *failed;
    EXPECT_NE(failed->find("not found"), std::string::npos) << *failed;

    machine.shellExecutes.clear();
    const std::optional<std::string> empty = StartUninstall(machine, "Widget", "  ");
    ASSERT_TRUE(empty);
    EXPECT_NE(empty->find("no uninstall command"), std::string::npos) << *empty;
    EXPECT_TRUE(machine.shellExecutes.empty());
}

TEST(UninstallCommand, TheQuestionNamesTheApplicationAndItsCommand) {
    const std::string question = UninstallQuestion("Widget Pro", "C:\\w\\un.exe /x");
    EXPECT_EQ(question, "Uninstall \"Widget Pro\"?\r\n\r\nThis runs its uninstall command:\r\nC:\\w\\un.exe /x");
}

}  // namespace
}  // namespace orvane
