#include "probes/os_probes.h"

#include "core/text.h"
#include "probes/registry_reader.h"

namespace orvane {

using platform::kPlatformNt;
using platform::kPlatformWin32s;
using platform::kPlatformWindows;
using platform::OsVersion;

namespace {

// The releases from NT 6 on, in the same form as the older names: the space before the version digits.
const char* NtSixAndLaterName(const OsVersion& v, bool server) {
    const std::uint32_t build = v.build & 0xFFFFu;
    if (v.major == 6) {
        static const char* const kDesktop[] = {"Windows Vista ", "Windows 7 ", "Windows 8 ", "Windows 8.1 "};
        static const char* const kServer[] = {"Windows Server 2008 ", "Windows Server 2008 R2 ",
                                              "Windows Server 2012 ", "Windows Server 2012 R2 "};
        if (v.minor > 3) return "Windows NT";
        return server ? kServer[v.minor] : kDesktop[v.minor];
    }
    if (v.major == 10 && v.minor == 0) {
        if (!server) return build >= 22000 ? "Windows 11 " : "Windows 10 ";
        if (build >= 26100) return "Windows Server 2025 ";
        if (build >= 20348) return "Windows Server 2022 ";
        if (build >= 17763) return "Windows Server 2019 ";
        return "Windows Server 2016 ";
    }
    return "Windows NT";
}

// Names end in a space only where the line separates them from the version digits.
const char* WindowsName(const OsVersion& v, bool server) {
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
            if (v.major >= 6) return NtSixAndLaterName(v, server);
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

std::string FormatWindowsVersion(const OsVersion& v, bool server) {
    std::string line = WindowsName(v, server);
    line += Format("%u.%u (Build %u) ", v.major, v.minor, v.build & 0xFFFFu);
    if (v.platformId == kPlatformNt) line += v.csd;
    return line;
}

std::string GetWindowsVersion(System& sys) {
    return Guarded([&] {
        const auto version = sys.Version();
        if (!version) return std::string();
        // Only the releases from NT 6 on are named by their product type: the older lines stay as they were.
        bool server = false;
        if (version->platformId == kPlatformNt && version->major >= 6) {
            const auto type = sys.ProductType();
            server = type && (*type == platform::kProductServer || *type == platform::kProductDomainController);
        }
        return FormatWindowsVersion(*version, server);
    });
}

std::string GetIEVersion(System& sys) {
    RegKey key = RegKey::Open(sys, "Software\\Microsoft\\Internet Explorer");
    // From version 10 on, "Version" holds 9.10 or 9.11 and the real version is in "svcVersion".
    if (key.HasValue("svcVersion")) return key.ReadText("svcVersion");
    if (!key.HasValue("Version")) return "Not Installed";
    return key.ReadText("Version");
}

std::string GetProductID(System& sys) {
    auto read = [&](const char* path, const char* name) {
        return Guarded([&] {
            RegKey key = RegKey::Open(sys, path);
            return key.IsOpen() ? key.ReadText(name) : std::string();
        });
    };
    const std::string id = read("\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\", "ProductID");
    if (!id.empty()) return id;
    // NT systems keep it under their own key; Windows 10 and 11 keep it only there.
    return read("\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\", "ProductId");
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
