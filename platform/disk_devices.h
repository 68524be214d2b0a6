#pragma once
// Devices opened by name and asked through I/O control codes.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvane::platform {

class Device {
  public:
    virtual ~Device() = default;
    // DeviceIoControl with the input bytes and an output buffer of outputBytes; the bytes returned,
    // or nullopt when the call fails.
    virtual std::optional<std::vector<std::uint8_t>> Control(std::uint32_t code, const std::vector<std::uint8_t>& input,
                                                             std::size_t outputBytes) = 0;
};

// CreateFileA's arguments, with the platform's numbers.
inline constexpr std::uint32_t kGenericRead = 0x80000000u;
inline constexpr std::uint32_t kGenericWrite = 0x40000000u;
inline constexpr std::uint32_t kShareRead = 1;
inline constexpr std::uint32_t kShareWrite = 2;
inline constexpr std::uint32_t kCreateNew = 1;
inline constexpr std::uint32_t kOpenExisting = 3;

struct DeviceOpen {
    std::string path;
    std::uint32_t access = 0;
    std::uint32_t share = 0;
    std::uint32_t creation = kOpenExisting;
};

class DiskDevices {
  public:
    virtual ~DiskDevices() = default;
    // CreateFileA with no flags; nullptr when it fails. The device is closed with its owner.
    virtual std::unique_ptr<Device> OpenDevice(const DeviceOpen& how) = 0;
};

}  // namespace orvane::platform
