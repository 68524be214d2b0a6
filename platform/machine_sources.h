#pragma once
// The sources of the machine's description that the other seams do not answer: the firmware's raw
// tables and boot type, the kernel's own version record, the graphics adapters as DXGI lists them, the
// monitors' EDIDs, device opens that report why they failed, device interface paths, the TPM and the
// power manager's battery summary. Each function makes one call (or one enumeration) and returns its
// raw answer; what the answers mean is decided above the seam.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/devices.h"
#include "platform/files.h"
#include "platform/os_info.h"

namespace orvane::platform {

// GetSystemFirmwareTable's provider signature for the raw SMBIOS table, 'RSMB'.
inline constexpr std::uint32_t kFirmwareProviderRsmb = 0x52534D42;
// FIRMWARE_TYPE.
inline constexpr std::uint32_t kFirmwareTypeBios = 1;
inline constexpr std::uint32_t kFirmwareTypeUefi = 2;
// GetNativeSystemInfo's wProcessorArchitecture.
inline constexpr std::uint16_t kArchitectureIntel = 0;
inline constexpr std::uint16_t kArchitectureArm = 5;
inline constexpr std::uint16_t kArchitectureAmd64 = 9;
inline constexpr std::uint16_t kArchitectureArm64 = 12;

// DXGI_ADAPTER_DESC1, the description in UTF-16 as the adapter gives it.
struct GraphicsAdapterDesc {
    std::u16string description;
    std::uint32_t vendorId = 0;
    std::uint32_t deviceId = 0;
    std::uint32_t subSysId = 0;
    std::uint32_t revision = 0;
    std::uint64_t dedicatedVideoMemory = 0;
    std::uint64_t dedicatedSystemMemory = 0;
    std::uint64_t sharedSystemMemory = 0;
    std::uint32_t flags = 0;
};
inline constexpr std::uint32_t kDxgiAdapterFlagSoftware = 2;  // DXGI_ADAPTER_FLAG_SOFTWARE

// A present device of the monitor class: its instance id and the EDID value of its Device Parameters
// key (absent where the key or the value is missing).
struct MonitorDevice {
    std::string instanceId;
    std::optional<std::vector<std::uint8_t>> edid;
};

// CreateFileA's device, or the error GetLastError gave when the open failed (kErrorAccessDenied, ...).
struct DeviceOpenAnswer {
    std::unique_ptr<Device> device;
    int error = 0;
};

// Tbsi_GetDeviceInfo's TBS_RESULT and the TPM_DEVICE_INFO it filled (16 bytes: structVersion,
// tpmVersion, tpmInterfaceType, tpmImpRevision).
struct TpmAnswer {
    std::uint32_t result = 0;
    std::vector<std::uint8_t> info;
};
inline constexpr std::size_t kTpmDeviceInfoBytes = 16;

class MachineSources {
  public:
    virtual ~MachineSources() = default;
    // GetSystemFirmwareTable (looked up: XP x64 and Vista on): the whole table; nullopt where the call is
    // missing, fails or answers nothing.
    virtual std::optional<std::vector<std::uint8_t>> FirmwareTable(std::uint32_t provider, std::uint32_t id) = 0;
    // GetFirmwareType (looked up: Windows 8 on); nullopt where it is missing or fails.
    virtual std::optional<std::uint32_t> FirmwareType() = 0;
    // RtlGetVersion of ntdll.dll, which no compatibility mode bends; nullopt where it is missing or fails.
    virtual std::optional<OsVersion> KernelVersion() = 0;
    // GetNativeSystemInfo (looked up: XP on); nullopt where it is missing.
    virtual std::optional<std::uint16_t> NativeArchitecture() = 0;
    // CreateDXGIFactory1 of dxgi.dll (loaded from the system folder), then EnumAdapters1 and GetDesc1 of
    // every adapter; nullopt where the library, the entry or the factory is missing.
    virtual std::optional<std::vector<GraphicsAdapterDesc>> GraphicsAdapters() = 0;
    // SetupDiGetClassDevsA(monitor class, DIGCF_PRESENT), each device's instance id and the EDID value of
    // SetupDiOpenDevRegKey(DIREG_DEV); nullopt where SetupAPI is missing or the list cannot be made.
    virtual std::optional<std::vector<MonitorDevice>> MonitorDevices() = 0;
    // CreateFileA as Devices::OpenDevice, with the reason of a failed open.
    virtual DeviceOpenAnswer OpenDeviceOrError(const DeviceOpen& how) = 0;
    // The device paths of a class's present interfaces (SetupDiGetDeviceInterfaceDetailA); nullopt where
    // SetupAPI is missing or the list cannot be made.
    virtual std::optional<std::vector<std::string>> DeviceInterfacePaths(const Guid& interfaceClass) = 0;
    // Tbsi_GetDeviceInfo of tbs.dll (loaded from the system folder: Windows 8 on); nullopt where it is missing.
    virtual std::optional<TpmAnswer> TpmDeviceInfo() = 0;
    // CallNtPowerInformation(SystemBatteryState) of powrprof.dll: SYSTEM_BATTERY_STATE; nullopt where it
    // is missing or fails.
    virtual std::optional<std::vector<std::uint8_t>> SystemBatteryState() = 0;
};

}  // namespace orvane::platform
