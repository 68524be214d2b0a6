// Drives, devices with their I/O controls, wave output and display adapters.
// <mmsystem.h> and <ntddscsi.h> need <windows.h> before them.
// clang-format off
#include <windows.h>
#include <mmsystem.h>
#include <ntddscsi.h>
#include <winioctl.h>
#include <setupapi.h>
// clang-format on

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/device_records.h"
#include "platform/win32/bounded_call.h"
#include "platform/win32/handles.h"
#include "platform/win32/system_dlls.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/imports.h"

namespace orvane::win32 {

namespace {

// The core builds the pass-through request byte by byte; it must match the platform's record.
constexpr PassThroughLayout kLayout = PassThroughLayoutFor(sizeof(void*));
static_assert(kLayout.recordLength == sizeof(SCSI_PASS_THROUGH_DIRECT));
static_assert(kLayout.dataBufferOffset == offsetof(SCSI_PASS_THROUGH_DIRECT, DataBuffer));
static_assert(kLayout.senseOffsetOffset == offsetof(SCSI_PASS_THROUGH_DIRECT, SenseInfoOffset));
static_assert(kLayout.cdbOffset == offsetof(SCSI_PASS_THROUGH_DIRECT, Cdb));
// The hard-disk serial's records: the unit serial request (SCSI_PASS_THROUGH with its areas after it),
// the miniport IDENTIFY request and reply, and the storage property query and descriptor.
constexpr SerialRequestLayout kSerialLayout = SerialRequestLayoutFor(sizeof(void*));
static_assert(kSerialLayout.record.recordLength == sizeof(SCSI_PASS_THROUGH));
static_assert(kSerialLayout.record.recordLength == (sizeof(void*) == 8 ? 56 : 44));
static_assert(kSerialLayout.record.dataBufferOffset == offsetof(SCSI_PASS_THROUGH, DataBufferOffset));
static_assert(kSerialLayout.record.senseOffsetOffset == offsetof(SCSI_PASS_THROUGH, SenseInfoOffset));
static_assert(kSerialLayout.record.cdbOffset == offsetof(SCSI_PASS_THROUGH, Cdb));
static_assert(offsetof(SCSI_PASS_THROUGH, CdbLength) == 6 && offsetof(SCSI_PASS_THROUGH, DataIn) == 8);
static_assert(offsetof(SCSI_PASS_THROUGH, DataTransferLength) == 12 && offsetof(SCSI_PASS_THROUGH, TimeOutValue) == 16);
static_assert(offsetof(SCSI_PASS_THROUGH_DIRECT, CdbLength) == 6 && offsetof(SCSI_PASS_THROUGH_DIRECT, DataIn) == 8);
static_assert(offsetof(SCSI_PASS_THROUGH_DIRECT, DataTransferLength) == 12);
static_assert(offsetof(SCSI_PASS_THROUGH_DIRECT, TimeOutValue) == 16);
static_assert(sizeof(SRB_IO_CONTROL) == kSrbIoControlBytes);
static_assert(offsetof(SRB_IO_CONTROL, Timeout) == kSrbTimeoutOffset);
static_assert(offsetof(SRB_IO_CONTROL, ControlCode) == kSrbControlCodeOffset);
static_assert(offsetof(SRB_IO_CONTROL, Length) == kSrbLengthOffset);
static_assert(offsetof(SENDCMDINPARAMS, bBuffer) == kSendCmdInBytes);
static_assert(offsetof(SENDCMDINPARAMS, irDriveRegs) == kSendCmdRegistersOffset);
static_assert(offsetof(IDEREGS, bSectorCountReg) == 1 && offsetof(IDEREGS, bSectorNumberReg) == 2);
static_assert(offsetof(IDEREGS, bDriveHeadReg) == 5 && offsetof(IDEREGS, bCommandReg) == 6);
static_assert(offsetof(SENDCMDOUTPARAMS, bBuffer) == kSendCmdOutHeaderBytes);
static_assert(sizeof(STORAGE_PROPERTY_QUERY) == kPropertyQueryBytes);
static_assert(offsetof(STORAGE_DEVICE_DESCRIPTOR, VendorIdOffset) == kDescriptorVendorIdField);
static_assert(offsetof(STORAGE_DEVICE_DESCRIPTOR, ProductIdOffset) == kDescriptorProductIdField);
static_assert(offsetof(STORAGE_DEVICE_DESCRIPTOR, SerialNumberOffset) == kDescriptorSerialNumberField);
static_assert(kIoctlScsiPassThrough == IOCTL_SCSI_PASS_THROUGH && kIoctlScsiMiniport == IOCTL_SCSI_MINIPORT);
static_assert(kIoctlScsiPassThroughDirect == IOCTL_SCSI_PASS_THROUGH_DIRECT);
static_assert(kIoctlStorageQueryProperty == IOCTL_STORAGE_QUERY_PROPERTY && kSmartRcvDriveData == SMART_RCV_DRIVE_DATA);
static_assert(sizeof(WAVEOUTCAPSA) == 52);
static_assert(offsetof(DISPLAY_DEVICEA, DeviceID) == 168);

class Win32Device : public platform::Device {
  public:
    explicit Win32Device(UniqueHandle handle) : handle_(std::move(handle)) {}

    std::optional<std::vector<std::uint8_t>> Control(std::uint32_t code, std::span<const std::uint8_t> input,
                                                     std::size_t outputLength) override {
        // One buffer serves both ways, as the requests that answer in place expect.
        std::vector<std::uint8_t> buffer(std::max(input.size(), outputLength));
        std::copy(input.begin(), input.end(), buffer.begin());
        DWORD returned = 0;
        if (!DeviceIoControl(handle_.Get(), code, buffer.data(), static_cast<DWORD>(input.size()), buffer.data(),
                             static_cast<DWORD>(outputLength), &returned, nullptr)) {
            return std::nullopt;
        }
        buffer.resize(std::min<std::size_t>(returned, outputLength));
        return buffer;
    }

  private:
    UniqueHandle handle_;
};

using GetDiskFreeSpaceExFn = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);

GetDiskFreeSpaceExFn DiskFreeSpaceExEntry() {
    return ImportLoaded<GetDiskFreeSpaceExFn>("kernel32.dll", "GetDiskFreeSpaceExA");
}

}  // namespace

std::uint32_t Win32System::LogicalDriveMask() {
    return GetLogicalDrives();
}

std::uint32_t Win32System::DriveType(std::string_view rootPath) {
    const std::string root(rootPath);
    return GetDriveTypeA(root.c_str());
}

bool Win32System::HasDiskFreeSpaceEx() {
    return DiskFreeSpaceExEntry() != nullptr;
}

std::optional<platform::DiskSpace> Win32System::DiskFreeSpaceEx(std::string_view rootPath) {
    const auto entry = DiskFreeSpaceExEntry();
    if (!entry) return std::nullopt;
    const std::string root(rootPath);
    ULARGE_INTEGER freeToCaller{}, total{}, totalFree{};
    if (!entry(root.c_str(), &freeToCaller, &total, &totalFree)) return std::nullopt;
    return platform::DiskSpace{freeToCaller.QuadPart, total.QuadPart, totalFree.QuadPart};
}

std::optional<platform::DiskClusters> Win32System::DiskFreeSpace(std::string_view rootPath) {
    const std::string root(rootPath);
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
    if (!GetDiskFreeSpaceA(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters)) {
        return std::nullopt;
    }
    return platform::DiskClusters{sectorsPerCluster, bytesPerSector, freeClusters, totalClusters};
}

std::unique_ptr<platform::Device> Win32System::OpenDevice(const platform::DeviceOpen& how) {
    UniqueHandle handle(CreateFileA(how.path.c_str(), how.access, how.share, nullptr, how.creation, 0, nullptr));
    if (!handle.Valid()) return nullptr;
    return std::make_unique<Win32Device>(std::move(handle));
}

platform::BoundedDeviceOpen Win32System::OpenDeviceWithin(const platform::DeviceOpen& how, std::uint32_t waitMs) {
    // The helper gets its own copy of the arguments; an abandoned open closes its handle when the
    // driver finally lets it go, through the record's UniqueHandle.
    auto answer = CallWithin<UniqueHandle>(waitMs, [how] {
        return UniqueHandle(CreateFileA(how.path.c_str(), how.access, how.share, nullptr, how.creation, 0, nullptr));
    });
    if (answer.outcome == BoundedOutcome::TimedOut) return {nullptr, true};
    if (!answer.result || !answer.result->Valid()) return {nullptr, false};
    return {std::make_unique<Win32Device>(std::move(*answer.result)), false};
}

platform::BoundedOpenScan Win32System::OpenEachWithin(const std::vector<platform::DeviceOpen>& opens,
                                                      std::uint32_t waitMs) {
    // One helper makes every open in turn: a scan of 256 ports then costs one hand-over, not 256. The
    // helper shares the list and the answers with this call; an abandoned scan leaves the rest unmade.
    struct Shared {
        std::vector<platform::DeviceOpen> opens;
        std::vector<char> opened;
    };
    auto shared = std::make_shared<Shared>(Shared{opens, std::vector<char>(opens.size(), 0)});
    const std::size_t ended = CallEachWithin(waitMs, opens.size(), [shared](std::size_t i) {
        const platform::DeviceOpen& how = shared->opens[i];
        UniqueHandle device(CreateFileA(how.path.c_str(), how.access, how.share, nullptr, how.creation, 0, nullptr));
        shared->opened[i] = device.Valid() ? 1 : 0;
    });
    platform::BoundedOpenScan scan;
    for (std::size_t i = 0; i < ended; ++i) scan.opened.push_back(shared->opened[i] != 0);
    if (ended < opens.size()) {
        scan.opened.push_back(false);
        scan.timedOut = true;
    }
    return scan;
}

std::uint32_t Win32System::WaveOutDeviceCount() {
    return waveOutGetNumDevs();
}

std::string Win32System::WaveOutDeviceName(std::uint32_t device) {
    WAVEOUTCAPSA caps{};  // 52 bytes
    waveOutGetDevCapsA(device, &caps, sizeof caps);
    return std::string(caps.szPname, strnlen(caps.szPname, sizeof caps.szPname));
}

std::optional<std::string> Win32System::DisplayDeviceString(std::uint32_t index) {
    // The record's short form (168 bytes): cb, DeviceName, DeviceString and StateFlags, which every
    // release of the call accepts.
    DISPLAY_DEVICEA device{};
    device.cb = offsetof(DISPLAY_DEVICEA, DeviceID);
    if (!EnumDisplayDevicesA(nullptr, index, &device, 0)) return std::nullopt;
    return std::string(device.DeviceString, strnlen(device.DeviceString, sizeof device.DeviceString));
}

namespace {

// SetupAPI, looked up at run time: NT 4 and the first 95 have none of it.
struct SetupApi {
    using GetClassDevs = HDEVINFO(WINAPI*)(const GUID*, PCSTR, HWND, DWORD);
    using EnumInterfaces = BOOL(WINAPI*)(HDEVINFO, PSP_DEVINFO_DATA, const GUID*, DWORD, PSP_DEVICE_INTERFACE_DATA);
    using Destroy = BOOL(WINAPI*)(HDEVINFO);
    GetClassDevs getClassDevs = nullptr;
    EnumInterfaces enumInterfaces = nullptr;
    Destroy destroy = nullptr;
};

const SetupApi& LoadSetupApi() {
    static const SetupApi api = [] {
        SetupApi found;
        // Loaded once and kept for the life of the process.
        if (HMODULE module = LoadSystemLibrary("setupapi.dll")) {
            found.getClassDevs = ImportFrom<SetupApi::GetClassDevs>(module, "SetupDiGetClassDevsA");
            found.enumInterfaces = ImportFrom<SetupApi::EnumInterfaces>(module, "SetupDiEnumDeviceInterfaces");
            found.destroy = ImportFrom<SetupApi::Destroy>(module, "SetupDiDestroyDeviceInfoList");
        }
        return found;
    }();
    return api;
}

static_assert(sizeof(platform::Guid) == sizeof(GUID));
static_assert(offsetof(platform::Guid, data4) == offsetof(GUID, Data4));

class Win32InterfaceList : public platform::DeviceInterfaceList {
  public:
    Win32InterfaceList(const SetupApi& api, HDEVINFO list, const GUID& interfaceClass)
        : api_(api), list_(list), class_(interfaceClass) {}
    ~Win32InterfaceList() override { api_.destroy(list_); }
    Win32InterfaceList(const Win32InterfaceList&) = delete;
    Win32InterfaceList& operator=(const Win32InterfaceList&) = delete;

    bool HasInterface(std::uint32_t index) override {
        SP_DEVICE_INTERFACE_DATA data{};
        data.cbSize = sizeof data;
        return api_.enumInterfaces(list_, nullptr, &class_, index, &data) != FALSE;
    }

  private:
    const SetupApi& api_;
    HDEVINFO list_;
    GUID class_;
};

}  // namespace

std::unique_ptr<platform::DeviceInterfaceList> Win32System::PresentDeviceInterfaces(
    const platform::Guid& interfaceClass) {
    const SetupApi& api = LoadSetupApi();
    if (!api.getClassDevs || !api.enumInterfaces || !api.destroy) return nullptr;
    GUID guid;
    std::memcpy(&guid, &interfaceClass, sizeof guid);
    const HDEVINFO list = api.getClassDevs(&guid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (list == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<Win32InterfaceList>(api, list, guid);
}

}  // namespace orvane::win32
