#pragma once
// Drives, device handles with their I/O controls, and the multimedia and display enumerations.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::platform {

// CreateFileA access and sharing flags.
inline constexpr std::uint32_t kGenericRead = 0x80000000;
inline constexpr std::uint32_t kGenericWrite = 0x40000000;
inline constexpr std::uint32_t kShareRead = 0x1;
inline constexpr std::uint32_t kShareWrite = 0x2;
// CreateFileA creation dispositions.
inline constexpr std::uint32_t kCreateNew = 1;
inline constexpr std::uint32_t kOpenExisting = 3;

// CreateFileA's arguments (no flags are ever passed).
struct DeviceOpen {
    std::string path;
    std::uint32_t access = 0;
    std::uint32_t share = 0;
    std::uint32_t creation = kOpenExisting;
};

// GetDriveTypeA answers.
inline constexpr std::uint32_t kDriveRemovable = 2;
inline constexpr std::uint32_t kDriveFixed = 3;
inline constexpr std::uint32_t kDriveRemote = 4;
inline constexpr std::uint32_t kDriveCdrom = 5;
inline constexpr std::uint32_t kDriveRamdisk = 6;

// GetDiskFreeSpaceExA's three figures.
struct DiskSpace {
    std::uint64_t freeToCaller = 0;
    std::uint64_t total = 0;
    std::uint64_t totalFree = 0;
};

// GetDiskFreeSpaceA's four figures.
struct DiskClusters {
    std::uint32_t sectorsPerCluster = 0;
    std::uint32_t bytesPerSector = 0;
    std::uint32_t freeClusters = 0;
    std::uint32_t totalClusters = 0;
};

// An open device or port; closed with its owner.
class Device {
  public:
    virtual ~Device() = default;
    // DeviceIoControl with the bytes as input and a buffer of outputLength bytes (the input's buffer
    // when the request is its own reply). The bytes the call returned; nullopt when it fails.
    virtual std::optional<std::vector<std::uint8_t>> Control(std::uint32_t code, std::span<const std::uint8_t> input,
                                                             std::size_t outputLength) = 0;
};

// A GUID in the platform's layout (16 bytes: Data1, Data2, Data3, Data4[8]).
struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::uint8_t data4[8] = {};
    bool operator==(const Guid&) const = default;
};

// The present device interfaces of one class, as SetupDiGetClassDevsA lists them; the list is
// destroyed with its owner.
// An open given a time limit: the device when it opened within the limit; timedOut when the limit
// passed first, in which case the open is abandoned and a handle it delivers later is closed unused.
struct BoundedDeviceOpen {
    std::unique_ptr<Device> device;
    bool timedOut = false;
};

// Opens made one after another, each given the same time limit: whether each one tried opened, in
// order. The scan stops at the first open that outlived its limit; it is the last one tried, and
// timedOut is set.
struct BoundedOpenScan {
    std::vector<bool> opened;
    bool timedOut = false;
};

class DeviceInterfaceList {
  public:
    virtual ~DeviceInterfaceList() = default;
    // SetupDiEnumDeviceInterfaces: whether the list has an interface at that index.
    virtual bool HasInterface(std::uint32_t index) = 0;
};

class Devices {
  public:
    virtual ~Devices() = default;
    // GetLogicalDrives: bit n set when drive letter n (0 for A) exists.
    virtual std::uint32_t LogicalDriveMask() = 0;
    virtual std::uint32_t DriveType(std::string_view rootPath) = 0;
    // Whether the system has GetDiskFreeSpaceExA (95 before OSR2 has not).
    virtual bool HasDiskFreeSpaceEx() = 0;
    virtual std::optional<DiskSpace> DiskFreeSpaceEx(std::string_view rootPath) = 0;
    virtual std::optional<DiskClusters> DiskFreeSpace(std::string_view rootPath) = 0;
    // CreateFileA with no flags; nullptr when the open fails. The device is closed with its owner.
    virtual std::unique_ptr<Device> OpenDevice(const DeviceOpen& how) = 0;
    // CreateFileA as OpenDevice, waited for at most waitMs: for ports, whose drivers can hold an open
    // for as long as the device takes to answer.
    virtual BoundedDeviceOpen OpenDeviceWithin(const DeviceOpen& how, std::uint32_t waitMs) = 0;
    // Each open in turn as OpenDeviceWithin makes it, a device that opened closed again at once, up to
    // the first that outlives waitMs. The Win32 system makes them all on one helper.
    virtual BoundedOpenScan OpenEachWithin(const std::vector<DeviceOpen>& opens, std::uint32_t waitMs) {
        BoundedOpenScan scan;
        for (const DeviceOpen& how : opens) {
            const BoundedDeviceOpen open = OpenDeviceWithin(how, waitMs);
            scan.opened.push_back(open.device != nullptr);
            if (open.timedOut) {
                scan.timedOut = true;
                break;
            }
        }
        return scan;
    }

    virtual std::uint32_t WaveOutDeviceCount() = 0;
    // szPname of waveOutGetDevCapsA for the device, cut at its first NUL; the call's answer is not
    // examined, so a failed call gives the empty name of the zeroed record.
    virtual std::string WaveOutDeviceName(std::uint32_t device) = 0;
    // DeviceString of EnumDisplayDevicesA for the adapter index; nullopt when the call returns false.
    virtual std::optional<std::string> DisplayDeviceString(std::uint32_t index) = 0;
    // SetupDiGetClassDevsA(class, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE), the functions looked up at run
    // time; nullptr where the system has no SetupAPI or the call fails.
    virtual std::unique_ptr<DeviceInterfaceList> PresentDeviceInterfaces(const Guid& interfaceClass) = 0;
};

}  // namespace orvane::platform
