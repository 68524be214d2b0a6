#pragma once
// The real operating system behind the platform seam.

#include "platform/system.h"

namespace orvane::win32 {

class Win32System : public platform::System {
public:
    Win32System();

    std::unique_ptr<platform::RegistryKey> OpenKey(platform::Hive hive, std::string_view path) override;
    std::optional<platform::OsVersion> Version() override;
    int SystemMetric(int index) override;
    std::optional<std::string> TimeZoneStandardName() override;
    std::optional<platform::PrinterEntry> DefaultPrinter() override;
    bool ReplaceFileContents(const std::string& path, std::string_view bytes) override;

    // platform::Hardware (win32_hardware.cpp)
    std::optional<std::uint64_t> TotalPhysicalMemory() override;
    std::uint64_t ReadFlags() override;
    void WriteFlags(std::uint64_t flags) override;
    platform::CpuidRegisters Cpuid(std::uint32_t leaf) override;
    std::uint64_t ReadTsc() override;
    void SleepFor(std::uint32_t milliseconds) override;
    std::uint32_t ProcessPriorityClass() override;
    bool SetProcessPriorityClass(std::uint32_t priorityClass) override;
    std::optional<int> ThreadPriority() override;
    bool SetThreadPriority(int priority) override;

    // platform::Devices (win32_devices.cpp)
    std::uint32_t LogicalDriveMask() override;
    std::uint32_t DriveType(std::string_view rootPath) override;
    bool HasDiskFreeSpaceEx() override;
    std::optional<platform::DiskSpace> DiskFreeSpaceEx(std::string_view rootPath) override;
    std::optional<platform::DiskClusters> DiskFreeSpace(std::string_view rootPath) override;
    std::unique_ptr<platform::Device> OpenDevice(std::string_view path, std::uint32_t access,
                                                 std::uint32_t share) override;
    std::uint32_t WaveOutDeviceCount() override;
    std::string WaveOutDeviceName(std::uint32_t device) override;
    std::optional<std::string> DisplayDeviceString(std::uint32_t index) override;

    // platform::NtQuery (win32_hardware.cpp)
    platform::NtQueryEntry FindNtQuerySystemInformation() override;
    std::int32_t QuerySystemInformation(platform::NtQueryEntry entry, std::uint32_t infoClass,
                                        std::span<std::uint8_t> buffer) override;

private:
    unsigned long registryViewFlag_ = 0;
};

}  // namespace orvane::win32
