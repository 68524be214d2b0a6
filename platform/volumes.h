#pragma once
// Drive letters and the volumes behind them, as the drive window asks: the root list, a readiness
// query that raises no system dialog, the volume's own description and its network name.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/devices.h"

namespace orvane::platform {

// What GetVolumeInformationA reported; label and fileSystem are cut at their first NUL.
struct VolumeInfo {
    std::string label;
    std::uint32_t serial = 0;
    std::uint32_t maxComponentLength = 0;
    std::uint32_t flags = 0;
    std::string fileSystem;
};

// GetVolumeInformationA's file-system flags.
inline constexpr std::uint32_t kFileCaseSensitiveSearch = 0x1;
inline constexpr std::uint32_t kFileCasePreservedNames = 0x2;
inline constexpr std::uint32_t kFileUnicodeOnDisk = 0x4;
inline constexpr std::uint32_t kFilePersistentAcls = 0x8;
inline constexpr std::uint32_t kFileFileCompression = 0x10;
inline constexpr std::uint32_t kFileVolumeQuotas = 0x20;
inline constexpr std::uint32_t kFileSupportsSparseFiles = 0x40;
inline constexpr std::uint32_t kFileSupportsReparsePoints = 0x80;
inline constexpr std::uint32_t kFileVolumeIsCompressed = 0x8000;
inline constexpr std::uint32_t kFileSupportsObjectIds = 0x10000;
inline constexpr std::uint32_t kFileSupportsEncryption = 0x20000;

// One connected disk resource of the network enumeration.
struct NetDiskResource {
    std::string localName;   // "X:", empty when the resource has none
    std::string remoteName;  // "\\server\share"
};

// How long the readiness query, and each query after it, waits for a drive.
inline constexpr std::uint32_t kDriveAnswerWaitMs = 3000;

// The answer of a drive query waited for at most kDriveAnswerWaitMs. A drive that answered the
// readiness query can still stop answering before the next call (a share whose server went away), and
// the call would hold the window for as long as the redirector takes.
template <typename T>
struct DriveAnswer {
    std::optional<T> value;  // nullopt: the call failed, or did not answer in time
    bool timedOut = false;   // the call had not answered when the time was up
};

class Volumes {
public:
    virtual ~Volumes() = default;
    // GetLogicalDriveStringsA with a buffer of that many bytes: the characters it wrote, NULs between
    // the roots included and the list's closing NUL left off; empty when the call fails or the list
    // does not fit.
    virtual std::string LogicalDriveStrings(std::uint32_t bufferBytes) = 0;
    // GetDiskFreeSpaceA with the error mode set to SEM_FAILCRITICALERRORS for that one call, so that an
    // empty floppy or CD drive raises no system dialog; the previous mode is restored. A drive that has
    // not answered within kDriveAnswerWaitMs (a network share whose server is gone) counts as not
    // answering: nullopt.
    virtual std::optional<DiskClusters> DiskFreeSpaceQuietly(std::string_view rootPath) = 0;
    // GetDiskFreeSpaceA and GetDiskFreeSpaceExA (no answer where the system lacks it), each waited for
    // as a DriveAnswer, with the readiness query's error mode.
    virtual DriveAnswer<DiskClusters> DiskFreeSpaceWithin(std::string_view rootPath) = 0;
    virtual DriveAnswer<DiskSpace> DiskFreeSpaceExWithin(std::string_view rootPath) = 0;
    // GetVolumeInformationA with label and file-system buffers of those sizes, waited for as a
    // DriveAnswer; no value when it fails.
    virtual DriveAnswer<VolumeInfo> VolumeInformation(std::string_view rootPath, std::uint32_t labelChars,
                                                      std::uint32_t fileSystemChars) = 0;
    // GetFullPathNameA; nullopt when it fails.
    virtual std::optional<std::string> FullPathName(std::string_view path) = 0;
    // WNetGetUniversalNameA, UNIVERSAL_NAME_INFO_LEVEL, into a buffer of that many bytes, waited for as
    // a DriveAnswer: the universal name; no value when the call fails (a local path among others).
    virtual DriveAnswer<std::string> UniversalName(std::string_view localPath, std::uint32_t bufferBytes) = 0;
    // WNetOpenEnumA(RESOURCE_CONNECTED, RESOURCETYPE_DISK), WNetEnumResourceA until the end, WNetCloseEnum:
    // the resources in enumeration order; empty when the enumeration cannot be opened.
    virtual std::vector<NetDiskResource> ConnectedDiskResources() = 0;
};

}  // namespace orvane::platform
