#include "probes/registry_catalog.h"

#include <string>
#include <vector>

#include "core/text.h"

namespace orvane {

namespace {

using platform::Hive;
using K = RegistryReadKind;
using O = BadValueOutcome;
using R = RegistryReader;

constexpr Hive kLM = Hive::LocalMachine;
constexpr Hive kCU = Hive::CurrentUser;

RegistryRead Text(Hive hive, const char* key, const char* value, R reader, O onBad, const char* failure = "") {
    return {hive, false, key, value, K::Text, 0, reader, onBad, failure};
}

RegistryRead Enumeration(Hive hive, bool view32, const char* key, K kind, R reader) {
    return {hive, view32, key, "", kind, 0, reader, O::NotApplicable, ""};
}

void AddDisplayClassTree(std::vector<RegistryRead>& list, const char* root, const char* classKeys,
                         const char* instanceKeys, const char* infoKeys, bool windowsFamily) {
    list.push_back(Enumeration(kLM, false, root, K::Subkeys, R::DisplayWindow));
    list.push_back(Text(kLM, classKeys, "Class", R::DisplayWindow, O::Raises));
    // 95/98/ME find the class's own key through its "Link".
    if (windowsFamily) list.push_back(Text(kLM, classKeys, "Link", R::DisplayWindow, O::Raises));
    list.push_back(Enumeration(kLM, false, classKeys, K::Subkeys, R::DisplayWindow));
    list.push_back(Text(kLM, instanceKeys, "DriverDesc", R::DisplayWindow, O::Raises));
    for (const char* name : {"DACType", "ChipType", "Revision"}) {
        list.push_back(Text(kLM, infoKeys, name, R::DisplayWindow, O::Raises));
    }
    list.push_back({kLM, false, infoKeys, "VideoMemory", K::Number32, 0, R::DisplayWindow, O::Raises, ""});
}

std::vector<RegistryRead> BuildCatalog() {
    std::vector<RegistryRead> list;

    // The summary rows and the personal window.
    list.push_back(Text(kLM, "Software\\Microsoft\\Internet Explorer", "svcVersion", R::IEVersion, O::Raises));
    list.push_back(Text(kLM, "Software\\Microsoft\\Internet Explorer", "Version", R::IEVersion, O::Raises));
    list.push_back(Text(kLM, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProductID", R::ProductID, O::AsMissing));
    list.push_back(
        Text(kLM, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "ProductId", R::ProductID, O::AsMissing));
    list.push_back(Text(kLM, "Hardware\\Description\\System\\CentralProcessor\\0", "Identifier", R::CPUIdentifier,
                        O::FailureText));
    list.push_back(Enumeration(kLM, false, "hardware\\devicemap\\serialcomm", K::ValueList, R::COMPorts));
    list.push_back(Text(kLM, "hardware\\devicemap\\serialcomm", "*", R::COMPorts, O::FailureText));
    list.push_back(Enumeration(kLM, false, "hardware\\devicemap\\PARALLEL PORTS", K::ValueList, R::LPTPorts));
    list.push_back(Text(kLM, "hardware\\devicemap\\PARALLEL PORTS", "*", R::LPTPorts, O::FailureText));
    list.push_back(Enumeration(kLM, false, "SYSTEM\\CurrentControlSet\\Enum\\PCMCIA", K::KeyExists, R::PCMCIA));
    list.push_back(Text(kLM, "HARDWARE\\DESCRIPTION\\System", "Identifier", R::BIOS, O::FailureText));
    list.push_back({kLM, false, "HARDWARE\\DESCRIPTION\\System", "SystemBiosVersion", K::RawBytes, 255, R::BIOS,
                    O::AsMissing, ""});
    list.push_back(Text(kLM, "HARDWARE\\DESCRIPTION\\System", "SystemBiosDate", R::BIOS, O::FailureText));
    list.push_back(Text(kLM, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\WindowsUpdate\\OemInfo", "WbemOem",
                        R::Motherboard, O::Raises));
    list.push_back(Enumeration(kLM, false, "SOFTWARE\\Microsoft\\Fax\\Devices", K::Subkeys, R::Modems));
    list.push_back(Text(kLM, "SOFTWARE\\Microsoft\\Fax\\Devices\\*", "Device Name", R::Modems, O::FailureText));
    list.push_back(
        Text(kLM, "SOFTWARE\\Microsoft\\Ras\\Tapi Device\\Unimodem", "Friendly Name", R::Modems, O::FailureText));

    // The display window: adapters and 3D accelerators from the device-class tree, the 95/98/ME INFO
    // keys, the NT adapters' own class keys and the video key the device map names, the video BIOS.
    AddDisplayClassTree(list, "SYSTEM\\CurrentControlSet\\Control\\Class",
                        "SYSTEM\\CurrentControlSet\\Control\\Class\\*",
                        "SYSTEM\\CurrentControlSet\\Control\\Class\\*\\*",
                        "SYSTEM\\CurrentControlSet\\Control\\Class\\*\\*\\INFO", false);
    AddDisplayClassTree(list, "SYSTEM\\CurrentControlSet\\Services\\Class",
                        "SYSTEM\\CurrentControlSet\\Services\\Class\\*",
                        "SYSTEM\\CurrentControlSet\\Services\\Class\\*\\*",
                        "SYSTEM\\CurrentControlSet\\Services\\Class\\*\\*\\INFO", true);
    list.push_back(Text(kLM, "HARDWARE\\DEVICEMAP\\VIDEO", "\\Device\\Video0", R::DisplayWindow, O::Raises));
    list.push_back(Text(kLM, "HARDWARE\\DEVICEMAP\\VIDEO", "\\\\Device\\\\Video0", R::DisplayWindow, O::Raises));
    // The key "\Device\Video0" names (after "\Registry\Machine\"): a driver's key of the video tree.
    constexpr const char* kVideoKey = "SYSTEM\\CurrentControlSet\\Control\\Video\\*\\*";
    list.push_back(
        {kLM, false, kVideoKey, "HardwareInformation.DacType", K::RawBytes, 255, R::DisplayWindow, O::AsMissing, ""});
    list.push_back(
        {kLM, false, kVideoKey, "HardwareInformation.ChipType", K::RawBytes, 255, R::DisplayWindow, O::AsMissing, ""});
    list.push_back({kLM, false, kVideoKey, "HardwareInformation.qwMemorySize", K::Number64, 8, R::DisplayWindow,
                    O::AsMissing, ""});
    // Binary of at most 4 bytes, or a 32-bit number.
    list.push_back(
        {kLM, false, kVideoKey, "HardwareInformation.MemorySize", K::Number32, 4, R::DisplayWindow, O::AsMissing, ""});
    list.push_back(
        {kLM, false, kVideoKey, "HardwareInformation.BiosString", K::RawBytes, 255, R::DisplayWindow, O::AsMissing, ""});
    // On NT each listed adapter's own class key first, read as its video key is.
    constexpr const char* kAdapterKey = "SYSTEM\\CurrentControlSet\\Control\\Class\\*\\*";
    for (const char* name :
         {"HardwareInformation.DacType", "HardwareInformation.ChipType", "HardwareInformation.BiosString"}) {
        list.push_back({kLM, false, kAdapterKey, name, K::RawBytes, 255, R::DisplayWindow, O::AsMissing, ""});
    }
    list.push_back({kLM, false, kAdapterKey, "HardwareInformation.qwMemorySize", K::Number64, 8, R::DisplayWindow,
                    O::AsMissing, ""});
    list.push_back({kLM, false, kAdapterKey, "HardwareInformation.MemorySize", K::Number32, 4, R::DisplayWindow,
                    O::AsMissing, ""});
    list.push_back({kLM, false, "HARDWARE\\DESCRIPTION\\System", "VideoBiosVersion", K::RawBytes, 151, R::DisplayWindow,
                    O::AsMissing, ""});
    list.push_back(Text(kLM, "HARDWARE\\DESCRIPTION\\System", "VideoBiosDate", R::DisplayWindow, O::Raises));

    // The device list window: the first instance of every device class.
    list.push_back(Enumeration(kLM, false, "SYSTEM\\CurrentControlSet\\Control\\Class", K::Subkeys, R::DeviceList));
    for (const char* name : {"DriverDesc", "ProviderName", "DriverVersion"}) {
        list.push_back(
            Text(kLM, "SYSTEM\\CurrentControlSet\\Control\\Class\\*\\0000", name, R::DeviceList, O::EndsRefresh));
    }

    // The installed applications window: the machine's two views and the user's key.
    struct Place {
        Hive hive;
        bool view32;
    };
    constexpr const char* kUninstall = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
    constexpr const char* kUninstallEntries = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\*";
    for (const Place place : {Place{kLM, false}, Place{kLM, true}, Place{kCU, false}}) {
        list.push_back(Enumeration(place.hive, place.view32, kUninstall, K::Subkeys, R::UninstallList));
        for (const char* name : {"DisplayName", "DisplayVersion", "HelpLink", "HelpTelephone", "InstallLocation",
                                 "InstallSource", "Publisher", "Readme", "UninstallString"}) {
            list.push_back(
                {place.hive, place.view32, kUninstallEntries, name, K::Text, 0, R::UninstallList, O::EndsRefresh, ""});
        }
    }

    // The startup window: the Run keys' values (a value not of a text type is no program) and Task
    // Manager's flag records under StartupApproved.
    struct RunKey {
        Hive hive;
        bool view32;
        const char* path;
    };
    for (const RunKey run : {RunKey{kLM, false, "Software\\Microsoft\\Windows\\CurrentVersion\\Run"},
                             RunKey{kLM, false, "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce"},
                             RunKey{kLM, false, "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnceEx"},
                             RunKey{kLM, true, "Software\\Microsoft\\Windows\\CurrentVersion\\Run"},
                             RunKey{kLM, true, "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce"},
                             RunKey{kCU, false, "Software\\Microsoft\\Windows\\CurrentVersion\\Run"},
                             RunKey{kCU, false, "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce"},
                             RunKey{kCU, false, "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnceEx"}}) {
        list.push_back(Enumeration(run.hive, run.view32, run.path, K::ValueList, R::StartupList));
        list.push_back({run.hive, run.view32, run.path, "*", K::Text, 0, R::StartupList, O::AsMissing, ""});
    }
    for (const RunKey approved :
         {RunKey{kLM, false, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run"},
          RunKey{kLM, false, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run32"},
          RunKey{kLM, false, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\StartupFolder"},
          RunKey{kCU, false, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run"},
          RunKey{kCU, false,
                 "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\StartupFolder"}}) {
        list.push_back({approved.hive, false, approved.path, "*", K::RawBytes, static_cast<std::size_t>(-1),
                        R::StartupList, O::AsMissing, ""});
    }

    // The tools launcher and the sound window add their reads here.
    return list;
}

}  // namespace

std::span<const RegistryRead> RegistryCatalog() {
    static const std::vector<RegistryRead> catalog = BuildCatalog();
    return catalog;
}

std::string_view RegistryReaderName(RegistryReader reader) {
    switch (reader) {
        case R::IEVersion:
            return "summary row Internet Explorer";
        case R::ProductID:
            return "personal window row Product ID";
        case R::CPUIdentifier:
            return "summary row CPU (fallback)";
        case R::COMPorts:
            return "summary row COM Ports (fallback)";
        case R::LPTPorts:
            return "summary row LPT Ports (fallback)";
        case R::PCMCIA:
            return "summary row PCMCIA";
        case R::BIOS:
            return "summary row BIOS";
        case R::Motherboard:
            return "summary row Motherboard";
        case R::Modems:
            return "summary row Modems";
        case R::DisplayWindow:
            return "display window";
        case R::DeviceList:
            return "device list window";
        case R::UninstallList:
            return "installed applications window";
        case R::StartupList:
            return "startup window";
    }
    return "";
}

bool RegistryKeyPatternMatches(std::string_view pattern, std::string_view path) {
    auto next = [](std::string_view& rest) {
        const std::size_t cut = rest.find('\\');
        const std::string_view part = rest.substr(0, cut);
        rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
        return part;
    };
    while (!pattern.empty() && !path.empty()) {
        const std::string_view want = next(pattern);
        const std::string_view have = next(path);
        if (want != "*" && !EqualsIgnoreCase(want, have)) return false;
    }
    return pattern.empty() && path.empty();
}

}  // namespace orvane
