#include "probes/storage_probes.h"

#include <algorithm>
#include <array>

#include "core/text.h"
#include "probes/registry_reader.h"

namespace orvane {

using platform::kGenericRead;
using platform::kGenericWrite;
using platform::kShareRead;
using platform::kShareWrite;

namespace {

void PutLe(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint64_t value, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t GetLe32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(bytes[offset + i]) << (8 * i);
    return value;
}

// The NUL-terminated text at offset, bounded by the reply; empty when the offset is 0 (absent) or outside.
std::string TextAt(std::span<const std::uint8_t> bytes, std::uint32_t offset) {
    if (offset == 0 || offset >= bytes.size()) return std::string();
    return TextUpToNul(bytes.data() + offset, bytes.size() - offset);
}

std::string Fitted(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

std::string DriveLabel(int letter) {
    return std::string(1, static_cast<char>('A' + letter)) + ": ";
}

std::string RootPath(int letter) {
    return std::string(1, static_cast<char>('A' + letter)) + ":\\";
}

// The size the hard-disk rows report: the total or what the caller may still use; -1 when the query fails.
double DriveSize(System& sys, const std::string& root, bool freeToCaller) {
    if (sys.HasDiskFreeSpaceEx()) {
        const auto space = sys.DiskFreeSpaceEx(root);
        if (!space) return -1.0;
        return static_cast<double>(freeToCaller ? space->freeToCaller : space->total);
    }
    const auto clusters = sys.DiskFreeSpace(root);
    if (!clusters) return -1.0;
    const std::uint64_t clusterBytes = std::uint64_t{clusters->sectorsPerCluster} * clusters->bytesPerSector;
    return static_cast<double>(clusterBytes * (freeToCaller ? clusters->freeClusters : clusters->totalClusters));
}

std::string ListFixedDrives(System& sys, bool freeToCaller) {
    return Guarded([&] {
        std::string list;
        const std::uint32_t mask = sys.LogicalDriveMask();
        for (int letter = 2; letter <= 25; ++letter) {
            if ((mask & (1u << letter)) == 0) continue;
            try {
                if (sys.DriveType(RootPath(letter)) != platform::kDriveFixed) continue;
                const std::string entry =
                    DriveLabel(letter) + " " + FormatDriveSize(DriveSize(sys, RootPath(letter), freeToCaller));
                AppendListItem(list, entry);
            } catch (...) {
                // One drive that cannot be described leaves the others listed.
            }
        }
        return list;
    });
}

std::string ListPorts(System& sys, const char* kind) {
    return Guarded([&] {
        const auto version = sys.Version();
        const int count = version && version->platformId == platform::kPlatformNt ? 256 : 9;
        std::vector<std::string> names;
        std::vector<platform::DeviceOpen> opens;
        for (int number = 1; number <= count; ++number) {
            names.push_back(PortName(kind, number));
            // Exclusive: a port that another program holds is not free to use, so it is not listed.
            opens.push_back({names.back(), kGenericRead | kGenericWrite, 0});
        }
        // A port that does not answer is left out like any port that fails to open; the drivers behind
        // the rest are not waited for, so the row keeps what was found before it.
        const platform::BoundedOpenScan scan = sys.OpenEachWithin(opens, kPortOpenWaitMs);
        std::string list;
        for (std::size_t i = 0; i < scan.opened.size(); ++i) {
            if (scan.opened[i]) AppendListItem(list, names[i]);
        }
        return list;
    });
}

// Devices named prefix0, prefix1, ... up to the first that does not open.
std::uint32_t CountNamedDevices(System& sys, const char* devicePrefix) {
    std::uint32_t count = 0;
    while (sys.OpenDevice({devicePrefix + std::to_string(count), 0, kShareRead | kShareWrite})) ++count;
    return count;
}

std::string HostControllersText(std::uint32_t count) {
    return count > 0 ? "Detected: " + std::to_string(count) + " host controllers." : std::string("Not Detected");
}

std::string ModelFromInquiry(System& sys, const std::string& path) {
    const auto device = sys.OpenDevice({path, kGenericRead | kGenericWrite, kShareRead | kShareWrite});
    if (!device) return {};
    std::array<std::uint8_t, kInquiryDataLength> data{};
    const std::vector<std::uint8_t> request =
        BuildInquiryRequest(sizeof(void*), reinterpret_cast<std::uintptr_t>(data.data()));
    if (!device->Control(kIoctlScsiPassThroughDirect, request, request.size())) return {};
    return ParseInquiryModel(data);
}

// Needs no access rights, so it answers for an account that may not open the volume for writing.
std::string ModelFromDescriptor(System& sys, const std::string& path) {
    const auto device = sys.OpenDevice({path, 0, kShareRead | kShareWrite});
    if (!device) return {};
    const auto reply = device->Control(kIoctlStorageQueryProperty, BuildDevicePropertyQuery(), 1024);
    return reply ? ParseDeviceDescriptorModel(*reply) : std::string();
}

}  // namespace

std::string FormatDriveSize(double bytes) {
    if (bytes > 1073741824.0) return Format("%3.1fGB", bytes / 1024 / 1024 / 1024);
    return Format("%3.1fMB", bytes / 1024 / 1024);
}

std::string PortName(const char* kind, int number) {
    return (number <= 9 ? std::string() : std::string("\\\\.\\")) + kind + std::to_string(number);
}

std::string GetHardDisks(System& sys) {
    return ListFixedDrives(sys, false);
}

std::string GetHardDisksFree(System& sys) {
    return ListFixedDrives(sys, true);
}

std::string GetCDDrives(System& sys) {
    return Guarded([&] {
        std::string list;
        const std::uint32_t mask = sys.LogicalDriveMask();
        for (int letter = 0; letter <= 25; ++letter) {
            if ((mask & (1u << letter)) == 0 || sys.DriveType(RootPath(letter)) != platform::kDriveCdrom) continue;
            // Vendor (8) and product (16) identification; the revision after them is cut off.
            const std::string model = GetCDDriveModel(sys, static_cast<char>('A' + letter)).substr(0, 24);
            AppendListItem(list, DriveLabel(letter) + model);
        }
        return list;
    });
}

std::string GetCDDriveModel(System& sys, char letter) {
    return Guarded([&] {
        const std::string path = Format("\\\\.\\%c:", letter);
        std::string model = ModelFromInquiry(sys, path);
        if (model.empty()) model = ModelFromDescriptor(sys, path);
        return model;
    });
}

std::string GetCOMPorts(System& sys) {
    return ListPorts(sys, "COM");
}

std::string GetLPTPorts(System& sys) {
    return ListPorts(sys, "LPT");
}

std::string GetCOMPortsFromRegistry(System& sys) {
    return Guarded([&] {
        RegKey key = RegKey::Open(sys, "hardware\\devicemap\\serialcomm");
        std::string list;
        for (const std::string& name : key.ValueNames()) AppendListItem(list, key.ReadText(name));
        return list;
    });
}

std::string GetLPTPortsFromRegistry(System& sys) {
    return Guarded([&] {
        RegKey key = RegKey::Open(sys, "hardware\\devicemap\\PARALLEL PORTS");
        std::string list;
        for (const std::string& name : key.ValueNames()) {
            const std::string device = key.ReadText(name);
            const std::size_t cut = device.find_last_of("\\:");
            // Run together without separators: two ports read "LPT1LPT2".
            list += cut == std::string::npos ? device : device.substr(cut + 1);
        }
        return list;
    });
}

std::string GetUSBControllers(System& sys) {
    return Guarded([&] {
        std::uint32_t count = CountNamedDevices(sys, "\\\\.\\HCD");
        // Controllers driven by the USB 3 (xHCI) stack need not publish an HCD name: count the present
        // host-controller interfaces instead.
        if (count == 0) {
            if (auto list = sys.PresentDeviceInterfaces(kUsbHostControllerInterface)) {
                while (count < kMaxInterfaces && list->HasInterface(count)) ++count;
            }
        }
        return HostControllersText(count);
    });
}

std::string GetFirewireControllers(System& sys) {
    return Guarded([&] { return HostControllersText(CountNamedDevices(sys, "\\\\.\\1394BUS")); });
}

std::string GetPCMCIAStatus(System& sys) {
    return Guarded([&] {
        const RegKey key = RegKey::Open(sys, "SYSTEM\\CurrentControlSet\\Enum\\PCMCIA");
        return std::string(key.IsOpen() ? "Installed" : "Not Installed");
    });
}

std::vector<std::uint8_t> BuildInquiryRequest(std::size_t pointerSize, std::uint64_t dataBufferAddress) {
    const PassThroughLayout layout = PassThroughLayoutFor(pointerSize);
    std::vector<std::uint8_t> request(layout.requestLength, 0);
    PutLe(request, 0, layout.recordLength, 2);  // Length
    // ScsiStatus, PathId, TargetId and Lun stay 0.
    request[6] = 6;                             // CdbLength
    request[7] = 24;                            // SenseInfoLength
    request[8] = 1;                             // DataIn: SCSI_IOCTL_DATA_IN
    PutLe(request, 12, kInquiryDataLength, 4);  // DataTransferLength
    PutLe(request, 16, 2, 4);                   // TimeOutValue, seconds
    PutLe(request, layout.dataBufferOffset, dataBufferAddress, pointerSize);
    PutLe(request, layout.senseOffsetOffset, layout.senseAreaOffset, 4);
    request[layout.cdbOffset] = 0x12;                    // INQUIRY
    request[layout.cdbOffset + 4] = kInquiryDataLength;  // allocation length
    return request;
}

std::string ParseInquiryModel(std::span<const std::uint8_t> inquiryData) {
    const std::span<const std::uint8_t> data = inquiryData.first(std::min(inquiryData.size(), kInquiryDataLength));
    if (data.size() <= 8) return std::string();
    return TextUpToNul(data.data() + 8, data.size() - 8);
}

std::vector<std::uint8_t> BuildDevicePropertyQuery() {
    // PropertyId = StorageDeviceProperty (0), QueryType = PropertyStandardQuery (0), one parameter byte,
    // padded to 12 bytes.
    return std::vector<std::uint8_t>(kPropertyQueryBytes, 0);
}

std::string StorageDescriptorText(std::span<const std::uint8_t> reply, std::size_t offsetField) {
    if (reply.size() < 8 || offsetField + 4 > reply.size()) return std::string();
    // The descriptor's own Size may say it is shorter than what came back.
    const std::uint32_t declared = GetLe32(reply, 4);
    const std::span<const std::uint8_t> descriptor = reply.first(std::min<std::size_t>(reply.size(), declared));
    return TextAt(descriptor, GetLe32(reply, offsetField));
}

std::string ParseDeviceDescriptorModel(std::span<const std::uint8_t> reply) {
    // Version, Size, four type bytes, then VendorIdOffset at 12 and ProductIdOffset at 16.
    if (reply.size() < 20) return std::string();
    const std::string vendor = StorageDescriptorText(reply, kDescriptorVendorIdField);
    const std::string product = StorageDescriptorText(reply, kDescriptorProductIdField);
    if (vendor.empty()) return product;
    return Fitted(vendor, 8) + product;
}

}  // namespace orvane
