#include "platform/win32/win32_system.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/win32/handles.h"

namespace orvane::win32 {

using platform::RegValue;

namespace {

class Win32Key : public platform::RegistryKey {
public:
    explicit Win32Key(HKEY key) : key_(key) {}

    std::optional<RegValue> QueryValue(std::string_view name) override {
        const std::string valueName(name);
        DWORD type = 0;
        DWORD size = 0;
        LONG status = RegQueryValueExA(key_.Get(), valueName.c_str(), nullptr, &type, nullptr, &size);
        // A value can grow between the two calls; ask again until the buffer holds it.
        for (int attempt = 0; attempt < 4 && status == ERROR_SUCCESS; ++attempt) {
            RegValue value;
            value.data.resize(size);
            DWORD got = size;
            status = RegQueryValueExA(key_.Get(), valueName.c_str(), nullptr, &type,
                                      size ? value.data.data() : nullptr, &got);
            if (status == ERROR_SUCCESS) {
                value.type = type;
                value.data.resize(got);
                return value;
            }
            if (status == ERROR_MORE_DATA) {
                size = got;
                status = ERROR_SUCCESS;
            }
        }
        return std::nullopt;
    }

    std::vector<std::string> SubkeyNames() override {
        std::vector<std::string> names;
        char name[256];  // key names are at most 255 characters
        for (DWORD index = 0;; ++index) {
            DWORD length = sizeof name;
            const LONG status =
                RegEnumKeyExA(key_.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
            if (status == ERROR_NO_MORE_ITEMS || status != ERROR_SUCCESS) break;
            names.emplace_back(name, length);
        }
        return names;
    }

    std::vector<std::string> ValueNames() override {
        std::vector<std::string> names;
        std::vector<char> name(16384);  // value names are at most 16383 characters
        for (DWORD index = 0;; ++index) {
            DWORD length = static_cast<DWORD>(name.size());
            const LONG status =
                RegEnumValueA(key_.Get(), index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
            if (status != ERROR_SUCCESS) break;
            names.emplace_back(name.data(), length);
        }
        return names;
    }

private:
    UniqueRegKey key_;
};

bool RunningUnderWow64() {
    using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
    const HMODULE kernel = GetModuleHandleA("kernel32.dll");
    // Absent before Windows XP SP2: such a system has no 64-bit view to choose.
    const auto isWow64 = kernel ? reinterpret_cast<IsWow64ProcessFn>(
                                      reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")))
                                : nullptr;
    BOOL wow64 = FALSE;
    return isWow64 && isWow64(GetCurrentProcess(), &wow64) && wow64;
}

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    if (slash == std::string::npos) {
        // "C:report.txt" lies in drive C's current directory.
        return (path.size() >= 2 && path[1] == ':') ? path.substr(0, 2) : std::string(".");
    }
    if (slash == 0) return path.substr(0, 1);
    if (slash == 2 && path[1] == ':') return path.substr(0, 3);
    return path.substr(0, slash);
}

bool WriteWhole(const std::string& path, std::string_view bytes) {
    UniqueHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        if (!WriteFile(file.Get(), bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return FlushFileBuffers(file.Get()) != FALSE;
}

}  // namespace

Win32System::Win32System() {
    // A 32-bit process on 64-bit Windows reads the system's own 64-bit view, so that it reports what
    // the system has rather than what 32-bit programs were given.
    if (sizeof(void*) == 8 || RunningUnderWow64()) registryViewFlag_ = KEY_WOW64_64KEY;
}

std::unique_ptr<platform::RegistryKey> Win32System::OpenKeyWith(platform::Hive hive, std::string_view path,
                                                                unsigned long viewFlag) {
    const HKEY root = hive == platform::Hive::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    HKEY key = nullptr;
    const std::string keyPath(path);
    if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ | viewFlag, &key) != ERROR_SUCCESS) return nullptr;
    return std::make_unique<Win32Key>(key);
}

bool Win32System::IsWow64Process() {
    return RunningUnderWow64();
}

std::unique_ptr<platform::RegistryKey> Win32System::OpenKey(platform::Hive hive, std::string_view path) {
    return OpenKeyWith(hive, path, registryViewFlag_);
}

std::unique_ptr<platform::RegistryKey> Win32System::OpenKey32(platform::Hive hive, std::string_view path) {
    return OpenKeyWith(hive, path, KEY_WOW64_32KEY);
}

std::optional<platform::OsVersion> Win32System::Version() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;  // 148 bytes
    if (!GetVersionExA(&info)) return std::nullopt;
    platform::OsVersion version;
    version.major = info.dwMajorVersion;
    version.minor = info.dwMinorVersion;
    version.build = info.dwBuildNumber;
    version.platformId = info.dwPlatformId;
    version.csd.assign(info.szCSDVersion, strnlen(info.szCSDVersion, sizeof info.szCSDVersion));
    return version;
}

int Win32System::SystemMetric(int index) { return GetSystemMetrics(index); }

std::optional<std::string> Win32System::TimeZoneStandardName() {
    TIME_ZONE_INFORMATION zone{};
    if (GetTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID) return std::nullopt;
    const int nameLength = static_cast<int>(wcsnlen(zone.StandardName, 32));
    if (nameLength == 0) return std::string();
    char name[32 * 2 + 1] = {};
    const int length = WideCharToMultiByte(CP_ACP, 0, zone.StandardName, nameLength, name, sizeof name - 1,
                                           nullptr, nullptr);
    if (length <= 0) return std::nullopt;
    return std::string(name, static_cast<std::size_t>(length));
}

std::optional<platform::PrinterEntry> Win32System::DefaultPrinter() {
    // "name,driver,port" under [windows] device= on every Windows; the 95/98/ME list shows the port.
    char device[1024] = {};
    GetProfileStringA("windows", "device", "", device, sizeof device);
    std::string entry(device);
    platform::PrinterEntry printer;
    const std::size_t firstComma = entry.find(',');
    printer.name = entry.substr(0, firstComma);
    if (firstComma != std::string::npos) {
        const std::size_t secondComma = entry.find(',', firstComma + 1);
        if (secondComma != std::string::npos) printer.port = entry.substr(secondComma + 1);
    }
    if (printer.name.empty()) {
        // The spooler's own answer, where the system has it (2000 and later).
        using GetDefaultPrinterFn = BOOL(WINAPI*)(LPSTR, LPDWORD);
        const HMODULE spooler = LoadLibraryA("winspool.drv");
        if (!spooler) return std::nullopt;
        const auto getDefault = reinterpret_cast<GetDefaultPrinterFn>(
            reinterpret_cast<void*>(GetProcAddress(spooler, "GetDefaultPrinterA")));
        char name[512] = {};
        DWORD size = sizeof name;
        if (getDefault && getDefault(name, &size)) printer.name = name;
        FreeLibrary(spooler);
    }
    if (printer.name.empty()) return std::nullopt;
    return printer;
}

int Win32System::ReplaceFileContents(const std::string& path, std::string_view bytes) {
    char temporary[MAX_PATH + 16] = {};
    if (!GetTempFileNameA(DirectoryOf(path).c_str(), "orv", 0, temporary)) return static_cast<int>(GetLastError());
    if (!WriteWhole(temporary, bytes)) {
        const DWORD error = GetLastError();
        DeleteFileA(temporary);
        return static_cast<int>(error ? error : ERROR_WRITE_FAULT);
    }
    if (MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 0;
    DWORD error = GetLastError();
    // 95/98/ME have no MoveFileEx: replace in two steps there.
    if (error == ERROR_CALL_NOT_IMPLEMENTED) {
        DeleteFileA(path.c_str());
        // Should the rename fail now, the temporary file is all that is left of the report: keep it.
        return MoveFileA(temporary, path.c_str()) ? 0 : static_cast<int>(GetLastError());
    }
    DeleteFileA(temporary);
    return static_cast<int>(error ? error : ERROR_ACCESS_DENIED);
}

}  // namespace orvane::win32
