#pragma once
// What TfrmDisk shows: the drive list with its start drive, and for the chosen drive its type, file
// system, universal path, serial, sizes, percentage used, cluster figures and twelve file-system
// properties. The window only displays this model: it hands Refresh1Click and cbDriveChange to it and
// writes back what it holds; the drive's icon is drawn by the window from IconRoot().

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/system.h"
#include "screens/detail/shown_text.h"

namespace orvane {

inline constexpr std::uint32_t kDriveStringsBufferBytes = 255;
inline constexpr std::uint32_t kVolumeNameChars = 255;
inline constexpr std::uint32_t kUniversalNameBufferBytes = 1024;

// The drive list's entries, "X:" each, from the roots GetLogicalDriveStringsA wrote.
std::vector<std::string> DriveEntries(std::string_view driveStrings);

// The entry the window opens on: the first whose text starts with "C" among the first two, else the
// third; a list without a third entry opens on the first. -1 for an empty list.
int StartDriveIndex(const std::vector<std::string>& entries);

// GetDriveTypeA's answer as the window names it.
std::string DriveTypeName(std::uint8_t driveType);

// The volume serial as eight upper-case hexadecimal digits split 4 + 4: "1A2B-3C4D".
std::string SerialText(std::uint32_t serial);

// The percentage of the capacity in use, rounded to the nearest integer with halves to even, within
// 0 to 100; 0 when the capacity is not positive.
int UsedPercentage(std::int64_t capacity, std::int64_t free);

// The twelve file-system properties, in list order.
inline constexpr std::size_t kFileSystemFlagCount = 12;
using FileSystemFlags = std::bitset<kFileSystemFlagCount>;
extern const char* const kFileSystemFlagCaptions[kFileSystemFlagCount];
FileSystemFlags FileSystemFlagsOf(std::uint32_t volumeFlags, std::uint32_t maxComponentLength);

// The drive's path in universal form: the current directory of the drive ("X:"), named by the network
// where it lies on a share. When the network's answer does not come in time, the path stays as it is
// and `stalled` (if given) is set.
std::string UniversalPath(platform::System& system, std::string_view drive, bool* stalled = nullptr);

// TDriveDetails: the drive last chosen.
struct DriveDetails {
    std::string drive;  // "X:"
    bool ready = false;
    std::uint8_t driveType = 0;
    std::uint32_t sectorsPerCluster = 0;
    std::uint32_t bytesPerSector = 0;
    std::uint32_t freeClusters = 0;
    std::uint32_t totalClusters = 0;
    std::int64_t capacity = 0;
    std::int64_t free = 0;  // available to the calling user
    std::string label;
    std::string fileSystem;
    std::uint32_t serial = 0;
    std::string serialText;
    FileSystemFlags flags;
    // A query after the readiness query did not answer in time: the drive stopped answering, and
    // nothing more is asked of it.
    bool stalled = false;
};

// Reads the details of the drive named by the first two characters of an entry into the record. Its
// drive type keeps the previous value when the platform answers above 6. A drive that stops answering
// on the way shows as a drive that is not ready (its type kept), and is asked nothing more.
void ReadDriveDetails(platform::System& system, std::string_view entryText, DriveDetails& details);

inline constexpr const char* kDriveComboName = "cbDrive";
inline constexpr const char* kDriveImageName = "imgDrive";
inline constexpr const char* kDriveGaugeName = "gDisk";
inline constexpr const char* kDriveFlagListName = "clbFlags";
inline constexpr RowSpec kDriveRows[] = {
    {"Desc1", "Drive", kDriveComboName},
    {"Edit1", "Drive Type", "info1"},
    {"Edit2", "UNC", "info2"},
    {"Edit3", "Serial Number", "info3"},
    {"Edit4", "Capacity", "info4"},
    {"Edit5", "Free", "info5"},
    {"Edit6", "Percentage Used", kDriveGaugeName},
    {"Edit8", "Bytes Per Sector", "info6"},
    {"Edit9", "Sectors Per Cluster", "Info7"},
    {"Edit10", "Total Clusters", "Info8"},
    {"Edit11", "Free Clusters", "Info9"},
};

class DriveWindowModel {
public:
    // Refresh1Click: rebuilds the drive list (labels appended earlier are gone) and shows the start drive.
    void Refresh(platform::System& system);
    // cbDriveChange: shows the drive of that entry; the entry gains " [label]" the first time. An index
    // outside the list leaves everything as it is.
    void SelectDrive(platform::System& system, int index);

    // cbDrive's items and selected index (-1: none).
    const std::vector<std::string>& DriveItems() const { return items_; }
    int SelectedDrive() const { return selected_; }
    // info1 to Info9, in row order.
    std::vector<ShownText> Rows() const;
    // One value control's text by its name (any case); empty for a name that is not a row.
    std::string Text(std::string_view control) const;
    int GaugePosition() const { return gauge_; }
    // clbFlags: the twelve items with their ticks, in list order (empty before the first drive).
    const std::vector<CheckItem>& FlagItems() const { return flagItems_; }
    // The root whose associated icon imgDrive shows ("C:\"); empty when the picture is to be emptied,
    // and for a drive that stopped answering, whose icon lookup would wait on it again.
    std::string IconRoot() const { return details_.ready && !details_.stalled ? details_.drive + "\\" : std::string(); }
    const DriveDetails& Details() const { return details_; }

private:
    static constexpr std::size_t kRowCount = 9;  // info1 to Info9
    DriveDetails details_;
    std::vector<std::string> items_;
    int selected_ = -1;
    std::string rows_[kRowCount];
    int gauge_ = 0;
    std::vector<CheckItem> flagItems_;
};

}  // namespace orvane
