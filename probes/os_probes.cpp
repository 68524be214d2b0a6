#include "probes/os_probes.h"

#include "core/text.h"
#include "probes/registry_reader.h"

namespace orvane {

using platform::kPlatformNt;
using platform::kPlatformWin32s;
using platform::kPlatformWindows;
using platform::OsVersion;

namespace {

// Names end in a space only where the line separates them from the version digits.
const char* WindowsName(const OsVersion& v) {
    switch (v.platformId) {
        case kPlatformWin32s:
            return "Windows 3.1x running Win32s ";
        case kPlatformWindows:
            if (v.major != 4) return "Unknown";
            if (v.minor == 0) return "Windows 95";
            // Windows 98 SE reports " A " in szCSDVersion: the letter is the second character.
            if (v.minor == 10) return (v.csd.size() > 1 && v.csd[1] == 'A') ? "Windows 98SE" : "Windows 98";
            if (v.minor == 90) return "Windows ME";
            return "Unknown";
        case kPlatformNt:
            if (v.major != 5) return "Windows NT";
            if (v.minor == 0) return "Windows 2000 ";
            if (v.minor == 1) return "Windows XP";
            if (v.minor == 2) return "Windows Server 2003";
            return "Unknown";
        default:
            return "";
    }
}

}  // namespace

std::string FormatWindowsVersion(const OsVersion& v) {
    std::string line = WindowsName(v);
    line += Format("%u.%u (Build %u) ", v.major, v.minor, v.build & 0xFFFFu);
    if (v.platformId == kPlatformNt) line += v.csd;
    return line;
}

std::string GetWindowsVersion(System& sys) {
    return Guarded([&] {
        const auto version = sys.Version();
        return version ? FormatWindowsVersion(*version) : std::string();
    });
}

std::string GetIEVersion(System& sys) {
    RegKey key = RegKey::Open(sys, "Software\\Microsoft\\Internet Explorer");
    if (!key.HasValue("Version")) return "Not Installed";
    return key.ReadText("Version");
}

std::string GetProductID(System& sys) {
    return Guarded([&] {
        RegKey key = RegKey::Open(sys, "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\");
        return key.IsOpen() ? key.ReadText("ProductID") : std::string();
    });
}

std::string GetTimeZoneName(System& sys) {
    return Guarded([&] { return sys.TimeZoneStandardName().value_or(std::string()); });
}

std::string GetDefaultPrinterName(System& sys) {
    return Guarded([&] {
        const auto printer = sys.DefaultPrinter();
        if (!printer) return std::string();
        // The 95/98/ME print subsystem lists its printers once per port.
        const auto version = sys.Version();
        if (version && version->platformId == kPlatformWindows && !printer->port.empty()) {
            return printer->name + " on " + printer->port;
        }
        return printer->name;
    });
}

int ClassifyWindowsKind(const OsVersion& v) {
    if (v.platformId == kPlatformNt) {
        switch (v.major) {
            case 3: return 5;
            case 4: return 6;
            case 5: return 7;
            default: return 0;
        }
    }
    const std::string letter = Trim(v.csd);
    if (v.major == 4 && v.minor == 0) return letter == "B" ? 2 : 1;
    if (v.major == 4 && v.minor == 10) return letter == "A" ? 4 : 3;
    return 0;
}

int GetWindowsKind(System& sys) {
    const auto version = sys.Version();
    return version ? ClassifyWindowsKind(*version) : ClassifyWindowsKind(OsVersion{});
}

}  // namespace orvane
