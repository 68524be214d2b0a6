#include "screens/startup/startup_model.h"

#include <limits>

#include "core/text.h"
#include "probes/registry_reader.h"

namespace orvane {

namespace {

constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kRunOnceKey = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
constexpr const char* kRunOnceExKey = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnceEx";
constexpr const char* kApprovedRoot = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\";

std::string StatusOf(platform::Registry& registry, platform::Hive hive, const char* approvedKey,
                     const std::string& name) {
    if (!approvedKey) return kEnabledText;
    RegKey approved = RegKey::Open(registry, std::string(kApprovedRoot) + approvedKey, hive);
    // Only a binary flag record can disable an entry; anything else leaves it as Windows would run it.
    if (approved.ValueType(name) != platform::kRegBinary) return kEnabledText;
    return StartupApprovedDisabled(approved.ReadRaw(name, std::numeric_limits<std::size_t>::max())) ? kDisabledText
                                                                                                    : kEnabledText;
}

}  // namespace

std::vector<RunKeyPlace> RunKeyPlaces(bool windows64) {
    using platform::Hive;
    std::vector<RunKeyPlace> places = {
        {Hive::LocalMachine, false, kRunKey, "Registry (HKLM) - Run", "Run"},
        {Hive::LocalMachine, false, kRunOnceKey, "Registry (HKLM) - Run Once", nullptr},
        {Hive::LocalMachine, false, kRunOnceExKey, "Registry (HKLM) - Run OnceEx", nullptr},
    };
    if (windows64) {
        places.push_back({Hive::LocalMachine, true, kRunKey, "Registry (HKLM) - Run (32-bit)", "Run32"});
        places.push_back({Hive::LocalMachine, true, kRunOnceKey, "Registry (HKLM) - Run Once (32-bit)", nullptr});
    }
    places.push_back({Hive::CurrentUser, false, kRunKey, "Registry (HKCU) - Run", "Run"});
    places.push_back({Hive::CurrentUser, false, kRunOnceKey, "Registry (HKCU) - Run Once", nullptr});
    places.push_back({Hive::CurrentUser, false, kRunOnceExKey, "Registry (HKCU) - Run Once Ex", nullptr});
    return places;
}

bool StartupApprovedDisabled(const std::vector<std::uint8_t>& flags) {
    return !flags.empty() && (flags[0] & 1) != 0;
}

std::vector<StartupFolder> StartupFolders(platform::System& sys) {
    std::vector<StartupFolder> folders;
    const std::optional<std::string> common = sys.ShellFolderPath(platform::kCsidlCommonStartup);
    folders.push_back({common ? *common : "C:\\Documents and Settings\\All Users\\Start Menu\\Programs\\Startup",
                       kAllUsersStartupText, platform::Hive::LocalMachine});
    std::optional<std::string> own = sys.ShellFolderPath(platform::kCsidlStartup);
    if (!own) {
        const std::string user = Trim(sys.UserName(100).value_or(std::string()));
        own = "C:\\Documents and Settings\\" + user + "\\Start Menu\\Programs\\Startup";
    }
    folders.push_back({*own, kCurrentUserStartupText, platform::Hive::CurrentUser});
    for (StartupFolder& folder : folders) {
        while (!folder.path.empty() && folder.path.back() == '\\') folder.path.pop_back();
    }
    return folders;
}

ListRefresh ReadStartupList(platform::System& sys, bool windows64) {
    ListRefresh list;
    for (const RunKeyPlace& place : RunKeyPlaces(windows64)) {
        RegKey key =
            place.view32 ? RegKey::Open32(sys, place.path, place.hive) : RegKey::Open(sys, place.path, place.hive);
        if (!key.IsOpen()) continue;
        for (const std::string& name : key.ValueNames()) {
            const std::optional<std::uint32_t> type = key.ValueType(name);
            if (type != platform::kRegSz && type != platform::kRegExpandSz) continue;
            std::string command = key.ReadText(name);
            if (command.empty()) continue;
            list.rows.push_back(
                {place.location, name, std::move(command), StatusOf(sys, place.hive, place.approvedKey, name)});
        }
    }
    for (const StartupFolder& folder : StartupFolders(sys)) {
        for (const platform::FoundFile& entry : sys.FindFiles(folder.path + "\\*.*")) {
            if (entry.name == "." || entry.name == "..") continue;
            // The folder's settings file is listed as the folder holds it, but it is no program that
            // starts, so it has no enabled state.
            const bool settings = EqualsIgnoreCase(entry.name, "desktop.ini");
            list.rows.push_back(
                {folder.location, entry.name, folder.path + "\\" + entry.name,
                 settings ? std::string() : StatusOf(sys, folder.approvedHive, "StartupFolder", entry.name)});
        }
    }
    return list;
}

}  // namespace orvane
