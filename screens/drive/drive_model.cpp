#include "screens/drive/drive_model.h"

#include "core/text.h"

namespace orvane {

namespace {

// a × m for a small multiplier, as a pair of words (high, low 32 bits) that compare in order.
struct Product {
    std::uint64_t high;
    std::uint64_t low;
    auto operator<=>(const Product&) const = default;
};
Product Multiply(std::uint64_t a, std::uint32_t m) {
    const std::uint64_t low = (a & 0xFFFFFFFFu) * m;
    const std::uint64_t high = (a >> 32) * m + (low >> 32);
    return {high, low & 0xFFFFFFFFu};
}

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

const char* const kFileSystemFlagCaptions[kFileSystemFlagCount] = {
    "Case Is Preserved",  "Case Sensitive",         "Unicode Stored On Disk", "Persistent Acls",
    "File Compression",   "Volume Is Compressed",   "Long Filenames",         "Encrypted File System Support",
    "Object IDs Support", "Reparse Points Support", "Sparse Files Support",   "Disk Quotas Support",
};

std::vector<std::string> DriveEntries(std::string_view driveStrings) {
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (start < driveStrings.size()) {
        std::size_t end = driveStrings.find('\0', start);
        if (end == std::string_view::npos) end = driveStrings.size();
        if (end > start) entries.push_back(std::string(1, driveStrings[start]) + ":");
        start = end + 1;
    }
    return entries;
}

int StartDriveIndex(const std::vector<std::string>& entries) {
    const auto isC = [&](std::size_t i) { return i < entries.size() && entries[i].starts_with('C'); };
    if (entries.empty()) return -1;
    if (isC(0)) return 0;
    if (isC(1)) return 1;
    // The third entry whatever it is; without one, the list opens on its first entry.
    return entries.size() > 2 ? 2 : 0;
}

std::string DriveTypeName(std::uint8_t driveType) {
    static constexpr const char* kNames[] = {"Unknown", "Not Exists", "Removable", "Fixed",
                                             "Remote",  "CDROM",      "RAMDisk"};
    return driveType < std::size(kNames) ? kNames[driveType] : std::string();
}

std::string SerialText(std::uint32_t serial) {
    return Format("%04X-%04X", static_cast<unsigned>(serial >> 16), static_cast<unsigned>(serial & 0xFFFFu));
}

int UsedPercentage(std::int64_t capacity, std::int64_t free) {
    if (capacity <= 0) return 0;
    const auto total = static_cast<std::uint64_t>(capacity);
    if (free < 0) return 100;
    if (static_cast<std::uint64_t>(free) >= total) return 0;
    const std::uint64_t used = total - static_cast<std::uint64_t>(free);
    // Exact: the largest q with q × total <= 100 × used, then the remainder against half the total.
    const Product hundredUsed = Multiply(used, 100);
    std::uint32_t q = 0;
    while (q < 100 && Multiply(total, q + 1) <= hundredUsed) ++q;
    const Product twiceScaled = Multiply(used, 200);
    const Product halfway = Multiply(total, 2 * q + 1);
    if (twiceScaled > halfway || (twiceScaled == halfway && q % 2 == 1)) ++q;
    return static_cast<int>(q);
}

FileSystemFlags FileSystemFlagsOf(std::uint32_t volumeFlags, std::uint32_t maxComponentLength) {
    static constexpr std::uint32_t kBits[kFileSystemFlagCount] = {
        platform::kFileCasePreservedNames,
        platform::kFileCaseSensitiveSearch,
        platform::kFileUnicodeOnDisk,
        platform::kFilePersistentAcls,
        platform::kFileFileCompression,
        platform::kFileVolumeIsCompressed,
        0,  // long file names: told by the component length
        platform::kFileSupportsEncryption,
        platform::kFileSupportsObjectIds,
        platform::kFileSupportsReparsePoints,
        platform::kFileSupportsSparseFiles,
        platform::kFileVolumeQuotas,
    };
    FileSystemFlags flags;
    for (std::size_t i = 0; i < kFileSystemFlagCount; ++i) flags[i] = (volumeFlags & kBits[i]) != 0;
    flags[6] = maxComponentLength == 255;
    return flags;
}

std::string UniversalPath(platform::System& system, std::string_view drive, bool* stalled) {
    std::string path = system.FullPathName(drive).value_or(std::string());
    if (path.size() < 3 || path[1] != ':' || !IsAsciiLetter(path[0])) return path;
    const auto version = system.Version();
    const std::uint32_t platformId = version ? version->platformId : 0;
    const std::uint32_t major = version ? version->major : 0;
    if (platformId != platform::kPlatformWindows || major > 4) {
        platform::DriveAnswer<std::string> universal = system.UniversalName(path, kUniversalNameBufferBytes);
        if (universal.timedOut && stalled) *stalled = true;
        if (universal.value) path = *std::move(universal.value);
    } else if (path[2] == '\\') {
        // 95/98/ME answer the universal-name call for few networks: look the drive up among the
        // connections.
        const char letter = ToUpperAscii(path.substr(0, 1))[0];
        for (const platform::NetDiskResource& resource : system.ConnectedDiskResources()) {
            if (!resource.localName.empty() && ToUpperAscii(resource.localName.substr(0, 1))[0] == letter) {
                return resource.remoteName + path.substr(2);
            }
        }
    }
    return path;
}

namespace {

// What a drive that is not ready shows: no sizes, no clusters, no volume.
void ClearVolumeDetails(DriveDetails& details) {
    details.capacity = 0;
    details.free = 0;
    details.flags.reset();
    details.label.clear();
    details.fileSystem.clear();
    details.serial = 0;
    details.serialText.clear();
    details.sectorsPerCluster = details.bytesPerSector = details.freeClusters = details.totalClusters = 0;
}

}  // namespace

void ReadDriveDetails(platform::System& system, std::string_view entryText, DriveDetails& details) {
    details.drive = std::string(entryText.substr(0, 2));
    const std::string root = details.drive + "\\";
    details.stalled = false;
    details.ready = system.DiskFreeSpaceQuietly(root).has_value();
    const std::uint32_t driveType = system.DriveType(root);
    if (driveType <= 6) details.driveType = static_cast<std::uint8_t>(driveType);
    ClearVolumeDetails(details);
    if (!details.ready) return;

    // Each later query is bounded as the readiness query is; the first that does not answer in time
    // ends the reading, and the drive shows as not ready.
    const auto stalled = [&details](bool timedOut) {
        if (!timedOut) return false;
        details.stalled = true;
        details.ready = false;
        ClearVolumeDetails(details);
        return true;
    };
    const platform::DriveAnswer<platform::DiskClusters> clusters = system.DiskFreeSpaceWithin(root);
    if (stalled(clusters.timedOut)) return;
    if (clusters.value) {
        details.sectorsPerCluster = clusters.value->sectorsPerCluster;
        details.bytesPerSector = clusters.value->bytesPerSector;
        details.freeClusters = clusters.value->freeClusters;
        details.totalClusters = clusters.value->totalClusters;
    }
    std::optional<platform::DiskSpace> space;
    if (system.HasDiskFreeSpaceEx()) {
        const platform::DriveAnswer<platform::DiskSpace> answer = system.DiskFreeSpaceExWithin(root);
        if (stalled(answer.timedOut)) return;
        space = answer.value;
    }
    if (space) {
        details.capacity = static_cast<std::int64_t>(space->total);
        details.free = static_cast<std::int64_t>(space->freeToCaller);
    } else {
        const std::uint64_t clusterBytes = std::uint64_t{details.sectorsPerCluster} * details.bytesPerSector;
        details.capacity = static_cast<std::int64_t>(clusterBytes * details.totalClusters);
        details.free = static_cast<std::int64_t>(clusterBytes * details.freeClusters);
    }
    const platform::DriveAnswer<platform::VolumeInfo> volume =
        system.VolumeInformation(root, kVolumeNameChars, kVolumeNameChars);
    if (stalled(volume.timedOut)) return;
    if (volume.value) {
        details.label = volume.value->label;
        details.fileSystem = volume.value->fileSystem;
        details.serial = volume.value->serial;
        details.serialText = SerialText(volume.value->serial);
        details.flags = FileSystemFlagsOf(volume.value->flags, volume.value->maxComponentLength);
    }
}

void DriveWindowModel::Refresh(platform::System& system) {
    items_ = DriveEntries(system.LogicalDriveStrings(kDriveStringsBufferBytes));
    selected_ = StartDriveIndex(items_);
    SelectDrive(system, selected_);
}

void DriveWindowModel::SelectDrive(platform::System& system, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= items_.size()) return;
    selected_ = index;
    std::string& entry = items_[static_cast<std::size_t>(index)];
    ReadDriveDetails(system, entry, details_);
    const DriveDetails& d = details_;
    const std::string separator = system.ThousandSeparator().value_or(",");

    rows_[0] = DriveTypeName(d.driveType) + " - " + d.fileSystem;
    // A drive that stopped answering is not asked for its network name: its path stays local.
    if (d.stalled) {
        rows_[1] = system.FullPathName(d.drive).value_or(std::string());
    } else {
        bool stalled = false;
        rows_[1] = UniversalPath(system, d.drive, &stalled);
        if (stalled) details_.stalled = true;
    }
    rows_[2] = d.serialText;
    // An entry keeps the first label it was given until the list is rebuilt.
    if (entry.find('[') == std::string::npos) entry += " [" + d.label + "]";
    rows_[3] = GroupDigits(d.capacity, separator) + " bytes";
    rows_[4] = GroupDigits(d.free, separator) + " bytes";
    gauge_ = d.ready ? UsedPercentage(d.capacity, d.free) : 0;
    rows_[5] = std::to_string(d.bytesPerSector);
    rows_[6] = std::to_string(d.sectorsPerCluster);
    rows_[7] = GroupDigits(d.totalClusters, separator);
    rows_[8] = GroupDigits(d.freeClusters, separator);

    flagItems_.clear();
    for (std::size_t i = 0; i < kFileSystemFlagCount; ++i)
        flagItems_.push_back({kFileSystemFlagCaptions[i], d.flags[i]});
}

std::vector<ShownText> DriveWindowModel::Rows() const {
    // The rows whose values are texts: all but the drive list and the gauge.
    std::vector<ShownText> rows;
    std::size_t next = 0;
    for (const RowSpec& row : kDriveRows) {
        const std::string_view value = row.valueName;
        if (value == kDriveComboName || value == kDriveGaugeName) continue;
        rows.push_back({row.valueName, rows_[next++]});
    }
    return rows;
}

std::string DriveWindowModel::Text(std::string_view control) const {
    for (const ShownText& row : Rows()) {
        if (EqualsIgnoreCase(row.control, control)) return row.text;
    }
    return std::string();
}

}  // namespace orvane
