#pragma once
// The real operating system behind the platform seam.

#include <string>

#include "platform/system.h"

namespace orvane::win32 {

class Win32System : public platform::System {
public:
    Win32System();

    std::unique_ptr<platform::RegistryKey> OpenKey(platform::Hive hive, std::string_view path) override;
    std::unique_ptr<platform::RegistryKey> OpenKey32(platform::Hive hive, std::string_view path) override;
    std::optional<platform::OsVersion> Version() override;
    int SystemMetric(int index) override;
    std::optional<std::string> TimeZoneStandardName() override;
    std::optional<std::uint8_t> ProductType() override;
    std::optional<platform::PrinterEntry> DefaultPrinter() override;
    platform::TempFileAnswer CreateTempFile(const std::string& folder) override;
    int WriteFileBytes(const std::string& path, std::string_view bytes, platform::WriteMode mode) override;
    platform::ReadAnswer ReadFileBytes(const std::string& path) override;
    int ReplaceExistingFile(const std::string& target, const std::string& replacement) override;
    int MoveFileReplacing(const std::string& from, const std::string& to) override;
    int RenameFile(const std::string& from, const std::string& to) override;
    int RemoveFile(const std::string& path) override;
    std::optional<std::uint32_t> FileAttributes(const std::string& path) override;
    int ChangeFileAttributes(const std::string& path, std::uint32_t attributes) override;
    std::optional<std::string> WholePath(const std::string& path) override;

    // platform::Hardware (win32_hardware.cpp)
    std::optional<std::uint64_t> TotalPhysicalMemory() override;
    std::optional<platform::MemoryStatus> MemoryStatusEx() override;
    platform::MemoryLayout SystemMemoryLayout() override;
    std::uint64_t ReadFlags() override;
    void WriteFlags(std::uint64_t flags) override;
    platform::CpuidRegisters Cpuid(std::uint32_t leaf) override;
    unsigned ProcessorCount() override;
    std::optional<std::vector<std::uint8_t>> ProcessorRelationsEx(std::uint32_t relationship) override;
    std::optional<std::vector<std::uint8_t>> ProcessorRelations() override;
    std::uint64_t ReadTsc() override;
    void SleepFor(std::uint32_t milliseconds) override;
    std::optional<std::uint64_t> PerformanceCounter() override;
    std::optional<std::uint64_t> PerformanceFrequency() override;
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
    std::unique_ptr<platform::Device> OpenDevice(const platform::DeviceOpen& how) override;
    platform::BoundedDeviceOpen OpenDeviceWithin(const platform::DeviceOpen& how, std::uint32_t waitMs) override;
    platform::BoundedOpenScan OpenEachWithin(const std::vector<platform::DeviceOpen>& opens,
                                             std::uint32_t waitMs) override;
    std::uint32_t WaveOutDeviceCount() override;
    std::string WaveOutDeviceName(std::uint32_t device) override;
    std::optional<std::string> DisplayDeviceString(std::uint32_t index) override;
    std::unique_ptr<platform::DeviceInterfaceList> PresentDeviceInterfaces(const platform::Guid& interfaceClass) override;

    // platform::NtQuery (win32_hardware.cpp)
    platform::NtQueryEntry FindNtQuerySystemInformation() override;
    std::int32_t QuerySystemInformation(platform::NtQueryEntry entry, std::uint32_t infoClass,
                                        std::span<std::uint8_t> buffer) override;

    // win32_network.cpp
    platform::AdapterListAnswer AdaptersInfo(std::uint32_t bufferBytes) override;
    std::uint8_t SendNetbios(platform::NetbiosCommand& command) override;
    void StartSockets(std::uint16_t version) override;
    void StopSockets() override;
    std::optional<std::string> HostName(std::size_t bufferBytes) override;
    std::optional<std::vector<std::array<std::uint8_t, 4>>> ResolveHost(const std::string& name) override;

    // win32_identity.cpp
    std::optional<std::string> ComputerName(std::size_t bufferChars) override;
    std::optional<std::string> UserName(std::size_t bufferChars) override;
    platform::TokenAnswer OpenThreadToken(std::uint32_t access, bool openAsSelf) override;
    platform::TokenAnswer OpenProcessToken(std::uint32_t access) override;
    bool SidsEqual(const platform::SidBytes& a, const platform::SidBytes& b) override;

    // win32_wmi.cpp
    void PrepareQueries(const std::vector<platform::WmiNamespace>& namespaces) override;
    std::optional<std::vector<platform::WmiValue>> QueryProperty(const std::string& server,
                                                                 const std::string& nameSpace, const std::string& query,
                                                                 const std::string& property) override;

    // win32_power.cpp
    std::optional<platform::PowerStatus> SystemPowerStatus() override;
    std::optional<std::string> ReadBiosText(std::uint32_t linearAddress, std::size_t maxBytes) override;

    // The display and drive windows: win32_screen.cpp (Screen, Locale), win32_volumes.cpp (Volumes)
    int ScreenDeviceCaps(int index) override;
    std::optional<std::string> ThousandSeparator() override;
    std::optional<std::string> WideToAnsi(std::u16string_view text) override;
    std::optional<std::u16string> AnsiToWide(std::string_view text) override;
    std::string LogicalDriveStrings(std::uint32_t bufferBytes) override;
    std::optional<platform::DiskClusters> DiskFreeSpaceQuietly(std::string_view rootPath) override;
    platform::DriveAnswer<platform::DiskClusters> DiskFreeSpaceWithin(std::string_view rootPath) override;
    platform::DriveAnswer<platform::DiskSpace> DiskFreeSpaceExWithin(std::string_view rootPath) override;
    platform::DriveAnswer<platform::VolumeInfo> VolumeInformation(std::string_view rootPath, std::uint32_t labelChars,
                                                                  std::uint32_t fileSystemChars) override;
    std::optional<std::string> FullPathName(std::string_view path) override;
    platform::DriveAnswer<std::string> UniversalName(std::string_view localPath, std::uint32_t bufferBytes) override;
    std::vector<platform::NetDiskResource> ConnectedDiskResources() override;

    // The inventory windows: win32_programs.cpp
    std::optional<std::string> ShellFolderPath(int csidl) override;
    std::vector<platform::FoundFile> FindFiles(std::string_view pattern) override;
    std::optional<std::string> FindProgramFile(std::string_view name) override;
    std::optional<std::string> FindProgramFileIn(const std::string& folders, std::string_view name) override;
    std::optional<std::string> EnvironmentVariable(const std::string& name) override;
    bool IsWow64Process() override;

    // win32_shell.cpp
    std::uint32_t RunCommandLine(const std::string& commandLine, int show) override;
    std::intptr_t ShellOpen(const platform::ShellExecuteRequest& request) override;
    bool FileExists(const std::string& path) override;
    std::string SystemDirectory() override;
    std::string WindowsDirectory() override;
    platform::ShellObjectAnswer CallShellObject(const std::string& method,
                                                std::optional<std::int32_t> argument) override;
    std::string SystemErrorText(std::uint32_t code) override;
    void SendMonitorPower(platform::WindowRef window, int state) override;
    std::uint32_t SendMciCommand(const std::string& command, platform::WindowRef callback) override;
    std::string MciErrorText(std::uint32_t code) override;
    bool SetWarningBeep(bool on) override;
    bool ShowTaskbar(bool shown) override;

    // win32_sound.cpp
    std::uint32_t MixerDeviceCount() override;
    std::uint32_t WaveOutDriverVersion(std::uint32_t device) override;
    void DefaultBeep() override;
    bool PlaySoundAsync(const std::string& name) override;
    bool Tone(std::uint32_t frequency, std::uint32_t milliseconds) override;
    std::optional<platform::MixerRef> OpenMixer(std::uint32_t device) override;
    std::optional<std::uint32_t> MixerLineOfType(platform::MixerRef mixer, std::uint32_t componentType) override;
    std::optional<std::uint32_t> MixerControlOfType(platform::MixerRef mixer, std::uint32_t lineId,
                                                    std::uint32_t controlType) override;
    bool SetMixerBoolean(platform::MixerRef mixer, std::uint32_t controlId, bool value) override;
    void CloseMixer(platform::MixerRef mixer) override;
    platform::EndpointMuteStep MuteCaptureEndpoint(bool mute) override;

    // win32_machine.cpp
    std::optional<std::vector<std::uint8_t>> FirmwareTable(std::uint32_t provider, std::uint32_t id) override;
    std::optional<std::uint32_t> FirmwareType() override;
    std::optional<platform::OsVersion> KernelVersion() override;
    std::optional<std::uint16_t> NativeArchitecture() override;
    std::optional<std::vector<platform::GraphicsAdapterDesc>> GraphicsAdapters() override;
    std::optional<std::vector<platform::MonitorDevice>> MonitorDevices() override;
    platform::DeviceOpenAnswer OpenDeviceOrError(const platform::DeviceOpen& how) override;
    std::optional<std::vector<std::string>> DeviceInterfacePaths(const platform::Guid& interfaceClass) override;
    std::optional<platform::TpmAnswer> TpmDeviceInfo() override;
    std::optional<std::vector<std::uint8_t>> SystemBatteryState() override;

private:
    std::unique_ptr<platform::RegistryKey> OpenKeyWith(platform::Hive hive, std::string_view path,
                                                       unsigned long viewFlag);

    unsigned long registryViewFlag_ = 0;
};

// The spooler's default printer (GetDefaultPrinterA, Windows 2000 and later); empty where it has none.
std::string SpoolerDefaultPrinter();

}  // namespace orvane::win32
