#pragma once
// Power status and the firmware's own texts.

#include <cstdint>
#include <optional>
#include <string>

namespace orvane::platform {

// The fields of SYSTEM_POWER_STATUS that the program uses.
struct PowerStatus {
    std::uint8_t acLineStatus = 255;
    std::uint8_t batteryFlag = 255;
};

class Power {
  public:
    virtual ~Power() = default;
    // GetSystemPowerStatus; nullopt when it fails.
    virtual std::optional<PowerStatus> SystemPowerStatus() = 0;
    // The zero-terminated text at a linear address of the BIOS image (at most maxBytes of it); nullopt
    // where the address cannot be read, as in every NT process.
    virtual std::optional<std::string> ReadBiosText(std::uint32_t linearAddress, std::size_t maxBytes) = 0;
};

}  // namespace orvane::platform
