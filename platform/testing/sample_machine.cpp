#include "platform/testing/sample_machine.h"

#include <cstring>

namespace orvane::testing {

namespace {

using namespace std::string_literals;
using platform::Hive;

constexpr const char* kClassRoot = "SYSTEM\\CurrentControlSet\\Control\\Class";
constexpr const char* kDisplayClass = "SYSTEM\\CurrentControlSet\\Control\\Class\\{4d36e968-e325-11ce-bfc1-08002be10318}";
constexpr const char* kVideoKey =
    "System\\CurrentControlSet\\Control\\Video\\{A1B2C3D4-0000-0000-0000-000000000000}\\0000";
constexpr const char* kUninstall = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
constexpr const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

platform::RegValue Sz(const std::string& text) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return {platform::kRegSz, bytes};
}

std::vector<std::uint8_t> Utf16(std::u16string_view text) {
    std::vector<std::uint8_t> bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

std::uint32_t Word(const char* four) {
    std::uint32_t word = 0;
    std::memcpy(&word, four, 4);
    return word;
}

void Application(TestMachine& machine, Hive hive, bool view32, const std::string& key, const std::string& name,
                 const std::string& location) {
    const std::string path = (view32 ? "SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
                                     : std::string(kUninstall)) +
                             key;
    machine.SetValue(hive, path, "DisplayName", Sz(name));
    machine.SetValue(hive, path, "DisplayVersion", Sz("2.1"));
    machine.SetValue(hive, path, "Publisher", Sz("Contoso \"Tools\" Ltd"));
    machine.SetValue(hive, path, "InstallLocation", Sz(location));
    machine.SetValue(hive, path, "UninstallString", Sz("\"" + location + "\\uninstall.exe\" /S"));
}

}  // namespace

void FillSampleMachine(TestMachine& machine) {
    machine.version = WindowsNt(10, 0, 19045);
    machine.productType = 1;
    machine.wow64 = false;

    // A Pentium III E (family 6, model 8, stepping 3) with its leaf-2 caches: 16 KB data and code, 256 KB
    // level 2.
    machine.cpuidLeaves[0] = {2, Word("Genu"), Word("ntel"), Word("ineI")};
    machine.cpuidLeaves[1] = {0x00000683, 0, 0, 0x0387FBFF};
    machine.cpuidLeaves[2] = {0x03020101, 0, 0, 0x0C040882};
    machine.tscReadings = {0, 366500000};  // 733 MHz over the half second
    machine.processors = 1;

    machine.totalPhysicalMemory = 536870912;
    machine.memoryStatus = platform::MemoryStatus{37, 536870912, 201326592, 1610612736, 805306368, 2147352576,
                                                  2080374784};
    machine.memoryLayout = {4096, 65536, 0x10000, 0x7FFEFFFF};

    // Display: the class tree with another class first, the adapter and its video key.
    machine.SetText(std::string(kClassRoot) + "\\{4d36e967-e325-11ce-bfc1-08002be10318}", "Class", "DiskDrive");
    machine.SetText(std::string(kClassRoot) + "\\{4d36e967-e325-11ce-bfc1-08002be10318}\\0000", "DriverDesc",
                    "Disk drive");
    machine.SetText(std::string(kClassRoot) + "\\{4d36e967-e325-11ce-bfc1-08002be10318}\\0000", "ProviderName",
                    "Microsoft");
    machine.SetText(std::string(kClassRoot) + "\\{4d36e967-e325-11ce-bfc1-08002be10318}\\0000", "DriverVersion",
                    "10.0.19041.1");
    machine.SetText(kDisplayClass, "Class", "Display");
    machine.SetText(std::string(kDisplayClass) + "\\0000", "DriverDesc", "Contoso Graphics 9000");
    machine.SetText(std::string(kDisplayClass) + "\\0000", "ProviderName", "Contoso");
    machine.SetText(std::string(kDisplayClass) + "\\0000", "DriverVersion", "31.0.15.1694");
    machine.SetText("HARDWARE\\DEVICEMAP\\VIDEO", "\\Device\\Video0", "\\Registry\\Machine\\"s + kVideoKey);
    machine.SetBinary(kVideoKey, "HardwareInformation.ChipType", Utf16(u"Contoso 9000"));
    machine.SetBinary(kVideoKey, "HardwareInformation.DacType", Utf16(u"Integrated RAMDAC"));
    machine.SetBinary(kVideoKey, "HardwareInformation.qwMemorySize", {0, 0, 0, 0, 1, 0, 0, 0});  // 4 GB
    machine.screenCaps = {{platform::kCapsLogPixelsY, 96}, {platform::kCapsHorzRes, 1024},
                          {platform::kCapsVertRes, 768},   {platform::kCapsBitsPixel, 32},
                          {platform::kCapsTechnology, 1},  {platform::kCapsAspectX, 36},
                          {platform::kCapsAspectY, 36},    {platform::kCapsAspectXY, 51}};
    machine.metrics = {{0, 1024}, {1, 768}};
    machine.displayDevices = {"Contoso Graphics 9000"};

    // A floppy drive without a disk, the system disk and a CD drive without a medium.
    machine.logicalDriveStrings = "A:\\\0C:\\\0D:\\\0"s;
    machine.driveMask = 0b1101;
    machine.driveTypes = {
        {"A:\\", platform::kDriveRemovable}, {"C:\\", platform::kDriveFixed}, {"D:\\", platform::kDriveCdrom}};
    machine.diskClusters = {{"C:\\", platform::DiskClusters{8, 512, 2441406, 9765625}}};
    machine.diskSpace = {{"C:\\", platform::DiskSpace{10000000000, 40000000000, 10500000000}}};
    machine.volumes = {{"C:\\", platform::VolumeInfo{"System", 0x1A2B3C4D, 255,
                                                     platform::kFileCasePreservedNames | platform::kFileUnicodeOnDisk |
                                                         platform::kFilePersistentAcls | platform::kFileVolumeQuotas,
                                                     "NTFS"}}};
    // The process's current folder on C: is the user's.
    machine.fullPaths = {{"C:", std::string(kSampleProfile) + "\\Documents"}};

    // Installed applications: the machine's 64-bit and 32-bit views and the user's own key.
    machine.wow64 = false;
    Application(machine, Hive::LocalMachine, false, "Sample64", "Sample Tool 64", "C:\\Program Files\\Sample");
    Application(machine, Hive::LocalMachine, true, "Sample32", "Sample Tool 32", "C:\\Program Files (x86)\\Sample");
    Application(machine, Hive::CurrentUser, false, "SampleUser", "Sample User Tool",
                std::string(kSampleProfile) + "\\AppData\\Local\\Sample");

    // Startup programs: a Run entry of the machine, one of the user's and a file in the user's Startup folder.
    machine.SetValue(Hive::LocalMachine, kRun, "SampleTray", Sz("C:\\Program Files\\Sample\\tray.exe /quiet"));
    machine.SetValue(Hive::CurrentUser, kRun, "SampleSync",
                     Sz(std::string(kSampleProfile) + "\\AppData\\Local\\Sample\\sync.exe --host " + kSampleComputer));
    machine.shellFolders = {
        {platform::kCsidlCommonStartup, "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\StartUp"},
        {platform::kCsidlStartup,
         std::string(kSampleProfile) + "\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup"},
        {platform::kCsidlProfile, kSampleProfile},
    };
    machine.folderEntries[std::string(kSampleProfile) +
                          "\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup\\*.*"] = {
        {".", 0x10}, {"..", 0x10}, {"Notes.lnk", 0x20}};

    // Sound: one wave-output device and two mixers.
    machine.waveOutCount = 1;
    machine.waveOutNames = {"Speakers (Contoso Audio)"};
    machine.mixerCount = 2;
    machine.waveOutDriverVersions = {{0, 0x0501}};

    // The identity.
    machine.computerName = kSampleComputer;
    machine.userName = kSampleUser;
    machine.hostName = kSampleComputer;
    machine.hosts[kSampleComputer] = {{10, 41, 7, 9}};
    platform::AdapterRecord adapter;
    const char description[] = "Contoso Gigabit Network Connection";
    std::memcpy(adapter.description.data(), description, sizeof description);
    adapter.address = {0x00, 0x1B, 0x21, 0x3C, 0x4D, 0x5E, 0, 0};
    adapter.addressLength = 6;
    machine.adapters = {adapter};
    machine.netbiosAvailable = false;
    machine.SetText("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "ProductId", kSampleProductId);
    machine.defaultPrinter = platform::PrinterEntry{"\\\\"s + kSampleComputer + "\\Laser", "USB001"};
    machine.wmiClasses["SELECT * FROM Win32_BIOS"] = {{{"Manufacturer", {platform::WmiValue::Kind::Text, "Contoso"}},
                                                       {"SerialNumber",
                                                        {platform::WmiValue::Kind::Text, kSampleBiosSerial}}}};
    machine.wmiClasses["SELECT * FROM Win32_ComputerSystemProduct"] = {
        {{"Name", {platform::WmiValue::Kind::Text, "Contoso Desktop 1"}}}};
}

}  // namespace orvane::testing
