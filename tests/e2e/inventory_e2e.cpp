// The inventory runs (/JSON, /HTML, /REDACT) on the suite's prefix with planted uninstall and Run
// entries: no window, the exit statuses, the console line, the documents read back and compared with what
// the windows show for the same prefix. Run through inventory_fixture.sh, which then validates the JSON
// documents against the schema and opens the pages in a headless browser (ORVANE_E2E_INVENTORY_OUT names
// the folder the driver leaves them in).
#include <gtest/gtest.h>

#include <cstdlib>

#include "inventory/testing/json_check.h"
#include "tests/e2e/harness.h"

namespace e2e {
namespace {

using orvane::inventory::testing::JsonNode;
using orvane::inventory::testing::JsonReader;
using Rows = std::vector<std::vector<std::string>>;

constexpr const char* kUninstall = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
constexpr const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::vector<BYTE> Sz(const std::string& text) {
    std::vector<BYTE> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

// Whether any top-level window of the process is visible now.
bool ShowsAWindow(DWORD pid) {
    struct Search {
        DWORD pid;
        bool found;
    } search{pid, false};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->pid && IsWindowVisible(window)) s->found = true;
            return !s->found;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct BatchRun {
    std::optional<DWORD> exitCode;
    bool windowSeen = false;
    double seconds = 0;
    std::string standardError;
};

// Runs orvane.exe with the parameters, its standard error into a file, watching for windows until it ends.
BatchRun RunUnattended(const std::string& parameters, Duration timeout = 120s) {
    BatchRun run;
    const std::string errorPath = MakeTempDir() + "\\stderr.txt";
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE errorFile = CreateFileA(errorPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    std::string commandLine = "\"" + OrvaneExe() + "\" " + parameters;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdError = errorFile;
    PROCESS_INFORMATION process{};
    const auto start = std::chrono::steady_clock::now();
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process)) {
        CloseHandle(errorFile);
        return run;
    }
    CloseHandle(errorFile);
    WaitUntil(
        [&] {
            if (ShowsAWindow(process.dwProcessId)) run.windowSeen = true;
            return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0;
        },
        timeout);
    DWORD code = 0;
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0 && GetExitCodeProcess(process.hProcess, &code)) {
        run.exitCode = code;
    } else {
        TerminateProcess(process.hProcess, 99);
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    run.standardError = ReadFileBytes(errorPath).value_or("");
    return run;
}

JsonNode ReadJson(const std::string& path) {
    const std::string text = ReadFileBytes(path).value_or("");
    JsonReader reader(text);
    const std::optional<JsonNode> node = reader.Read();
    EXPECT_TRUE(node) << path << ": " << reader.Error();
    return node.value_or(JsonNode{});
}

// Leaves a document where the fixture looks at it after the driver.
void KeepForTheFixture(const std::string& path, const std::string& name) {
    const char* folder = std::getenv("ORVANE_E2E_INVENTORY_OUT");
    if (folder && *folder) CopyFileA(path.c_str(), (std::string(folder) + "\\" + name).c_str(), FALSE);
}

const JsonNode* ItemNamed(const JsonNode& items, const std::string& key, const std::string& name) {
    for (const JsonNode& item : items.items) {
        if (item[key].string == name) return &item;
    }
    return nullptr;
}

Rows FilledList(const Orvane& orvane, HWND window) {
    HWND list = FindControl(window, "ListView1");
    WaitUntil([&] { return orvane.StatusPanel(window, 0).rfind("Count: ", 0) == 0; }, 20s);
    return orvane.ListRows(list);
}

bool HasWord(const std::string& text, const std::string& word) {
    const auto upper = [](std::string s) {
        for (char& c : s) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
        return s;
    };
    const std::string t = upper(text);
    const std::string w = upper(word);
    const auto isWord = [](char c) { return isalnum(static_cast<unsigned char>(c)) != 0; };
    for (std::size_t at = t.find(w); at != std::string::npos; at = t.find(w, at + 1)) {
        const std::size_t end = at + w.size();
        if ((at == 0 || !isWord(t[at - 1])) && (end == t.size() || !isWord(t[end]))) return true;
    }
    return false;
}

// Entries planted for each test: an application in each place 64-bit Windows keeps them, a Run entry of
// the machine and one of the user.
class Inventory : public ::testing::Test {
protected:
    PlantedValue native{HKEY_LOCAL_MACHINE, std::string(kUninstall) + "OrvaneE2EInv64", "DisplayName", REG_SZ,
                        Sz("Orvane E2E Inventory 64"), KEY_WOW64_64KEY};
    PlantedValue nativePublisher{HKEY_LOCAL_MACHINE, std::string(kUninstall) + "OrvaneE2EInv64", "Publisher",
                                 REG_SZ, Sz("Orvane \"E2E\" <Tests> & Co"), KEY_WOW64_64KEY};
    PlantedValue legacy{HKEY_LOCAL_MACHINE, std::string(kUninstall) + "OrvaneE2EInv32", "DisplayName", REG_SZ,
                        Sz("Orvane E2E Inventory 32"), KEY_WOW64_32KEY};
    PlantedValue user{HKEY_CURRENT_USER, std::string(kUninstall) + "OrvaneE2EInvUser", "DisplayName", REG_SZ,
                      Sz("Orvane E2E Inventory User"), 0};
    PlantedValue machineRun{HKEY_LOCAL_MACHINE, kRun, "OrvaneE2EInvMachine", REG_SZ,
                            Sz("C:\\e2e\\inventory.exe /tray")};
    PlantedValue userRun{HKEY_CURRENT_USER, kRun, "OrvaneE2EInvUser", REG_SZ, Sz("C:\\e2e\\user inventory.exe"), 0};
};

TEST_F(Inventory, JsonAndHtmlAreWrittenWithoutAWindowAndAgreeWithTheWindows) {
    const std::string dir = MakeTempDir();
    const std::string json = dir + "\\inventory.json";
    const std::string html = dir + "\\inventory.htm";

    const BatchRun jsonRun = RunUnattended("/JSON \"" + json + "\"");
    ASSERT_EQ(jsonRun.exitCode, std::optional<DWORD>(0)) << jsonRun.standardError;
    EXPECT_FALSE(jsonRun.windowSeen) << "an unattended run shows no window";
    EXPECT_EQ(jsonRun.standardError, "") << "nothing to say when the file is written";
    const BatchRun htmlRun = RunUnattended("/html \"" + html + "\"");
    ASSERT_EQ(htmlRun.exitCode, std::optional<DWORD>(0)) << htmlRun.standardError;
    EXPECT_FALSE(htmlRun.windowSeen);
    KeepForTheFixture(json, "inventory.json");
    KeepForTheFixture(html, "inventory.htm");

    const std::string bytes = ReadFileBytes(json).value_or("");
    ASSERT_FALSE(bytes.empty());
    EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF") << "no byte-order mark";
    const JsonNode doc = ReadJson(json);
    EXPECT_EQ(doc["schema_version"].string, "1.0");
    EXPECT_FALSE(doc["redacted"].boolean);
    EXPECT_TRUE(doc["errors"].items.empty()) << doc["errors"][0]["section"].string << ": "
                                             << doc["errors"][0]["message"].string;

    // The planted entries, each where it was planted.
    const JsonNode& apps = doc["applications"]["items"];
    const std::pair<const char*, const char*> places[] = {{"Orvane E2E Inventory 64", "64-bit"},
                                                          {"Orvane E2E Inventory 32", "32-bit"},
                                                          {"Orvane E2E Inventory User", "user"}};
    for (const auto& [name, location] : places) {
        const JsonNode* item = ItemNamed(apps, "name", name);
        ASSERT_TRUE(item) << name;
        EXPECT_EQ((*item)["location"].string, location) << name;
    }
    EXPECT_EQ((*ItemNamed(apps, "name", "Orvane E2E Inventory 64"))["publisher"].string, "Orvane \"E2E\" <Tests> & Co");
    const JsonNode* machineEntry = ItemNamed(doc["startup"]["items"], "name", "OrvaneE2EInvMachine");
    const JsonNode* userEntry = ItemNamed(doc["startup"]["items"], "name", "OrvaneE2EInvUser");
    ASSERT_TRUE(machineEntry && userEntry);
    EXPECT_EQ((*machineEntry)["location"].string, "Registry (HKLM) - Run");
    EXPECT_EQ((*machineEntry)["command"].string, "C:\\e2e\\inventory.exe /tray");
    EXPECT_EQ((*userEntry)["location"].string, "Registry (HKCU) - Run");
    EXPECT_TRUE((*userEntry)["enabled"].boolean);

    // The page holds the same, escaped.
    const std::string page = ReadFileBytes(html).value_or("");
    EXPECT_NE(page.find("<td>Orvane &quot;E2E&quot; &lt;Tests&gt; &amp; Co</td>"), std::string::npos);
    EXPECT_NE(page.find("<td>OrvaneE2EInvMachine</td>"), std::string::npos);
    for (const char* section : {"summary", "personal", "cpu", "memory", "display", "drives", "devices",
                                "applications", "startup", "sound"}) {
        EXPECT_NE(page.find(std::string("<section id=\"") + section + "\">"), std::string::npos) << section;
    }

    // The windows, for the same prefix.
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    PressKey(main, VK_F5);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(main, "Info26") != ""; }, 60s)) << "the refresh ran";
    EXPECT_EQ(doc["summary"]["rows"][0]["label"].string, "Windows");
    EXPECT_EQ(doc["summary"]["rows"][0]["value"].string, ControlText(main, "Info1"));
    EXPECT_EQ(doc["summary"]["rows"][2]["value"].string, ControlText(main, "Info3")) << "Memory (RAM)";
    EXPECT_EQ(doc["summary"]["rows"][3]["value"].string, ControlText(main, "Info4")) << "CPU Info";

    PressKey(main, VK_F7);
    HWND memory = orvane.WaitForWindow("TfrmMemory");
    ASSERT_TRUE(memory);
    WaitUntil([&] { return ControlText(memory, "Info1") != ""; });
    EXPECT_EQ(doc["memory"]["physical"]["total_text"].string, ControlText(memory, "Info1"));
    PostMessageA(memory, WM_CLOSE, 0, 0);

    PressKey(main, VK_F11);
    HWND cpu = orvane.WaitForWindow("TfrmCPU");
    ASSERT_TRUE(cpu);
    WaitUntil([&] { return ControlText(cpu, "Info3") != ""; });
    EXPECT_EQ(doc["cpu"]["brand"].string, ControlText(cpu, "CPUBrand1"));
    EXPECT_EQ(doc["cpu"]["vendor"].string, ControlText(cpu, "Info3"));
    EXPECT_EQ(doc["cpu"]["cpu_id"].string, ControlText(cpu, "Info7"));
    PostMessageA(cpu, WM_CLOSE, 0, 0);

    PressKey(main, VK_F8);
    HWND display = orvane.WaitForWindow("TfrmDisplay");
    ASSERT_TRUE(display);
    WaitUntil([&] { return ControlText(display, "Info8") != ""; });
    const std::vector<std::string> adapters = ComboItems(FindControl(display, "cbDisplay"));
    ASSERT_EQ(doc["display"]["adapters"].items.size(), adapters.size());
    for (std::size_t i = 0; i < adapters.size(); ++i) EXPECT_EQ(doc["display"]["adapters"][i]["name"].string, adapters[i]);
    EXPECT_EQ(doc["display"]["metrics_text"].string, ControlText(display, "Info8"));
    PostMessageA(display, WM_CLOSE, 0, 0);

    PressKey(main, VK_F9);
    HWND drive = orvane.WaitForWindow("TfrmDisk");
    ASSERT_TRUE(drive);
    WaitUntil([&] { return ControlText(drive, "info4") != ""; });
    const JsonNode* c = ItemNamed(doc["drives"]["drives"], "drive", "C:");
    ASSERT_TRUE(c);
    EXPECT_EQ(doc["drives"]["start_drive"].string, "C:");
    EXPECT_EQ((*c)["capacity_text"].string, ControlText(drive, "info4"));
    EXPECT_EQ((*c)["type_text"].string, ControlText(drive, "info1"));
    EXPECT_EQ((*c)["serial_text"].string, ControlText(drive, "info3"));
    EXPECT_GT(std::stoull((*c)["capacity_bytes"].number), 0u);
    PostMessageA(drive, WM_CLOSE, 0, 0);

    PressKey(main, VK_F10);
    HWND applications = orvane.WaitForWindow("TfrmUnistall");
    ASSERT_TRUE(applications);
    const Rows appRows = FilledList(orvane, applications);
    EXPECT_EQ(doc["applications"]["count"].number, std::to_string(appRows.size()));
    for (const std::vector<std::string>& row : appRows) {
        EXPECT_TRUE(ItemNamed(apps, "name", row[0])) << row[0] << " is in the window and not in the inventory";
    }
    PostMessageA(applications, WM_CLOSE, 0, 0);

    ASSERT_TRUE(orvane.ClickToolButton(main, 9));  // Startup
    HWND startupWindow = orvane.WaitForWindow("TfrmStartup");
    ASSERT_TRUE(startupWindow);
    const Rows startupRows = FilledList(orvane, startupWindow);
    ASSERT_EQ(doc["startup"]["items"].items.size(), startupRows.size());
    for (std::size_t i = 0; i < startupRows.size(); ++i) {
        const JsonNode& item = doc["startup"]["items"][i];
        EXPECT_EQ((std::vector<std::string>{item["location"].string, item["name"].string, item["command"].string,
                                            item["status"].string}),
                  startupRows[i]);
    }
}

// File > Export Full Report: the save dialog's type, not the name's extension, chooses the format.
TEST_F(Inventory, TheMainWindowExportsTheFullReportByTheChosenType) {
    const std::string dir = MakeTempDir();
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    struct Case {
        const char* name;
        int typeSteps;
        const char* starts;
    };
    for (const Case& c : {Case{"full-report.htm", 0, "<!DOCTYPE html>"}, Case{"json-under-a-text-name.txt", 1, "{"}}) {
        SCOPED_TRACE(c.name);
        const std::string path = dir + "\\" + c.name;
        PressAltKey(main, 'F');
        // File: Save, Export to HTML, Export Full Report...
        for (int i = 0; i < 2; ++i) PressKey(GetForegroundWindow(), VK_DOWN);
        PressKey(GetForegroundWindow(), VK_RETURN);
        HWND dialog = WaitForFileDialog(orvane.Pid(), 30s);
        ASSERT_TRUE(dialog);
        ConfirmFileDialog(dialog, path, c.typeSteps);
        ASSERT_TRUE(WaitUntil([&] { return FileExists(path) && !ReadFileBytes(path).value_or("").empty(); }, 90s));
        WaitUntil([&] { return IsWindowEnabled(main) != FALSE; }, 30s);
        const std::string bytes = ReadFileBytes(path).value_or("");
        EXPECT_EQ(bytes.rfind(c.starts, 0), 0u) << bytes.substr(0, 40);
        if (c.typeSteps == 1) {
            const JsonNode doc = ReadJson(path);
            EXPECT_TRUE(ItemNamed(doc["applications"]["items"], "name", "Orvane E2E Inventory User"));
            EXPECT_FALSE(doc["redacted"].boolean);
        }
    }
    EXPECT_EQ(ControlText(main, "Info1"), "") << "the full report leaves the summary rows as they were";
}

TEST_F(Inventory, RedactedDocumentsNameNeitherTheComputerNorTheUser) {
    const std::string dir = MakeTempDir();
    const std::string json = dir + "\\redacted.json";
    const std::string html = dir + "\\redacted.htm";
    ASSERT_EQ(RunUnattended("/JSON \"" + json + "\" /REDACT").exitCode, std::optional<DWORD>(0));
    ASSERT_EQ(RunUnattended("/HTML \"" + html + "\" /redact").exitCode, std::optional<DWORD>(0));
    KeepForTheFixture(json, "redacted.json");
    KeepForTheFixture(html, "redacted.htm");
    char computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD computerSize = sizeof computer;
    GetComputerNameA(computer, &computerSize);
    char userName[256] = {};
    DWORD userSize = sizeof userName;
    GetUserNameA(userName, &userSize);
    const JsonNode doc = ReadJson(json);
    EXPECT_TRUE(doc["redacted"].boolean);
    for (const char* key : {"computer_name", "user_name", "ip_addresses", "mac_address", "product_id"}) {
        EXPECT_EQ(doc["personal"][key].string, "[redacted]") << key;
    }
    for (const std::string& path : {json, html}) {
        const std::string text = ReadFileBytes(path).value_or("");
        EXPECT_FALSE(HasWord(text, computer)) << path << " names the computer " << computer;
        EXPECT_FALSE(HasWord(text, userName)) << path << " names the user " << userName;
    }
    EXPECT_TRUE(ItemNamed(doc["applications"]["items"], "name", "Orvane E2E Inventory 64")) << "the rest stays";
}

TEST_F(Inventory, AnUnwritablePathEndsWithStatus1AndOneLineWithinSeconds) {
    const std::string dir = MakeTempDir();
    // A read-only report: the old file stays whole.
    const std::string readOnly = dir + "\\old.json";
    {
        HANDLE file = CreateFileA(readOnly.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, "old report", 10, &written, nullptr);
        CloseHandle(file);
        SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    }
    for (const std::string& path : {dir + "\\no such folder\\inventory.json", readOnly}) {
        SCOPED_TRACE(path);
        const BatchRun run = RunUnattended("/JSON \"" + path + "\"", 60s);
        EXPECT_EQ(run.exitCode, std::optional<DWORD>(1));
        EXPECT_FALSE(run.windowSeen) << "not even an error box";
        EXPECT_LT(run.seconds, 20.0);
        EXPECT_EQ(run.standardError.rfind("Orvane: Cannot create file " + path + " (", 0), 0u) << run.standardError;
        EXPECT_EQ(SplitCrLfLines(run.standardError).size(), 1u) << "one line";
    }
    EXPECT_EQ(ReadFileBytes(readOnly), std::optional<std::string>("old report"));
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(Inventory, ACommandLineItDoesNotUnderstandEndsWithStatus2) {
    for (const char* parameters : {"/JSON", "/HTML /REDACT", "/JSON out.json extra", "/REDACT"}) {
        SCOPED_TRACE(parameters);
        const BatchRun run = RunUnattended(parameters, 30s);
        EXPECT_EQ(run.exitCode, std::optional<DWORD>(2));
        EXPECT_FALSE(run.windowSeen);
        EXPECT_EQ(run.standardError,
                  "Orvane: the command line is not understood; use /JSON <file> or /HTML <file>, optionally followed "
                  "by /REDACT.\r\n");
    }
}

}  // namespace
}  // namespace e2e
