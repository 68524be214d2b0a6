#pragma once
// An in-memory machine for the unit tests: a test fills in the registry, the version record, the
// metrics and whatever else its probe asks, then runs the probe against it.

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "platform/system.h"

namespace orvane::testing {

using platform::Hive;
using platform::RegValue;

class TestMachine : public platform::System {
public:
    TestMachine();
    ~TestMachine() override;

    // --- registry fixtures (paths without leading backslash, any case) ---
    void AddKey(Hive hive, const std::string& path);
    void SetValue(Hive hive, const std::string& path, const std::string& name, RegValue value);
    void SetText(const std::string& path, const std::string& name, const std::string& text,
                 std::uint32_t type = platform::kRegSz);
    void SetDword(const std::string& path, const std::string& name, std::uint32_t number);
    void SetBinary(const std::string& path, const std::string& name, std::vector<std::uint8_t> bytes);
    // The key exists but may not be opened (as for an account without read rights).
    void DenyKey(Hive hive, const std::string& path);
    // Takes a key with its subkeys, or one value, out of the registry; nothing happens when it is not there.
    void RemoveKey(Hive hive, const std::string& path);
    void RemoveValue(Hive hive, const std::string& path, const std::string& name);

    // Every registry request served, in order: key opens (also those that fail), value queries (also of
    // values that are not there) and enumerations. `key` is the path as asked, `storedKey` where this
    // machine keeps it (the 32-bit view's HKLM\SOFTWARE lies under WOW6432Node).
    struct RegistryRequest {
        enum class Kind { Open, Value, Subkeys, Values };
        Kind kind;
        Hive hive;
        bool view32;
        std::string key;
        std::string storedKey;
        std::string value;  // Value: the name asked
    };
    std::vector<RegistryRequest> registryRequests;

    // --- other fixtures ---
    std::optional<platform::OsVersion> version;
    std::optional<std::uint8_t> productType;
    std::map<int, int> metrics;
    std::optional<std::string> timeZoneName;
    std::optional<platform::PrinterEntry> defaultPrinter;
    // --- files: contents and attributes by exact path ---
    std::map<std::string, std::string> files;
    std::map<std::string, std::uint32_t> fileAttributes;  // a file not listed has only the archive bit
    int fileWriteError = 0;  // the error every write fails with before it writes anything; 0 lets writes succeed
    std::set<std::string> foldersWithoutCreate;  // folders where no new file can be made (access denied)
    std::set<std::string> missingFolders;        // folders that do not exist (ERROR_PATH_NOT_FOUND)
    // As Windows' ANSI calls answer (Wine takes some longer paths): a path of MAX_PATH characters or more is ERROR_FILENAME_EXCED_RANGE, and a
    // name with '?' (what the code page puts for a character it lacks) or '*' is ERROR_INVALID_NAME.
    std::set<std::string> lockedFiles;           // held open elsewhere without sharing
    // A write that stops part way: the next `times` writes put only the first afterBytes bytes down and
    // fail (a write in place that would grow the file fails before it changes anything).
    struct WriteFault {
        std::size_t afterBytes = 0;
        int error = 112;  // ERROR_DISK_FULL
        int times = 1;
    };
    std::optional<WriteFault> writeFault;
    bool hasReplaceFile = true;          // NT 4 and 95/98/ME have none
    bool replaceKeepsAttributes = true;  // Windows keeps them; Wine's ReplaceFile does not
    int replaceError = 0;                // when set, ReplaceFile fails with it and changes nothing
    bool hasMoveFileEx = true;           // 95/98/ME have none
    std::vector<std::string> fileCalls;  // "replace", "move", "rename", "in place" as they happen
    // Reads that fail part way with the error given, by exact path.
    std::map<std::string, int> readErrors;
    // The folder a relative path is made whole against, as GetFullPathNameA does (forward slashes become
    // backslashes, "." and ".." are resolved). The other file calls take their paths as the keys above.
    std::string currentFolder = "C:\\Work";
    bool wholePathFails = false;
    std::vector<std::string> wholePathsAsked;

    // --- processor and memory ---
    std::optional<std::uint64_t> totalPhysicalMemory;
    std::optional<platform::MemoryStatus> memoryStatus;
    platform::MemoryLayout memoryLayout;
    std::uint64_t flags = 0x202;
    std::uint64_t writableFlags = platform::kFlagsIdBit;            // 0 for a processor without CPUID
    std::map<std::uint32_t, platform::CpuidRegisters> cpuidLeaves;  // a leaf not listed answers zeros
    // Leaves whose answer changes from one execution to the next: answered in turn, the last one
    // repeating; they take precedence over cpuidLeaves.
    std::map<std::uint32_t, std::vector<platform::CpuidRegisters>> cpuidSequences;
    std::vector<std::uint32_t> cpuidCalls;  // every leaf executed, in order
    std::vector<std::uint64_t> tscReadings;  // answered in turn; the last one repeats
    std::vector<std::uint32_t> sleeps;
    // QueryPerformanceCounter's readings, answered in turn (the last one repeats); none: the call fails.
    std::vector<std::uint64_t> performanceCounts;
    std::optional<std::uint64_t> performanceFrequency;  // none: the call fails
    std::vector<std::size_t> sleepsAtPerformanceReads;  // how many sleeps had been made at each reading
    // GetLogicalProcessorInformation(Ex): records built in this process's layout from the packages and
    // the groups' active processors (none listed: one group of `processors`); a system without the
    // call answers nothing. The byte answers, where set, stand in for the built records.
    bool hasProcessorRelationsEx = true;
    bool hasProcessorRelations = true;
    unsigned packages = 1;
    std::vector<unsigned> groupProcessors;
    std::map<std::uint32_t, std::vector<std::uint8_t>> processorRelationsExBytes;  // by relationship
    std::optional<std::vector<std::uint8_t>> processorRelationsBytes;
    std::uint32_t priorityClass = 0x20;  // NORMAL_PRIORITY_CLASS
    int threadPriority = 0;
    bool failPriorityQueries = false;
    struct Priorities {
        std::uint32_t processClass;
        int thread;
    };
    std::vector<Priorities> prioritiesAtTscReads;
    // Reads "basic_cpuid[N]=EAX EBX ECX EDX" and "ext_cpuid[N]=..." lines; false when the file is unreadable.
    bool LoadCpuidDump(const std::string& path);

    // --- drives and devices ---
    std::uint32_t driveMask = 0;
    std::map<std::string, std::uint32_t> driveTypes;  // by root path, "C:\\"; unlisted: 1 (no root)
    bool hasDiskFreeSpaceEx = true;
    std::map<std::string, platform::DiskSpace> diskSpace;  // a root not listed fails the query
    std::map<std::string, platform::DiskClusters> diskClusters;
    // Devices by exact path. A request is answered by `control` when it is set, else by the fixed reply
    // for its code (cut to the output size); without either it fails. Every open and call is logged.
    struct TestDevice {
        std::uint32_t allowedAccess = 0xFFFFFFFF;  // an open asking for more fails
        bool heldElsewhere = false;                // an exclusive open fails
        bool neverAnswers = false;                 // an open waits for ever: a bounded open times out
        std::function<std::optional<std::vector<std::uint8_t>>(std::uint32_t code, std::span<const std::uint8_t>,
                                                               std::size_t outputLength)>
            control;
        std::map<std::uint32_t, std::vector<std::uint8_t>> replies;
    };
    using DeviceFixture = TestDevice;
    std::map<std::string, TestDevice> devices;
    std::vector<std::string> openAttempts;
    std::vector<platform::DeviceOpen> deviceOpens;
    std::vector<std::uint32_t> deviceOpenWaits;  // the limit of each bounded open, in order
    struct DeviceCall {
        platform::DeviceOpen open;
        std::uint32_t code = 0;
        std::vector<std::uint8_t> input;
        std::size_t outputBytes = 0;
    };
    std::vector<DeviceCall> deviceCalls;
    int openDevices = 0;  // devices opened and not yet closed
    std::uint32_t waveOutCount = 0;
    std::vector<std::string> waveOutNames;
    std::vector<std::string> displayDevices;
    // Present device interfaces by class: how many each list holds. A class not listed fails the call.
    std::vector<std::pair<platform::Guid, std::uint32_t>> deviceInterfaces;
    int openInterfaceLists = 0;  // lists made and not yet destroyed

    // --- the native system-information query ---
    bool hasNtQuery = true;
    int ntQueryLookups = 0;
    unsigned processors = 1;  // GetSystemInfo's count and the basic record's
    std::uint64_t systemTime = 0;  // 100-ns units
    std::uint64_t idleTime = 0;
    std::map<std::uint32_t, std::int32_t> queryStatus;  // by information class; unlisted: 0
    // Network adapters as GetAdaptersInfo lists them; a status other than 0 fails the filled call.
    std::vector<platform::AdapterRecord> adapters;
    std::uint32_t adapterListStatus = 0;
    // NetBIOS: the adapter numbers LANA_ENUM lists, and each adapter's status answer.
    struct NetbiosAdapter {
        std::uint8_t statusCode = 0;
        std::array<std::uint8_t, 6> mac{};
    };
    bool netbiosAvailable = true;
    std::vector<std::uint8_t> lanas;
    std::map<std::uint8_t, NetbiosAdapter> netbiosAdapters;
    std::vector<platform::NetbiosCommand> netbiosLog;  // every command sent, in order
    // Sockets.
    std::optional<std::string> hostName;
    std::map<std::string, std::vector<std::array<std::uint8_t, 4>>> hosts;
    int socketStarts = 0;
    int socketStops = 0;
    // Identity. The thread has no token unless given one; threadTokenError is the failed open's code.
    std::optional<std::string> computerName;
    std::optional<std::string> userName;
    std::optional<platform::TokenGroupList> threadToken;
    std::uint32_t threadTokenError = platform::kErrorNoToken;
    std::optional<platform::TokenGroupList> processToken;
    // WMI: instances (property name -> value) by query; a query not listed fails.
    std::map<std::string, std::vector<std::map<std::string, platform::WmiValue>>> wmiClasses;
    // "server|namespace|query|property" for a query, "prepare server|namespace" for a preparation.
    std::vector<std::string> wmiCalls;
    // Power and the BIOS image (address -> the bytes there); no image means it cannot be read.
    std::optional<platform::PowerStatus> powerStatus;
    std::optional<std::map<std::uint32_t, std::string>> biosImage;

    // --- the display and drive windows ---
    std::map<int, int> screenCaps;  // GetDeviceCaps of the screen by index; unlisted: 0
    std::optional<std::string> thousandSeparator = std::string(",");
    // The ANSI conversion works as code page 1252 for the characters tests use: U+0000 to U+00FF keep
    // their value, the euro sign becomes 0x80, any other character the default '?'.
    bool failWideToAnsi = false;
    // The other way the machine is code page 1252: 0x80 to 0x9F as Windows-1252 maps them (the five
    // bytes it leaves unassigned keep their value, as MultiByteToWideChar gives them), every other byte
    // its own value.
    bool failAnsiToWide = false;
    std::vector<std::u16string> wideToAnsiCalls;
    std::string logicalDriveStrings;  // as GetLogicalDriveStringsA writes it: "A:\\" NUL "C:\\" ...
    std::vector<std::string> quietDiskQueries;  // roots of the readiness queries, in order
    std::map<std::string, platform::VolumeInfo> volumes;  // by root; a root not listed fails the call
    // Full paths by the path asked; a path not listed expands to itself + "\\" (a drive at its root).
    std::map<std::string, std::string> fullPaths;
    std::map<std::string, std::string> universalNames;  // by local path; a path not listed fails
    std::vector<platform::NetDiskResource> connectedDisks;
    int diskResourceEnumerations = 0;
    // The drive window's bounded queries ("DiskFreeSpace", "DiskFreeSpaceEx", "VolumeInformation",
    // "UniversalName"), each logged as "<call> <root or path>" in order; a query named in
    // stalledDriveQueries has not answered when its time is up.
    std::vector<std::string> driveQueries;
    std::set<std::string> stalledDriveQueries;

    // --- the inventory windows ---
    // Shell folders by CSIDL; a folder not listed is one the shell cannot name.
    std::map<int, std::string> shellFolders;
    // Folder entries by the exact pattern asked; a pattern not listed matches nothing.
    std::map<std::string, std::vector<platform::FoundFile>> folderEntries;
    std::vector<std::string> findPatterns;  // every pattern asked, in order
    // Files the program search finds, by the name asked or the name with ".exe" added when it has no
    // extension (case ignored): the full path found.
    std::map<std::string, std::string> programFiles;
    // The search in named folders looks for the name (".exe" added when it has none) among the files
    // AddFile made, folder by folder; each search is logged as "folders|name".
    std::vector<std::string> programSearches;
    std::map<std::string, std::string> environment;  // by exact name; a name not listed is not set
    // Folders that exist, by exact path (FileAttributes answers the directory attribute for them).
    std::set<std::string> folders;
    std::intptr_t shellExecuteAnswer = 42;  // every ShellOpen's answer: above 32, started
    bool wow64 = false;

    // --- the tools launcher ---
    std::string systemDirectory = "C:\\WINDOWS\\system32";
    std::string windowsDirectory = "C:\\WINDOWS";
    // Files that exist, by full path without regard to case.
    void AddFile(const std::string& path) { existingFiles.insert(ToUpperPath(path)); }
    std::set<std::string> existingFiles;
    std::vector<std::string> commandLines;  // every WinExec, in order (its show state must be 1)
    std::vector<platform::ShellExecuteRequest> shellExecutes;
    struct ShellObjectCall {
        std::string method;
        std::optional<std::int32_t> argument;
    };
    std::vector<ShellObjectCall> shellObjectCalls;
    platform::ShellObjectAnswer shellObjectAnswer;    // how every shell object call ends
    std::map<std::uint32_t, std::string> errorTexts;  // FormatMessage texts by code; unlisted: empty
    std::vector<std::pair<platform::WindowRef, int>> monitorPowerSent;
    std::vector<std::string> mciCommands;
    std::uint32_t mciResult = 0;
    std::map<std::uint32_t, std::string> mciErrorTexts;
    std::vector<bool> warningBeepSettings;
    bool hasTaskbar = true;
    std::vector<bool> taskbarShown;  // every ShowTaskbar, found or not

    // --- the sound window and the microphone mute ---
    std::uint32_t mixerCount = 0;
    std::map<std::uint32_t, std::uint32_t> waveOutDriverVersions;  // by device; unlisted: 0
    int defaultBeeps = 0;
    std::vector<std::string> playedSounds;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> tones;
    bool mixerOpens = true;
    std::optional<std::uint32_t> microphoneLine;  // the microphone line's id; none: the line query fails
    std::optional<std::uint32_t> muteControl;     // its mute control's id; none: the control query fails
    bool mixerSetWorks = true;
    std::vector<std::string> mixerLog;  // "open 0", "line 4099", "controls 7 536936450", "set 9 1", "close 0"
    int openMixers = 0;
    platform::EndpointMuteStep endpointAnswer = platform::EndpointMuteStep::Done;
    std::vector<bool> endpointMutes;

    // --- the machine window ---
    // Firmware tables by provider (table id 0); a provider not listed fails the call.
    std::map<std::uint32_t, std::vector<std::uint8_t>> firmwareTables;
    std::optional<std::uint32_t> firmwareType;          // none: the system has no GetFirmwareType
    std::optional<platform::OsVersion> kernelVersion;   // none: RtlGetVersion is missing
    std::optional<std::uint16_t> nativeArchitecture;
    std::optional<std::vector<platform::GraphicsAdapterDesc>> graphicsAdapters;  // none: no DXGI
    std::optional<std::vector<platform::MonitorDevice>> monitorDevices;          // none: no SetupAPI
    // Why an open of a path fails; a path neither here nor among the devices is not found.
    std::map<std::string, int> deviceOpenErrors;
    std::vector<std::pair<platform::Guid, std::vector<std::string>>> interfacePaths;  // a class not listed fails
    std::optional<platform::TpmAnswer> tpm;                             // none: no tbs.dll
    std::optional<std::vector<std::uint8_t>> systemBatteryState;        // none: the call fails

    // --- platform::System ---
    std::unique_ptr<platform::RegistryKey> OpenKey(Hive hive, std::string_view path) override;
    // HKLM\SOFTWARE\... is read from HKLM\SOFTWARE\WOW6432Node\..., as 64-bit Windows redirects it.
    std::unique_ptr<platform::RegistryKey> OpenKey32(Hive hive, std::string_view path) override;
    std::optional<std::string> ShellFolderPath(int csidl) override;
    std::vector<platform::FoundFile> FindFiles(std::string_view pattern) override;
    std::optional<std::string> FindProgramFile(std::string_view name) override;
    std::optional<std::string> FindProgramFileIn(const std::string& folders, std::string_view name) override;
    std::optional<std::string> EnvironmentVariable(const std::string& name) override;
    bool IsWow64Process() override { return wow64; }
    std::optional<platform::OsVersion> Version() override { return version; }
    int SystemMetric(int index) override;
    std::optional<std::string> TimeZoneStandardName() override { return timeZoneName; }
    std::optional<std::uint8_t> ProductType() override { return productType; }
    std::optional<platform::PrinterEntry> DefaultPrinter() override { return defaultPrinter; }
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
    platform::AdapterListAnswer AdaptersInfo(std::uint32_t bufferBytes) override;
    std::uint8_t SendNetbios(platform::NetbiosCommand& command) override;
    void StartSockets(std::uint16_t) override { ++socketStarts; }
    void StopSockets() override { ++socketStops; }
    std::optional<std::string> HostName(std::size_t) override { return hostName; }
    std::optional<std::vector<std::array<std::uint8_t, 4>>> ResolveHost(const std::string& name) override;
    std::optional<std::string> ComputerName(std::size_t) override { return computerName; }
    std::optional<std::string> UserName(std::size_t) override { return userName; }
    platform::TokenAnswer OpenThreadToken(std::uint32_t access, bool openAsSelf) override;
    platform::TokenAnswer OpenProcessToken(std::uint32_t access) override;
    bool SidsEqual(const platform::SidBytes& a, const platform::SidBytes& b) override { return a == b; }
    void PrepareQueries(const std::vector<platform::WmiNamespace>& namespaces) override;
    std::optional<std::vector<platform::WmiValue>> QueryProperty(const std::string& server,
                                                                 const std::string& nameSpace, const std::string& query,
                                                                 const std::string& property) override;
    std::optional<platform::PowerStatus> SystemPowerStatus() override { return powerStatus; }
    std::optional<std::string> ReadBiosText(std::uint32_t linearAddress, std::size_t maxBytes) override;
    std::unique_ptr<platform::Device> OpenDevice(const platform::DeviceOpen& how) override;
    platform::BoundedDeviceOpen OpenDeviceWithin(const platform::DeviceOpen& how, std::uint32_t waitMs) override;

    std::optional<std::uint64_t> TotalPhysicalMemory() override { return totalPhysicalMemory; }
    std::optional<platform::MemoryStatus> MemoryStatusEx() override { return memoryStatus; }
    platform::MemoryLayout SystemMemoryLayout() override { return memoryLayout; }
    std::uint64_t ReadFlags() override { return flags; }
    void WriteFlags(std::uint64_t value) override { flags = (flags & ~writableFlags) | (value & writableFlags); }
    platform::CpuidRegisters Cpuid(std::uint32_t leaf) override;
    unsigned ProcessorCount() override { return processors; }
    std::optional<std::vector<std::uint8_t>> ProcessorRelationsEx(std::uint32_t relationship) override;
    std::optional<std::vector<std::uint8_t>> ProcessorRelations() override;
    std::uint64_t ReadTsc() override;
    void SleepFor(std::uint32_t milliseconds) override { sleeps.push_back(milliseconds); }
    std::optional<std::uint64_t> PerformanceCounter() override;
    std::optional<std::uint64_t> PerformanceFrequency() override { return performanceFrequency; }
    std::uint32_t ProcessPriorityClass() override { return failPriorityQueries ? 0 : priorityClass; }
    bool SetProcessPriorityClass(std::uint32_t value) override;
    std::optional<int> ThreadPriority() override;
    bool SetThreadPriority(int value) override;

    std::uint32_t LogicalDriveMask() override { return driveMask; }
    std::uint32_t DriveType(std::string_view rootPath) override;
    bool HasDiskFreeSpaceEx() override { return hasDiskFreeSpaceEx; }
    std::optional<platform::DiskSpace> DiskFreeSpaceEx(std::string_view rootPath) override;
    std::optional<platform::DiskClusters> DiskFreeSpace(std::string_view rootPath) override;
    std::uint32_t WaveOutDeviceCount() override { return waveOutCount; }
    std::string WaveOutDeviceName(std::uint32_t device) override;
    std::optional<std::string> DisplayDeviceString(std::uint32_t index) override;
    std::unique_ptr<platform::DeviceInterfaceList> PresentDeviceInterfaces(const platform::Guid& interfaceClass) override;

    // The display and drive windows.
    int ScreenDeviceCaps(int index) override;
    std::optional<std::string> ThousandSeparator() override { return thousandSeparator; }
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

    // The tools launcher and the sound window.
    std::uint32_t RunCommandLine(const std::string& commandLine, int show) override;
    std::intptr_t ShellOpen(const platform::ShellExecuteRequest& request) override;
    bool FileExists(const std::string& path) override { return existingFiles.count(ToUpperPath(path)) > 0; }
    std::string SystemDirectory() override { return systemDirectory; }
    std::string WindowsDirectory() override { return windowsDirectory; }
    platform::ShellObjectAnswer CallShellObject(const std::string& method,
                                                std::optional<std::int32_t> argument) override;
    std::string SystemErrorText(std::uint32_t code) override;
    void SendMonitorPower(platform::WindowRef window, int state) override {
        monitorPowerSent.push_back({window, state});
    }
    std::uint32_t SendMciCommand(const std::string& command, platform::WindowRef callback) override;
    std::string MciErrorText(std::uint32_t code) override;
    bool SetWarningBeep(bool on) override;
    bool ShowTaskbar(bool shown) override;
    std::uint32_t MixerDeviceCount() override { return mixerCount; }
    std::uint32_t WaveOutDriverVersion(std::uint32_t device) override;
    void DefaultBeep() override { ++defaultBeeps; }
    bool PlaySoundAsync(const std::string& name) override;
    bool Tone(std::uint32_t frequency, std::uint32_t milliseconds) override;
    std::optional<platform::MixerRef> OpenMixer(std::uint32_t device) override;
    std::optional<std::uint32_t> MixerLineOfType(platform::MixerRef mixer, std::uint32_t componentType) override;
    std::optional<std::uint32_t> MixerControlOfType(platform::MixerRef mixer, std::uint32_t lineId,
                                                    std::uint32_t controlType) override;
    bool SetMixerBoolean(platform::MixerRef mixer, std::uint32_t controlId, bool value) override;
    void CloseMixer(platform::MixerRef mixer) override;
    platform::EndpointMuteStep MuteCaptureEndpoint(bool mute) override;

    std::optional<std::vector<std::uint8_t>> FirmwareTable(std::uint32_t provider, std::uint32_t id) override;
    std::optional<std::uint32_t> FirmwareType() override { return firmwareType; }
    std::optional<platform::OsVersion> KernelVersion() override { return kernelVersion; }
    std::optional<std::uint16_t> NativeArchitecture() override { return nativeArchitecture; }
    std::optional<std::vector<platform::GraphicsAdapterDesc>> GraphicsAdapters() override { return graphicsAdapters; }
    std::optional<std::vector<platform::MonitorDevice>> MonitorDevices() override { return monitorDevices; }
    platform::DeviceOpenAnswer OpenDeviceOrError(const platform::DeviceOpen& how) override;
    std::optional<std::vector<std::string>> DeviceInterfacePaths(const platform::Guid& interfaceClass) override;
    std::optional<platform::TpmAnswer> TpmDeviceInfo() override { return tpm; }
    std::optional<std::vector<std::uint8_t>> SystemBatteryState() override { return systemBatteryState; }

    platform::NtQueryEntry FindNtQuerySystemInformation() override;
    std::int32_t QuerySystemInformation(platform::NtQueryEntry entry, std::uint32_t infoClass,
                                        std::span<std::uint8_t> buffer) override;

    struct Node;

private:
    static std::string ToUpperPath(const std::string& path);
    std::size_t tscIndex_ = 0;
    std::size_t performanceIndex_ = 0;
    std::map<std::uint32_t, std::size_t> cpuidSequenceIndex_;
    Node* Find(Hive hive, std::string_view path, bool create);
    std::unique_ptr<platform::RegistryKey> OpenIn(Hive hive, std::string_view path, bool view32,
                                                  std::string_view storedPath);
    std::unique_ptr<Node> roots_[2];
};

// Version records as the Windows releases report them.
platform::OsVersion Windows95(std::string csd = "");
platform::OsVersion Windows98(std::string csd = "");
platform::OsVersion WindowsMe();
// The bytes GetTokenInformation needs for the list in this process (TOKEN_GROUPS with its SIDs).
std::size_t TokenGroupsBytes(const platform::TokenGroupList& list);

platform::OsVersion WindowsNt(std::uint32_t major, std::uint32_t minor, std::uint32_t build, std::string csd = "");

}  // namespace orvane::testing
