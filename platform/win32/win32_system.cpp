#include "platform/win32/win32_system.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "core/registry_names.h"
#include "platform/win32/handles.h"
#include "platform/win32/imports.h"
#include "platform/win32/system_dlls.h"
#include "platform/win32/wide_text.h"

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
        return EnumerateNames(
            [this](std::uint32_t index, char* name, std::uint32_t& length) {
                DWORD size = length;
                const LONG status = RegEnumKeyExA(key_.Get(), index, name, &size, nullptr, nullptr, nullptr, nullptr);
                length = size;
                return static_cast<long>(status);
            },
            kKeyNameFirstBytes, kKeyNameLargestBytes);
    }

    std::vector<std::string> ValueNames() override {
        return EnumerateNames(
            [this](std::uint32_t index, char* name, std::uint32_t& length) {
                DWORD size = length;
                const LONG status = RegEnumValueA(key_.Get(), index, name, &size, nullptr, nullptr, nullptr, nullptr);
                length = size;
                return static_cast<long>(status);
            },
            kValueNameFirstBytes, kValueNameLargestBytes);
    }

private:
    UniqueRegKey key_;
};

bool RunningUnderWow64() {
    using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
    // Absent before Windows XP SP2: such a system has no 64-bit view to choose.
    const auto isWow64 = ImportLoaded<IsWow64ProcessFn>("kernel32.dll", "IsWow64Process");
    BOOL wow64 = FALSE;
    return isWow64 && isWow64(GetCurrentProcess(), &wow64) && wow64;
}

int LastError(int fallback = ERROR_WRITE_FAULT) {
    const DWORD error = GetLastError();
    return static_cast<int>(error ? error : static_cast<DWORD>(fallback));
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

bool SetLength(HANDLE file, std::uint64_t length) {
    LONG high = static_cast<LONG>(length >> 32);
    if (SetFilePointer(file, static_cast<LONG>(length & 0xFFFFFFFFu), &high, FILE_BEGIN) == INVALID_SET_FILE_POINTER &&
        GetLastError() != NO_ERROR) {
        return false;
    }
    return SetEndOfFile(file) != FALSE;
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
    if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ | viewFlag, &key) == ERROR_SUCCESS) {
        return std::make_unique<Win32Key>(key);
    }
    // Wine converts the ANSI path in a buffer of MAX_PATH characters: a path that ends in a long subkey
    // name (255 characters, up to 510 bytes in a double-byte code page) fails there, and opens in UTF-16.
    const std::wstring widePath = Widen(keyPath);
    if (widePath.size() < MAX_PATH ||
        RegOpenKeyExW(root, widePath.c_str(), 0, KEY_READ | viewFlag, &key) != ERROR_SUCCESS) {
        return nullptr;
    }
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

std::optional<std::uint8_t> Win32System::ProductType() {
    OSVERSIONINFOEXA info{};
    info.dwOSVersionInfoSize = sizeof info;  // 156 bytes: refused where the system knows only the short record
    if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info))) return std::nullopt;
    return info.wProductType;
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

std::string SpoolerDefaultPrinter() {
    // GetDefaultPrinterA is in the spooler from Windows 2000 on.
    using GetDefaultPrinterFn = BOOL(WINAPI*)(LPSTR, LPDWORD);
    const HMODULE spooler = LoadSystemLibrary("winspool.drv");
    if (!spooler) return {};
    const auto getDefault = ImportFrom<GetDefaultPrinterFn>(spooler, "GetDefaultPrinterA");
    char name[512] = {};
    DWORD size = sizeof name;
    std::string answer;
    if (getDefault && getDefault(name, &size)) answer = name;
    FreeLibrary(spooler);
    return answer;
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
    if (printer.name.empty()) printer.name = SpoolerDefaultPrinter();
    if (printer.name.empty()) return std::nullopt;
    return printer;
}

platform::TempFileAnswer Win32System::CreateTempFile(const std::string& folder) {
    char temporary[MAX_PATH + 16] = {};
    if (!GetTempFileNameA(folder.c_str(), "orv", 0, temporary)) return {std::nullopt, LastError(ERROR_ACCESS_DENIED)};
    return {std::string(temporary), 0};
}

int Win32System::WriteFileBytes(const std::string& path, std::string_view bytes, platform::WriteMode mode) {
    const bool inPlace = mode == platform::WriteMode::InPlace;
    // In place the file keeps its attributes: a hidden file opens only without CREATE_ALWAYS.
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, inPlace ? OPEN_EXISTING : CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return LastError(ERROR_ACCESS_DENIED);
    if (inPlace) {
        // Grow the file first, so that a full disk fails the write before any byte of it has changed.
        DWORD high = 0;
        const DWORD low = GetFileSize(file.Get(), &high);
        const std::uint64_t length = (static_cast<std::uint64_t>(high) << 32) | low;
        if (bytes.size() > length && !SetLength(file.Get(), bytes.size())) return LastError();
        if (SetFilePointer(file.Get(), 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER) return LastError();
    }
    if (!WriteAll(file.Get(), bytes)) return LastError();
    if (inPlace && !SetLength(file.Get(), bytes.size())) return LastError();
    return FlushFileBuffers(file.Get()) ? 0 : LastError();
}

platform::ReadAnswer Win32System::ReadFileBytes(const std::string& path) {
    UniqueHandle file(
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return {std::nullopt, LastError(ERROR_ACCESS_DENIED)};
    std::string bytes;
    char chunk[65536];
    for (;;) {
        DWORD got = 0;
        // A read that fails is an error wherever it stops; only a read of nothing that succeeds is the end.
        if (!ReadFile(file.Get(), chunk, sizeof chunk, &got, nullptr)) {
            return {std::nullopt, LastError(ERROR_READ_FAULT)};
        }
        if (got == 0) break;
        bytes.append(chunk, got);
    }
    return {std::move(bytes), 0};
}

int Win32System::ReplaceExistingFile(const std::string& target, const std::string& replacement) {
    // Windows 2000 and later; looked up at run time for NT 4 and 95/98/ME.
    using ReplaceFileFn = BOOL(WINAPI*)(LPCSTR, LPCSTR, LPCSTR, DWORD, LPVOID, LPVOID);
    static const auto replaceFile = ImportLoaded<ReplaceFileFn>("kernel32.dll", "ReplaceFileA");
    if (!replaceFile) return ERROR_CALL_NOT_IMPLEMENTED;
    return replaceFile(target.c_str(), replacement.c_str(), nullptr, REPLACEFILE_WRITE_THROUGH, nullptr, nullptr)
               ? 0
               : LastError(ERROR_ACCESS_DENIED);
}

int Win32System::MoveFileReplacing(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : LastError(ERROR_ACCESS_DENIED);
}

int Win32System::RenameFile(const std::string& from, const std::string& to) {
    return MoveFileA(from.c_str(), to.c_str()) ? 0 : LastError(ERROR_ACCESS_DENIED);
}

int Win32System::RemoveFile(const std::string& path) {
    return DeleteFileA(path.c_str()) ? 0 : LastError(ERROR_ACCESS_DENIED);
}

std::optional<std::uint32_t> Win32System::FileAttributes(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return attributes;
}

int Win32System::ChangeFileAttributes(const std::string& path, std::uint32_t attributes) {
    return SetFileAttributesA(path.c_str(), attributes) ? 0 : LastError(ERROR_ACCESS_DENIED);
}

std::optional<std::string> Win32System::WholePath(const std::string& path) {
    return FullPathName(path);  // GetFullPathNameA, with room for a path longer than MAX_PATH
}

}  // namespace orvane::win32
