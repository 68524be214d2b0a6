// The registry fault matrix: every value of the registry list, planted with every fault a registry
// written by other programs can hold, read by the row or window the list names.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/text.h"
#include "platform/testing/test_machine.h"
#include "probes/firmware_probes.h"
#include "probes/hardware_probes.h"
#include "probes/network_probes.h"
#include "probes/os_probes.h"
#include "probes/registry_catalog.h"
#include "probes/registry_reader.h"
#include "probes/storage_probes.h"
#include "screens/devices/device_model.h"
#include "screens/display/display_model.h"
#include "screens/startup/startup_model.h"
#include "screens/uninstall/uninstall_model.h"

namespace orvane {
namespace {

using platform::Hive;
using platform::RegValue;
using testing::TestMachine;
using Request = TestMachine::RegistryRequest;
using Rows = std::vector<std::vector<std::string>>;

constexpr Hive kLM = Hive::LocalMachine;
constexpr Hive kCU = Hive::CurrentUser;

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}
std::vector<std::uint8_t> Terminated(std::string_view text) {
    std::vector<std::uint8_t> bytes = Bytes(text);
    bytes.push_back(0);
    return bytes;
}
std::vector<std::uint8_t> Wide(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    for (char c : text) bytes.insert(bytes.end(), {static_cast<std::uint8_t>(c), 0});
    bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

void Text(TestMachine& m, Hive hive, const std::string& key, const std::string& name, const std::string& text) {
    m.SetValue(hive, key, name, {platform::kRegSz, Terminated(text)});
}

// --- the planted machines ---------------------------------------------------------------------------

constexpr const char* kSoftwareCv = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr const char* kClassNt = "SYSTEM\\CurrentControlSet\\Control\\Class";
constexpr const char* kClass9x = "SYSTEM\\CurrentControlSet\\Services\\Class";
constexpr const char* kDescription = "HARDWARE\\DESCRIPTION\\System";
constexpr const char* kVideoDriverKey = "System\\CurrentControlSet\\Control\\Video\\{VIDEO-GUID}\\0000";

void PlantClassTree(TestMachine& m, const std::string& root) {
    // A class before the display's, so that the walk reads a "Class" that does not match.
    const struct {
        const char* key;
        const char* className;
        std::vector<const char*> instances;
    } classes[] = {
        {"{NET}", "Net", {"0000", "0001"}},
        {"{DISPLAY}", "Display", {"0000", "0001"}},
        {"{3D}", "3D Accelerators", {"0000"}},
        {"{PORTS}", "Ports", {"0000"}},
    };
    for (const auto& c : classes) {
        const std::string classKey = root + "\\" + c.key;
        Text(m, kLM, classKey, "Class", c.className);
        for (const char* instance : c.instances) {
            const std::string key = classKey + "\\" + instance;
            const std::string tag = std::string(c.className) + " " + instance;
            Text(m, kLM, key, "DriverDesc", "Desc of " + tag);
            Text(m, kLM, key, "ProviderName", "Provider of " + tag);
            Text(m, kLM, key, "DriverVersion", "Version of " + tag);
        }
    }
}

void PlantInfoKeys(TestMachine& m, const std::string& root) {
    for (const char* instance : {"0000", "0001"}) {
        const std::string info = root + "\\{DISPLAY}\\" + instance + "\\INFO";
        Text(m, kLM, info, "DACType", std::string("DAC of ") + instance);
        Text(m, kLM, info, "ChipType", std::string("Chip of ") + instance);
        Text(m, kLM, info, "Revision", std::string("Rev of ") + instance);
        m.SetDword(info, "VideoMemory", 4194304);
    }
}

void PlantVideo(TestMachine& m, bool doubledName, bool wideMemory) {
    Text(m, kLM, "HARDWARE\\DEVICEMAP\\VIDEO", doubledName ? "\\\\Device\\\\Video0" : "\\Device\\Video0",
         std::string("\\Registry\\Machine\\") + kVideoDriverKey);
    m.SetBinary(kVideoDriverKey, "HardwareInformation.DacType", Wide("Video DAC"));
    m.SetBinary(kVideoDriverKey, "HardwareInformation.ChipType", Wide("Video Chip"));
    if (wideMemory) {
        m.SetBinary(kVideoDriverKey, "HardwareInformation.qwMemorySize", {0, 0, 0, 0, 2, 0, 0, 0});
    }
    m.SetDword(kVideoDriverKey, "HardwareInformation.MemorySize", 268435456);
    m.SetBinary(kVideoDriverKey, "HardwareInformation.BiosString", Wide("Video BIOS"));
}

// The second adapter's own class key on NT; the first one's holds nothing, so the video key answers
// for it.
void PlantAdapterKey(TestMachine& m, bool wideMemory) {
    const std::string key = std::string(kClassNt) + "\\{DISPLAY}\\0001";
    m.SetBinary(key, "HardwareInformation.DacType", Wide("Adapter DAC"));
    m.SetBinary(key, "HardwareInformation.ChipType", Wide("Adapter Chip"));
    m.SetBinary(key, "HardwareInformation.BiosString", Wide("Adapter BIOS"));
    if (wideMemory) m.SetBinary(key, "HardwareInformation.qwMemorySize", {0, 0, 0, 0, 3, 0, 0, 0});
    m.SetDword(key, "HardwareInformation.MemorySize", 536870912);
}

void PlantDescription(TestMachine& m) {
    Text(m, kLM, kDescription, "Identifier", "AT/AT COMPATIBLE");
    m.SetValue(kLM, kDescription, "SystemBiosVersion",
               {platform::kRegMultiSz, Bytes(std::string("BIOS 1.2\0More\0\0", 16))});
    Text(m, kLM, kDescription, "SystemBiosDate", "01/02/03");
    m.SetValue(kLM, kDescription, "VideoBiosVersion", {platform::kRegMultiSz, Bytes(std::string("VBIOS 3\0\0", 9))});
    Text(m, kLM, kDescription, "VideoBiosDate", "04/05/06");
}

void PlantInventory(TestMachine& m) {
    const std::string uninstall = std::string(kSoftwareCv) + "\\Uninstall";
    const struct {
        Hive hive;
        std::string key;
        std::vector<const char*> entries;
    } places[] = {
        {kLM, uninstall, {"App1", "App2"}},
        {kLM, "SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall", {"App32", "Other32"}},
        {kCU, uninstall, {"UserApp", "UserApp2"}},
    };
    for (const auto& place : places) {
        for (const char* entry : place.entries) {
            for (const char* value : kUninstallValues) {
                Text(m, place.hive, place.key + "\\" + entry, value, std::string(value) + " of " + entry);
            }
        }
    }
    const std::string run = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    const std::string run32 = "Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Run";
    const std::string approved = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\";
    for (const Hive hive : {kLM, kCU}) {
        const char* who = hive == kLM ? "machine" : "user";
        for (const char* suffix : {"", "Once", "OnceEx"}) {
            for (const char* program : {"First", "Second"}) {
                const std::string name = std::string(program) + suffix;
                Text(m, hive, run + suffix, name, "C:\\" + name + "-" + who + ".exe");
            }
        }
        m.SetValue(hive, approved + "Run", "First", {platform::kRegBinary, {3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}});
        m.SetValue(hive, approved + "Run", "Second", {platform::kRegBinary, {2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}});
        m.SetValue(hive, approved + "StartupFolder", std::string(who) + ".lnk", {platform::kRegBinary, {3, 0}});
        m.SetValue(hive, approved + "StartupFolder", std::string(who) + "2.lnk", {platform::kRegBinary, {2, 0}});
    }
    for (const char* suffix : {"", "Once"}) {
        for (const char* program : {"Wow", "Wow2"}) {
            Text(m, kLM, run32 + suffix, std::string(program) + suffix,
                 std::string("C:\\") + program + suffix + ".exe");
        }
    }
    m.SetValue(kLM, approved + "Run32", "Wow", {platform::kRegBinary, {3, 0}});
    m.SetValue(kLM, approved + "Run32", "Wow2", {platform::kRegBinary, {2, 0}});
    m.shellFolders[platform::kCsidlCommonStartup] = "C:\\All\\Startup";
    m.shellFolders[platform::kCsidlStartup] = "C:\\Me\\Startup";
    m.folderEntries["C:\\All\\Startup\\*.*"] = {{"."}, {".."}, {"machine.lnk"}, {"machine2.lnk"}};
    m.folderEntries["C:\\Me\\Startup\\*.*"] = {{"."}, {".."}, {"user.lnk"}, {"user2.lnk"}};
}

// Everything an NT machine holds, each value where its reader looks first.
void PlantNt(TestMachine& m) {
    m.version = testing::WindowsNt(5, 1, 2600, "Service Pack 3");
    Text(m, kLM, "Software\\Microsoft\\Internet Explorer", "svcVersion", "11.0.9600");
    Text(m, kLM, "Software\\Microsoft\\Internet Explorer", "Version", "9.11.9600");
    Text(m, kLM, kSoftwareCv, "ProductID", "55274-640-1");
    Text(m, kLM, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "ProductId", "00330-80000");
    Text(m, kLM, "Hardware\\Description\\System\\CentralProcessor\\0", "Identifier", "x86 Family 6 Model 8");
    for (int i = 0; i < 3; ++i) {
        Text(m, kLM, "hardware\\devicemap\\serialcomm", Format("\\Device\\Serial%d", i), Format("COM%d", i + 1));
        Text(m, kLM, "hardware\\devicemap\\PARALLEL PORTS", Format("\\Device\\Parallel%d", i),
             Format("\\DosDevices\\LPT%d", i + 1));
    }
    m.AddKey(kLM, "SYSTEM\\CurrentControlSet\\Enum\\PCMCIA");
    PlantDescription(m);
    Text(m, kLM, std::string(kSoftwareCv) + "\\WindowsUpdate\\OemInfo", "WbemOem", "Board Maker");
    for (const char* device : {"1", "2", "3"}) {
        Text(m, kLM, std::string("SOFTWARE\\Microsoft\\Fax\\Devices\\") + device, "Device Name",
             std::string("Fax device ") + device);
    }
    Text(m, kLM, "SOFTWARE\\Microsoft\\Ras\\Tapi Device\\Unimodem", "Friendly Name", "Unimodem 56K");
    PlantClassTree(m, kClassNt);
    PlantAdapterKey(m, false);
    PlantVideo(m, false, false);
    PlantInventory(m);
}

// The values a first choice hides: read only when it is not there.
void PlantNtSecondChoices(TestMachine& m) {
    PlantNt(m);
    m.RemoveValue(kLM, "Software\\Microsoft\\Internet Explorer", "svcVersion");
    m.RemoveValue(kLM, kSoftwareCv, "ProductID");
    m.RemoveKey(kLM, "SOFTWARE\\Microsoft\\Fax\\Devices");
    m.RemoveKey(kLM, "HARDWARE\\DEVICEMAP\\VIDEO");
    PlantVideo(m, true, true);
    PlantAdapterKey(m, true);
}

void PlantNtWithInfoKeys(TestMachine& m) {
    PlantNt(m);
    PlantInfoKeys(m, kClassNt);
}

void Plant98(TestMachine& m) {
    m.version = testing::Windows98();
    PlantClassTree(m, kClass9x);
    // Each class key links to the key of its own name.
    for (const char* key : {"{NET}", "{DISPLAY}", "{3D}", "{PORTS}"}) {
        Text(m, kLM, std::string(kClass9x) + "\\" + key, "Link", key);
    }
    PlantInfoKeys(m, kClass9x);
    PlantDescription(m);
}

// --- the readers ------------------------------------------------------------------------------------

struct Outcome {
    Rows rows;
    std::optional<std::string> error;  // the registry error that ended the reader or its refresh

    bool operator==(const Outcome&) const = default;
};

std::string Describe(const Outcome& outcome) {
    std::string text = outcome.error ? "error \"" + *outcome.error + "\"" : "no error";
    for (const auto& row : outcome.rows) {
        text += "\n  [";
        for (const std::string& cell : row)
            text += "\"" + (cell.size() > 60 ? cell.substr(0, 60) + "..." : cell) + "\" ";
        text += "]";
    }
    return text;
}

Outcome FromList(const ListRefresh& list) {
    return {list.rows, list.error};
}

Outcome FromDisplay(const DisplayWindowModel& model) {
    Rows rows{model.AdapterItems(), {}};
    for (const ShownText& row : model.Rows()) rows[1].push_back(row.text);
    return {rows, std::nullopt};
}

Outcome RunReader(RegistryReader reader, TestMachine& m, bool windows64) {
    auto text = [](std::string t) { return Outcome{{{std::move(t)}}, std::nullopt}; };
    DisplayWindowModel display;
    try {
        switch (reader) {
            case RegistryReader::IEVersion:
                return text(GetIEVersion(m));
            case RegistryReader::ProductID:
                return text(GetProductID(m));
            case RegistryReader::CPUIdentifier:
                return text(GetCPUIdentifier(m));
            case RegistryReader::COMPorts:
                return text(GetCOMPortsFromRegistry(m));
            case RegistryReader::LPTPorts:
                return text(GetLPTPortsFromRegistry(m));
            case RegistryReader::PCMCIA:
                return text(GetPCMCIAStatus(m));
            case RegistryReader::BIOS:
                return text(GetBIOSInfo(m));
            case RegistryReader::Motherboard:
                return text(GetMotherboard(m));
            case RegistryReader::Modems:
                return text(GetModems(m));
            case RegistryReader::DisplayWindow:
                display.Refresh(m);
                return FromDisplay(display);
            case RegistryReader::DeviceList:
                return FromList(ReadDeviceList(m));
            case RegistryReader::UninstallList:
                return FromList(ReadUninstallList(m, windows64));
            case RegistryReader::StartupList:
                return FromList(ReadStartupList(m, windows64));
        }
    } catch (const RegistryError& error) {
        // What the reader showed before the error ended it (the display window: nothing new).
        Outcome outcome = reader == RegistryReader::DisplayWindow ? FromDisplay(display) : Outcome{};
        outcome.error = error.what();
        return outcome;
    } catch (const std::exception& error) {
        return {{}, std::string("unexpected exception: ") + error.what()};
    }
    return {};
}

struct Scenario {
    const char* name;
    void (*plant)(TestMachine&);
    bool windows64;
    std::vector<RegistryReader> readers;
};

const std::vector<Scenario>& Scenarios() {
    using R = RegistryReader;
    static const std::vector<Scenario> scenarios = {
        {"NT",
         PlantNt,
         true,
         {R::IEVersion, R::ProductID, R::CPUIdentifier, R::COMPorts, R::LPTPorts, R::PCMCIA, R::BIOS, R::Motherboard,
          R::Modems, R::DisplayWindow, R::DeviceList, R::UninstallList, R::StartupList}},
        {"NT, first choices missing",
         PlantNtSecondChoices,
         false,
         {R::IEVersion, R::ProductID, R::Modems, R::DisplayWindow, R::UninstallList, R::StartupList}},
        {"NT with INFO keys", PlantNtWithInfoKeys, true, {R::DisplayWindow}},
        {"Windows 98", Plant98, false, {R::DisplayWindow}},
    };
    return scenarios;
}

// --- matching reads to the list ---------------------------------------------------------------------

bool IsValueRead(RegistryReadKind kind) {
    return kind == RegistryReadKind::Text || kind == RegistryReadKind::RawBytes || kind == RegistryReadKind::Number32 ||
           kind == RegistryReadKind::Number64;
}

bool Matches(const RegistryRead& entry, const Request& request) {
    if (entry.hive != request.hive || entry.view32 != request.view32) return false;
    if (!RegistryKeyPatternMatches(entry.key, request.key)) return false;
    switch (request.kind) {
        case Request::Kind::Open:
            return true;  // any entry of the key names its opening
        case Request::Kind::Value:
            return IsValueRead(entry.kind) &&
                   (std::string_view(entry.value) == "*" || EqualsIgnoreCase(entry.value, request.value));
        case Request::Kind::Subkeys:
            return entry.kind == RegistryReadKind::Subkeys;
        case Request::Kind::Values:
            return entry.kind == RegistryReadKind::ValueList;
    }
    return false;
}

bool SameRead(const RegistryRead& entry, const Request& request) {
    if (!Matches(entry, request)) return false;
    if (entry.kind == RegistryReadKind::KeyExists) return request.kind == Request::Kind::Open;
    return request.kind != Request::Kind::Open;
}

std::string Describe(const Request& request) {
    static const char* kinds[] = {"open", "value", "subkeys", "values"};
    return Format("%s %s%s\\%s [%s]", kinds[static_cast<int>(request.kind)], request.hive == kLM ? "HKLM" : "HKCU",
                  request.view32 ? " (32-bit)" : "", request.key.c_str(), request.value.c_str());
}

// Reads of a run that no entry of the reader names; a fault run's opens follow what the data names.
std::vector<std::string> UnlistedReads(RegistryReader reader, const std::vector<Request>& requests, bool withOpens) {
    std::vector<std::string> unlisted;
    for (const Request& request : requests) {
        if (request.kind == Request::Kind::Open && !withOpens) continue;
        bool listed = false;
        for (const RegistryRead& entry : RegistryCatalog()) {
            listed = listed || (entry.reader == reader && Matches(entry, request));
        }
        if (!listed) unlisted.push_back(Describe(request));
    }
    return unlisted;
}

// --- the faults -------------------------------------------------------------------------------------

struct Fault {
    std::string name;
    enum class Plant { RemoveKey, RemoveValue, Value } plant;
    std::optional<std::uint32_t> type;  // nullopt: the type the value had
    std::vector<std::uint8_t> data;
};

std::vector<Fault> Faults() {
    using P = Fault::Plant;
    std::vector<Fault> faults = {
        {"key missing", P::RemoveKey, {}, {}},
        {"value missing", P::RemoveValue, {}, {}},
        {"empty", P::Value, {}, {}},
        {"text without its NUL", P::Value, {}, Bytes("no terminator")},
        {"64 KB text", P::Value, {}, Terminated(std::string(64 * 1024, 'k'))},
        {"1 MB text", P::Value, {}, Terminated(std::string(1024 * 1024, 'm'))},
        {"bytes above 0x7F", P::Value, {}, Terminated("\xC4pfel \xE9t\xE9 \xFF\x80\x9F")},
        {"embedded NUL", P::Value, {}, Bytes(std::string("before\0after\0", 13))},
        {"short number", P::Value, platform::kRegDword, {1, 2}},
    };
    const struct {
        const char* name;
        std::uint32_t type;
    } types[] = {
        {"REG_NONE", platform::kRegNone},
        {"REG_SZ", platform::kRegSz},
        {"REG_EXPAND_SZ", platform::kRegExpandSz},
        {"REG_BINARY", platform::kRegBinary},
        {"REG_DWORD", platform::kRegDword},
        {"REG_DWORD_BIG_ENDIAN", platform::kRegDwordBigEndian},
        {"REG_LINK", platform::kRegLink},
        {"REG_MULTI_SZ", platform::kRegMultiSz},
        {"REG_RESOURCE_LIST", platform::kRegResourceList},
        {"REG_QWORD", platform::kRegQword},
    };
    for (const auto& t : types) {
        std::vector<std::uint8_t> data = Terminated("typed text");
        if (t.type == platform::kRegDword || t.type == platform::kRegDwordBigEndian) data = {0x2A, 0, 0, 0};
        if (t.type == platform::kRegQword) data = {0x2A, 0, 0, 0, 1, 0, 0, 0};
        faults.push_back({t.name, P::Value, t.type, std::move(data)});
    }
    return faults;
}

bool RawAccepts(const RegValue& value, std::size_t capacity) {
    const bool text = value.type == platform::kRegSz || value.type == platform::kRegExpandSz;
    return !text && value.type != platform::kRegDword && value.data.size() <= capacity;
}

// Whether the entry's read takes the value; otherwise its bad-value outcome applies.
bool Accepts(const RegistryRead& entry, const RegValue& value) {
    const bool number = value.type == platform::kRegDword && value.data.size() >= 4;
    switch (entry.kind) {
        case RegistryReadKind::Text:
            return value.type == platform::kRegSz || value.type == platform::kRegExpandSz;
        case RegistryReadKind::RawBytes:
        case RegistryReadKind::Number64:
            return RawAccepts(value, entry.capacity);
        case RegistryReadKind::Number32:
            return number || (entry.capacity > 0 && RawAccepts(value, entry.capacity));
        default:
            return true;
    }
}

bool Shows(const Outcome& outcome, const std::string& text) {
    for (const auto& row : outcome.rows) {
        for (const std::string& cell : row) {
            if (cell.find(text) != std::string::npos) return true;
        }
    }
    return false;
}

// The run of one reader on one planted machine, with what it asked.
struct ReaderRun {
    Outcome outcome;
    std::vector<Request> requests;
};

struct Target {
    const RegistryRead* entry;
    const Scenario* scenario;
    Request request;  // the concrete key and value the normal run read
    RegValue normal;  // the value as planted
};

// The target's reader on its planted machine, changed as the fault says.
ReaderRun RunTarget(const Target& t, const std::function<void(TestMachine&)>& change) {
    TestMachine machine;
    t.scenario->plant(machine);
    if (change) change(machine);
    machine.registryRequests.clear();
    Outcome outcome = RunReader(t.entry->reader, machine, t.scenario->windows64);
    return {std::move(outcome), std::move(machine.registryRequests)};
}

// Where the normal run shows the target's text: row and cell; nullopt when it does not show it verbatim.
std::optional<std::pair<std::size_t, std::size_t>> Cell(const Outcome& outcome, const std::string& text) {
    for (std::size_t r = 0; r < outcome.rows.size(); ++r) {
        for (std::size_t c = 0; c < outcome.rows[r].size(); ++c) {
            if (outcome.rows[r][c] == text) return std::pair(r, c);
        }
    }
    return std::nullopt;
}

TEST(RegistryFaultMatrix, EveryListedValueWithEveryFaultGivesTheDesignedOutcome) {
    // Normal runs: every read must be listed, and every entry of the list read somewhere.
    std::vector<Target> targets;
    std::set<const RegistryRead*> read;
    for (const Scenario& scenario : Scenarios()) {
        for (const RegistryReader reader : scenario.readers) {
            TestMachine machine;
            scenario.plant(machine);
            const Outcome outcome = RunReader(reader, machine, scenario.windows64);
            EXPECT_FALSE(outcome.error) << scenario.name << ", " << RegistryReaderName(reader) << ": "
                                        << *outcome.error;
            for (const std::string& unlisted : UnlistedReads(reader, machine.registryRequests, true)) {
                ADD_FAILURE() << scenario.name << ", " << RegistryReaderName(reader)
                              << " reads what the list does not name: " << unlisted;
            }
            const std::vector<Request> requests = machine.registryRequests;
            // The value as planted; nullopt when the reader asked for a value that is not there.
            auto planted = [&](const Request& request) -> std::optional<RegValue> {
                auto key = machine.OpenKey(request.hive, request.storedKey);
                return key ? key->QueryValue(request.value) : std::nullopt;
            };
            for (const RegistryRead& entry : RegistryCatalog()) {
                if (entry.reader != reader || read.count(&entry)) continue;
                std::vector<const Request*> hits;  // each concrete key and value once
                for (const Request& request : requests) {
                    if (!SameRead(entry, request)) continue;
                    if (IsValueRead(entry.kind) && !planted(request)) continue;
                    const bool seen = std::any_of(hits.begin(), hits.end(), [&](const Request* hit) {
                        return EqualsIgnoreCase(hit->storedKey, request.storedKey) &&
                               EqualsIgnoreCase(hit->value, request.value);
                    });
                    if (!seen) hits.push_back(&request);
                }
                if (hits.empty()) continue;
                read.insert(&entry);
                // A later instance, so that a refresh that stops there has rows before it.
                const Request chosen =
                    *hits[std::min<std::size_t>(hits.size() - 1, std::max<std::size_t>(1, hits.size() / 2))];
                RegValue normal;
                if (IsValueRead(entry.kind)) normal = *planted(chosen);
                targets.push_back({&entry, &scenario, chosen, normal});
            }
        }
    }
    for (const RegistryRead& entry : RegistryCatalog()) {
        EXPECT_TRUE(read.count(&entry)) << "no planted machine makes " << RegistryReaderName(entry.reader) << " read "
                                        << entry.key << " [" << entry.value << "]";
    }

    const std::vector<Fault> faults = Faults();
    std::size_t faultRuns = 0;
    for (const Target& t : targets) {
        const RegistryRead& entry = *t.entry;
        const Request& at = t.request;
        const std::string where = std::string(RegistryReaderName(entry.reader)) + ", " + t.scenario->name + ", " +
                                  at.key + " [" + at.value + "]";
        const ReaderRun normal = RunTarget(t, nullptr);
        const ReaderRun missing = RunTarget(t, [&](TestMachine& m) {
            if (IsValueRead(entry.kind))
                m.RemoveValue(at.hive, at.storedKey, at.value);
            else
                m.RemoveKey(at.hive, at.storedKey);
        });
        const std::string normalText =
            entry.kind == RegistryReadKind::Text ? TextUpToNul(t.normal.data) : std::string();
        const auto normalCell = normalText.empty() ? std::nullopt : Cell(normal.outcome, normalText);

        for (const Fault& fault : faults) {
            if (!IsValueRead(entry.kind) && fault.plant != Fault::Plant::RemoveKey) continue;
            ++faultRuns;
            const std::string what = where + ", " + fault.name;
            const RegValue planted{fault.type.value_or(t.normal.type), fault.data};
            const ReaderRun faulted = RunTarget(t, [&](TestMachine& m) {
                switch (fault.plant) {
                    case Fault::Plant::RemoveKey:
                        m.RemoveKey(at.hive, at.storedKey);
                        break;
                    case Fault::Plant::RemoveValue:
                        m.RemoveValue(at.hive, at.storedKey, at.value);
                        break;
                    case Fault::Plant::Value:
                        m.SetValue(at.hive, at.storedKey, at.value, planted);
                        break;
                }
            });
            for (const std::string& unlisted : UnlistedReads(entry.reader, faulted.requests, false)) {
                ADD_FAILURE() << what << ": reads what the list does not name: " << unlisted;
            }
            const Outcome& got = faulted.outcome;

            if (fault.plant != Fault::Plant::Value) {
                EXPECT_FALSE(got.error) << what << ": " << Describe(got);
                EXPECT_FALSE(normalCell && Shows(got, normalText)) << what << ": " << Describe(got);
                continue;
            }
            if (Accepts(entry, planted)) {
                if (entry.kind == RegistryReadKind::Text) {
                    // Read as the text up to its first NUL: the same as that text planted cleanly.
                    const std::string expected = TextUpToNul(planted.data);
                    const ReaderRun clean = RunTarget(t, [&](TestMachine& m) {
                        m.SetValue(at.hive, at.storedKey, at.value, {platform::kRegSz, Terminated(expected)});
                    });
                    EXPECT_EQ(got, clean.outcome) << what << ":\n"
                                                  << Describe(got) << "\nnot\n"
                                                  << Describe(clean.outcome);
                    EXPECT_TRUE(!normalCell || expected.empty() || Shows(got, expected))
                        << what << ": " << Describe(got);
                } else {
                    EXPECT_FALSE(got.error) << what << ": " << Describe(got);
                }
                continue;
            }
            const std::string message = InvalidDataTypeMessage(at.value);
            switch (entry.onBadValue) {
                case BadValueOutcome::Raises: {
                    Outcome expected;
                    if (entry.reader == RegistryReader::DisplayWindow) expected = FromDisplay(DisplayWindowModel());
                    expected.error = message;
                    EXPECT_EQ(got, expected) << what << ":\n" << Describe(got);
                    break;
                }
                case BadValueOutcome::EndsRefresh: {
                    ASSERT_TRUE(normalCell) << where << ": the normal run does not show " << normalText;
                    const auto [row, cell] = *normalCell;
                    Outcome expected{
                        Rows(normal.outcome.rows.begin(), normal.outcome.rows.begin() + static_cast<long>(row)),
                        message};
                    if (cell > 0) {
                        const auto& kept = normal.outcome.rows[row];
                        expected.rows.emplace_back(kept.begin(), kept.begin() + static_cast<long>(cell));
                    }
                    EXPECT_EQ(got, expected) << what << ":\n" << Describe(got) << "\nnot\n" << Describe(expected);
                    break;
                }
                case BadValueOutcome::FailureText:
                    EXPECT_EQ(got, (Outcome{{{entry.failureText}}, std::nullopt})) << what << ":\n" << Describe(got);
                    break;
                case BadValueOutcome::AsMissing:
                    EXPECT_EQ(got, missing.outcome) << what << ":\n"
                                                    << Describe(got) << "\nnot\n"
                                                    << Describe(missing.outcome);
                    break;
                case BadValueOutcome::NotApplicable:
                    ADD_FAILURE() << what << ": a value without a bad-value outcome";
                    break;
            }
        }
    }
    std::printf("[ matrix   ] %zu registry reads listed, %zu values and keys faulted, %zu fault runs\n",
                RegistryCatalog().size(), targets.size(), faultRuns);
}

TEST(RegistryFaultMatrix, KeyPatternsMatchWholeComponents) {
    const struct {
        const char* pattern;
        const char* path;
        bool matches;
    } cases[] = {
        {"SOFTWARE\\A\\*", "software\\a\\Entry", true},     {"SOFTWARE\\A\\*", "SOFTWARE\\A", false},
        {"SOFTWARE\\A\\*", "SOFTWARE\\A\\B\\C", false},     {"SOFTWARE\\A", "SOFTWARE\\AB", false},
        {"SOFTWARE\\*\\0000", "SOFTWARE\\{X}\\0000", true}, {"SOFTWARE\\*\\0000", "SOFTWARE\\{X}\\0001", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RegistryKeyPatternMatches(c.pattern, c.path), c.matches) << c.pattern << " ~ " << c.path;
    }
}

}  // namespace
}  // namespace orvane
