#pragma once
// Version, metrics and the small identity facts that the operating system answers directly.

#include <cstdint>
#include <optional>
#include <string>

namespace orvane::platform {

// The fields of OSVERSIONINFOA that the program uses; csd is szCSDVersion cut at its first NUL.
struct OsVersion {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
    std::uint32_t platformId = 0;
    std::string csd;
};

// OSVERSIONINFOEXA's wProductType: a workstation, a domain controller or another server.
inline constexpr std::uint8_t kProductWorkstation = 1;
inline constexpr std::uint8_t kProductDomainController = 2;
inline constexpr std::uint8_t kProductServer = 3;

// Platform ids as GetVersionExA reports them.
inline constexpr std::uint32_t kPlatformWin32s = 0;
inline constexpr std::uint32_t kPlatformWindows = 1;  // 95, 98, ME
inline constexpr std::uint32_t kPlatformNt = 2;

struct PrinterEntry {
    std::string name;
    std::string port;
};

class OsInfo {
public:
    virtual ~OsInfo() = default;
    // nullopt when GetVersionExA fails.
    virtual std::optional<OsVersion> Version() = 0;
    // wProductType of GetVersionExA's extended record; nullopt where the system has no extended record
    // (95/98/ME, NT 4 before Service Pack 6) or the call fails.
    virtual std::optional<std::uint8_t> ProductType() = 0;
    virtual int SystemMetric(int index) = 0;
    // The time zone's standard-time name in the ANSI code page; nullopt when the call fails.
    virtual std::optional<std::string> TimeZoneStandardName() = 0;
    // The default printer; nullopt when there is none.
    virtual std::optional<PrinterEntry> DefaultPrinter() = 0;
};

}  // namespace orvane::platform
