// Drive roots, the quiet readiness query, volume descriptions and network names.
// <winnetwk.h> needs <windows.h> before it.
// clang-format off
#include <windows.h>
#include <winnetwk.h>
// clang-format on

#include <cstring>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/win32/bounded_call.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/imports.h"

namespace orvane::win32 {

static_assert(platform::kFileCaseSensitiveSearch == FILE_CASE_SENSITIVE_SEARCH &&
              platform::kFileCasePreservedNames == FILE_CASE_PRESERVED_NAMES &&
              platform::kFileUnicodeOnDisk == FILE_UNICODE_ON_DISK &&
              platform::kFilePersistentAcls == FILE_PERSISTENT_ACLS &&
              platform::kFileFileCompression == FILE_FILE_COMPRESSION &&
              platform::kFileVolumeQuotas == FILE_VOLUME_QUOTAS &&
              platform::kFileSupportsSparseFiles == FILE_SUPPORTS_SPARSE_FILES &&
              platform::kFileSupportsReparsePoints == FILE_SUPPORTS_REPARSE_POINTS &&
              platform::kFileVolumeIsCompressed == FILE_VOLUME_IS_COMPRESSED &&
              platform::kFileSupportsObjectIds == FILE_SUPPORTS_OBJECT_IDS &&
              platform::kFileSupportsEncryption == FILE_SUPPORTS_ENCRYPTION);

namespace {

// A network enumeration, closed with its owner.
class UniqueNetEnum {
public:
    UniqueNetEnum() = default;
    UniqueNetEnum(const UniqueNetEnum&) = delete;
    UniqueNetEnum& operator=(const UniqueNetEnum&) = delete;
    ~UniqueNetEnum() {
        if (handle_) WNetCloseEnum(handle_);
    }
    HANDLE* Put() { return &handle_; }
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_ = nullptr;
};

std::string TextOf(const char* text) {
    return text ? std::string(text) : std::string();
}

// Runs a query of a drive on a helper and waits kDriveAnswerWaitMs for it, with no system dialog for
// a drive without a medium. The helper quiets its own thread too, since an abandoned query can still
// end after the process's mode is restored.
template <typename Query>
auto AskDrive(Query query) -> platform::DriveAnswer<typename std::invoke_result_t<Query>::value_type> {
    using Value = typename std::invoke_result_t<Query>::value_type;
    using SetThreadErrorModeEntry = BOOL(WINAPI*)(DWORD, LPDWORD);
    static const auto setThreadErrorMode = ImportLoaded<SetThreadErrorModeEntry>("kernel32.dll", "SetThreadErrorMode");
    const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS);
    auto answer = CallWithin<std::optional<Value>>(platform::kDriveAnswerWaitMs, [query = std::move(query)] {
        if (setThreadErrorMode) setThreadErrorMode(SEM_FAILCRITICALERRORS, nullptr);
        return query();
    });
    SetErrorMode(previous);
    if (answer.outcome == BoundedOutcome::TimedOut) return {std::nullopt, true};
    return {answer.result ? *std::move(answer.result) : std::nullopt, false};
}

}  // namespace

std::string Win32System::LogicalDriveStrings(std::uint32_t bufferBytes) {
    std::vector<char> buffer(bufferBytes + 1, '\0');
    const DWORD length = GetLogicalDriveStringsA(bufferBytes, buffer.data());
    // A length above the buffer is the size the list would need: nothing was written.
    if (length == 0 || length >= bufferBytes) return std::string();
    return std::string(buffer.data(), length);
}

std::optional<platform::DiskClusters> Win32System::DiskFreeSpaceQuietly(std::string_view rootPath) {
    // A drive that does not answer (a share whose server is gone) holds GetDiskFreeSpaceA until the
    // redirector gives up: the query is waited for a bounded time.
    const platform::DriveAnswer<platform::DiskClusters> answer = DiskFreeSpaceWithin(rootPath);
    return answer.value;
}

platform::DriveAnswer<platform::DiskClusters> Win32System::DiskFreeSpaceWithin(std::string_view rootPath) {
    return AskDrive([root = std::string(rootPath)]() -> std::optional<platform::DiskClusters> {
        DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
        if (!GetDiskFreeSpaceA(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters)) {
            return std::nullopt;
        }
        return platform::DiskClusters{sectorsPerCluster, bytesPerSector, freeClusters, totalClusters};
    });
}

platform::DriveAnswer<platform::DiskSpace> Win32System::DiskFreeSpaceExWithin(std::string_view rootPath) {
    using GetDiskFreeSpaceExFn = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);
    const auto entry = ImportLoaded<GetDiskFreeSpaceExFn>("kernel32.dll", "GetDiskFreeSpaceExA");
    if (!entry) return {};
    return AskDrive([entry, root = std::string(rootPath)]() -> std::optional<platform::DiskSpace> {
        ULARGE_INTEGER freeToCaller{}, total{}, totalFree{};
        if (!entry(root.c_str(), &freeToCaller, &total, &totalFree)) return std::nullopt;
        return platform::DiskSpace{freeToCaller.QuadPart, total.QuadPart, totalFree.QuadPart};
    });
}

platform::DriveAnswer<platform::VolumeInfo> Win32System::VolumeInformation(std::string_view rootPath,
                                                                           std::uint32_t labelChars,
                                                                           std::uint32_t fileSystemChars) {
    return AskDrive(
        [root = std::string(rootPath), labelChars, fileSystemChars]() -> std::optional<platform::VolumeInfo> {
            std::vector<char> label(labelChars + 1, '\0');
            std::vector<char> fileSystem(fileSystemChars + 1, '\0');
            DWORD serial = 0, maxComponentLength = 0, flags = 0;
            if (!GetVolumeInformationA(root.c_str(), label.data(), labelChars, &serial, &maxComponentLength, &flags,
                                       fileSystem.data(), fileSystemChars)) {
                return std::nullopt;
            }
            platform::VolumeInfo info;
            info.label.assign(label.data(), strnlen(label.data(), labelChars));
            info.serial = serial;
            info.maxComponentLength = maxComponentLength;
            info.flags = flags;
            info.fileSystem.assign(fileSystem.data(), strnlen(fileSystem.data(), fileSystemChars));
            return info;
        });
}

std::optional<std::string> Win32System::FullPathName(std::string_view path) {
    const std::string asked(path);
    std::vector<char> buffer(MAX_PATH + 1, '\0');
    // A longer path reports the size it needs (with its NUL); ask again with that much room.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const DWORD length = GetFullPathNameA(asked.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
        if (length == 0) return std::nullopt;
        if (length < buffer.size()) return std::string(buffer.data(), length);
        buffer.assign(length + 1, '\0');
    }
    return std::nullopt;
}

platform::DriveAnswer<std::string> Win32System::UniversalName(std::string_view localPath, std::uint32_t bufferBytes) {
    return AskDrive([local = std::string(localPath), bufferBytes]() -> std::optional<std::string> {
        // The answer is a UNIVERSAL_NAME_INFOA whose pointer refers into the same buffer: keep it aligned.
        std::vector<UNIVERSAL_NAME_INFOA> storage(bufferBytes / sizeof(UNIVERSAL_NAME_INFOA) + 1);
        DWORD size = bufferBytes;
        if (WNetGetUniversalNameA(local.c_str(), UNIVERSAL_NAME_INFO_LEVEL, storage.data(), &size) != NO_ERROR) {
            return std::nullopt;
        }
        return TextOf(storage.front().lpUniversalName);
    });
}

std::vector<platform::NetDiskResource> Win32System::ConnectedDiskResources() {
    std::vector<platform::NetDiskResource> resources;
    UniqueNetEnum enumeration;
    if (WNetOpenEnumA(RESOURCE_CONNECTED, RESOURCETYPE_DISK, 0, nullptr, enumeration.Put()) != NO_ERROR) {
        return resources;
    }
    // 16 KB, the size the documentation recommends; the records' texts live in the same buffer.
    std::vector<NETRESOURCEA> buffer(16384 / sizeof(NETRESOURCEA));
    for (;;) {
        DWORD count = 0xFFFFFFFF;  // as many as fit
        DWORD size = static_cast<DWORD>(buffer.size() * sizeof(NETRESOURCEA));
        if (WNetEnumResourceA(enumeration.Get(), &count, buffer.data(), &size) != NO_ERROR) break;
        for (DWORD i = 0; i < count; ++i) {
            resources.push_back({TextOf(buffer[i].lpLocalName), TextOf(buffer[i].lpRemoteName)});
        }
    }
    return resources;
}

}  // namespace orvane::win32
