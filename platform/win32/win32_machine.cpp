// The machine window's sources: firmware tables and type, the kernel's version record, DXGI's adapters,
// the monitors' EDIDs, device interface paths, the TPM and the power manager's battery summary. Every
// function that older systems lack is looked up at run time; the libraries that are not loaded in every
// process come from the system folder only.
// clang-format off
#include <windows.h>
#include <dxgi.h>
#include <setupapi.h>
#include <devguid.h>
// clang-format on

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/win32/handles.h"
#include "platform/win32/imports.h"
#include "platform/win32/win32_system.h"

namespace orvane::win32 {

namespace {

static_assert(platform::kFirmwareTypeBios == FirmwareTypeBios && platform::kFirmwareTypeUefi == FirmwareTypeUefi);
static_assert(platform::kArchitectureIntel == PROCESSOR_ARCHITECTURE_INTEL);
static_assert(platform::kArchitectureAmd64 == PROCESSOR_ARCHITECTURE_AMD64);
static_assert(platform::kArchitectureArm == PROCESSOR_ARCHITECTURE_ARM);
static_assert(platform::kArchitectureArm64 == 12);  // PROCESSOR_ARCHITECTURE_ARM64, newer than these headers
static_assert(platform::kDxgiAdapterFlagSoftware == DXGI_ADAPTER_FLAG_SOFTWARE);
static_assert(sizeof(DXGI_ADAPTER_DESC1::Description) == 128 * sizeof(WCHAR));

// TPM_DEVICE_INFO of tbs.h, which these headers leave out: four UINT32s, the same in both widths.
struct TpmDeviceRecord {
    UINT32 structVersion;
    UINT32 tpmVersion;
    UINT32 tpmInterfaceType;
    UINT32 tpmImpRevision;
};
static_assert(sizeof(TpmDeviceRecord) == platform::kTpmDeviceInfoBytes);
static_assert(offsetof(TpmDeviceRecord, tpmVersion) == 4);

// A library of the system folder, loaded once and kept for the life of the process; nullptr where it is
// missing. A name alone would let the program's own folder answer first.
HMODULE SystemLibrary(const char* name) {
    char folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const std::string path = std::string(folder, length) + "\\" + name;
    return LoadLibraryA(path.c_str());
}

struct SetupApi {
    using GetClassDevs = HDEVINFO(WINAPI*)(const GUID*, PCSTR, HWND, DWORD);
    using EnumInfo = BOOL(WINAPI*)(HDEVINFO, DWORD, PSP_DEVINFO_DATA);
    using InstanceId = BOOL(WINAPI*)(HDEVINFO, PSP_DEVINFO_DATA, PSTR, DWORD, PDWORD);
    using OpenDevRegKey = HKEY(WINAPI*)(HDEVINFO, PSP_DEVINFO_DATA, DWORD, DWORD, DWORD, REGSAM);
    using EnumInterfaces = BOOL(WINAPI*)(HDEVINFO, PSP_DEVINFO_DATA, const GUID*, DWORD, PSP_DEVICE_INTERFACE_DATA);
    using InterfaceDetail = BOOL(WINAPI*)(HDEVINFO, PSP_DEVICE_INTERFACE_DATA, PSP_DEVICE_INTERFACE_DETAIL_DATA_A,
                                          DWORD, PDWORD, PSP_DEVINFO_DATA);
    using Destroy = BOOL(WINAPI*)(HDEVINFO);
    GetClassDevs getClassDevs = nullptr;
    EnumInfo enumInfo = nullptr;
    InstanceId instanceId = nullptr;
    OpenDevRegKey openDevRegKey = nullptr;
    EnumInterfaces enumInterfaces = nullptr;
    InterfaceDetail interfaceDetail = nullptr;
    Destroy destroy = nullptr;
};

const SetupApi& Setup() {
    static const SetupApi api = [] {
        SetupApi found;
        if (HMODULE module = SystemLibrary("setupapi.dll")) {
            found.getClassDevs = ImportFrom<SetupApi::GetClassDevs>(module, "SetupDiGetClassDevsA");
            found.enumInfo = ImportFrom<SetupApi::EnumInfo>(module, "SetupDiEnumDeviceInfo");
            found.instanceId = ImportFrom<SetupApi::InstanceId>(module, "SetupDiGetDeviceInstanceIdA");
            found.openDevRegKey = ImportFrom<SetupApi::OpenDevRegKey>(module, "SetupDiOpenDevRegKey");
            found.enumInterfaces = ImportFrom<SetupApi::EnumInterfaces>(module, "SetupDiEnumDeviceInterfaces");
            found.interfaceDetail =
                ImportFrom<SetupApi::InterfaceDetail>(module, "SetupDiGetDeviceInterfaceDetailA");
            found.destroy = ImportFrom<SetupApi::Destroy>(module, "SetupDiDestroyDeviceInfoList");
        }
        return found;
    }();
    return api;
}

// A device information list, destroyed with its owner.
class DeviceInfoList {
  public:
    DeviceInfoList(const SetupApi& api, HDEVINFO list) : api_(api), list_(list) {}
    ~DeviceInfoList() {
        if (Valid()) api_.destroy(list_);
    }
    DeviceInfoList(const DeviceInfoList&) = delete;
    DeviceInfoList& operator=(const DeviceInfoList&) = delete;
    bool Valid() const { return list_ != INVALID_HANDLE_VALUE && list_ != nullptr; }
    HDEVINFO Get() const { return list_; }

  private:
    const SetupApi& api_;
    HDEVINFO list_;
};

class Win32OpenDevice : public platform::Device {
  public:
    explicit Win32OpenDevice(UniqueHandle handle) : handle_(std::move(handle)) {}
    std::optional<std::vector<std::uint8_t>> Control(std::uint32_t code, std::span<const std::uint8_t> input,
                                                     std::size_t outputLength) override {
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

// A registry value of an open key, read whole; nullopt where it is missing.
std::optional<std::vector<std::uint8_t>> ReadBinaryValue(HKEY key, const char* name) {
    DWORD type = 0, bytes = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS) return std::nullopt;
    std::vector<std::uint8_t> data(bytes);
    if (bytes != 0 && RegQueryValueExA(key, name, nullptr, &type, data.data(), &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    data.resize(std::min<std::size_t>(bytes, data.size()));
    return data;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> Win32System::FirmwareTable(std::uint32_t provider, std::uint32_t id) {
    using TableFn = UINT(WINAPI*)(DWORD, DWORD, PVOID, DWORD);
    static const auto query = ImportLoaded<TableFn>("kernel32.dll", "GetSystemFirmwareTable");
    if (!query) return std::nullopt;
    // The size first; a second try covers a table that grew in between.
    UINT size = query(provider, id, nullptr, 0);
    for (int attempt = 0; attempt < 2 && size != 0; ++attempt) {
        std::vector<std::uint8_t> table(size);
        const UINT written = query(provider, id, table.data(), size);
        if (written == 0) return std::nullopt;
        if (written <= size) {
            table.resize(written);
            return table;
        }
        size = written;
    }
    return std::nullopt;
}

std::optional<std::uint32_t> Win32System::FirmwareType() {
    using TypeFn = BOOL(WINAPI*)(PFIRMWARE_TYPE);
    static const auto query = ImportLoaded<TypeFn>("kernel32.dll", "GetFirmwareType");
    if (!query) return std::nullopt;
    FIRMWARE_TYPE type = FirmwareTypeUnknown;
    if (!query(&type)) return std::nullopt;
    return static_cast<std::uint32_t>(type);
}

std::optional<platform::OsVersion> Win32System::KernelVersion() {
    using VersionFn = LONG(WINAPI*)(OSVERSIONINFOEXW*);
    static const auto query = ImportLoaded<VersionFn>("ntdll.dll", "RtlGetVersion");
    if (!query) return std::nullopt;
    OSVERSIONINFOEXW info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (query(&info) < 0) return std::nullopt;
    return platform::OsVersion{info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber, info.dwPlatformId, {}};
}

std::optional<std::uint16_t> Win32System::NativeArchitecture() {
    using InfoFn = VOID(WINAPI*)(LPSYSTEM_INFO);
    static const auto query = ImportLoaded<InfoFn>("kernel32.dll", "GetNativeSystemInfo");
    if (!query) return std::nullopt;
    SYSTEM_INFO info{};
    query(&info);
    return info.wProcessorArchitecture;
}

std::optional<std::vector<platform::GraphicsAdapterDesc>> Win32System::GraphicsAdapters() {
    using FactoryFn = HRESULT(WINAPI*)(REFIID, void**);
    static const HMODULE dxgi = SystemLibrary("dxgi.dll");
    const auto create = ImportFrom<FactoryFn>(dxgi, "CreateDXGIFactory1");
    if (!create) return std::nullopt;
    ComPtr<IDXGIFactory1> factory;
    if (FAILED(create(__uuidof(IDXGIFactory1), factory.PutVoid())) || !factory) return std::nullopt;
    std::vector<platform::GraphicsAdapterDesc> adapters;
    for (UINT index = 0;; ++index) {
        ComPtr<IDXGIAdapter1> adapter;
        if (factory->EnumAdapters1(index, adapter.Put()) != S_OK || !adapter) break;
        DXGI_ADAPTER_DESC1 desc{};
        if (FAILED(adapter->GetDesc1(&desc))) continue;
        platform::GraphicsAdapterDesc found;
        const std::size_t length = wcsnlen(desc.Description, 128);
        found.description.assign(reinterpret_cast<const char16_t*>(desc.Description), length);
        found.vendorId = desc.VendorId;
        found.deviceId = desc.DeviceId;
        found.subSysId = desc.SubSysId;
        found.revision = desc.Revision;
        found.dedicatedVideoMemory = desc.DedicatedVideoMemory;
        found.dedicatedSystemMemory = desc.DedicatedSystemMemory;
        found.sharedSystemMemory = desc.SharedSystemMemory;
        found.flags = desc.Flags;
        adapters.push_back(std::move(found));
    }
    return adapters;
}

std::optional<std::vector<platform::MonitorDevice>> Win32System::MonitorDevices() {
    const SetupApi& api = Setup();
    if (!api.getClassDevs || !api.enumInfo || !api.instanceId || !api.openDevRegKey || !api.destroy) {
        return std::nullopt;
    }
    const DeviceInfoList list(api, api.getClassDevs(&GUID_DEVCLASS_MONITOR, nullptr, nullptr, DIGCF_PRESENT));
    if (!list.Valid()) return std::nullopt;
    std::vector<platform::MonitorDevice> monitors;
    for (DWORD index = 0;; ++index) {
        SP_DEVINFO_DATA device{};
        device.cbSize = sizeof device;
        if (!api.enumInfo(list.Get(), index, &device)) break;
        platform::MonitorDevice monitor;
        char id[200] = {};  // MAX_DEVICE_ID_LEN of cfgmgr32.h
        if (api.instanceId(list.Get(), &device, id, sizeof id, nullptr)) monitor.instanceId = id;
        const HKEY key = api.openDevRegKey(list.Get(), &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
        if (key != INVALID_HANDLE_VALUE && key != nullptr) {
            monitor.edid = ReadBinaryValue(key, "EDID");
            RegCloseKey(key);
        }
        monitors.push_back(std::move(monitor));
    }
    return monitors;
}

platform::DeviceOpenAnswer Win32System::OpenDeviceOrError(const platform::DeviceOpen& how) {
    UniqueHandle handle(CreateFileA(how.path.c_str(), how.access, how.share, nullptr, how.creation, 0, nullptr));
    if (!handle.Valid()) return {nullptr, static_cast<int>(GetLastError())};
    return {std::make_unique<Win32OpenDevice>(std::move(handle)), 0};
}

std::optional<std::vector<std::string>> Win32System::DeviceInterfacePaths(const platform::Guid& interfaceClass) {
    const SetupApi& api = Setup();
    if (!api.getClassDevs || !api.enumInterfaces || !api.interfaceDetail || !api.destroy) return std::nullopt;
    GUID guid;
    std::memcpy(&guid, &interfaceClass, sizeof guid);
    const DeviceInfoList list(api,
                              api.getClassDevs(&guid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE));
    if (!list.Valid()) return std::nullopt;
    std::vector<std::string> paths;
    for (DWORD index = 0;; ++index) {
        SP_DEVICE_INTERFACE_DATA data{};
        data.cbSize = sizeof data;
        if (!api.enumInterfaces(list.Get(), nullptr, &guid, index, &data)) break;
        DWORD needed = 0;
        api.interfaceDetail(list.Get(), &data, nullptr, 0, &needed, nullptr);
        if (needed < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A)) continue;
        // DWORD-aligned storage for the record with its path after it.
        std::vector<DWORD> storage((needed + sizeof(DWORD) - 1) / sizeof(DWORD) + 1);
        auto* detail = reinterpret_cast<PSP_DEVICE_INTERFACE_DETAIL_DATA_A>(storage.data());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
        if (!api.interfaceDetail(list.Get(), &data, detail, needed, nullptr, nullptr)) continue;
        const std::size_t room = needed - offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath);
        paths.emplace_back(detail->DevicePath, strnlen(detail->DevicePath, room));
    }
    return paths;
}

std::optional<platform::TpmAnswer> Win32System::TpmDeviceInfo() {
    using InfoFn = UINT32(WINAPI*)(UINT32, PVOID);
    static const HMODULE tbs = SystemLibrary("tbs.dll");
    const auto query = ImportFrom<InfoFn>(tbs, "Tbsi_GetDeviceInfo");
    if (!query) return std::nullopt;
    TpmDeviceRecord info{};
    platform::TpmAnswer answer;
    answer.result = query(sizeof info, &info);
    answer.info.resize(sizeof info);
    std::memcpy(answer.info.data(), &info, sizeof info);
    return answer;
}

std::optional<std::vector<std::uint8_t>> Win32System::SystemBatteryState() {
    using PowerFn = LONG(WINAPI*)(POWER_INFORMATION_LEVEL, PVOID, ULONG, PVOID, ULONG);
    static const HMODULE powrprof = SystemLibrary("powrprof.dll");
    const auto query = ImportFrom<PowerFn>(powrprof, "CallNtPowerInformation");
    if (!query) return std::nullopt;
    SYSTEM_BATTERY_STATE state{};
    if (query(::SystemBatteryState, nullptr, 0, &state, sizeof state) != 0) return std::nullopt;
    std::vector<std::uint8_t> bytes(sizeof state);
    std::memcpy(bytes.data(), &state, sizeof state);
    return bytes;
}

}  // namespace orvane::win32
