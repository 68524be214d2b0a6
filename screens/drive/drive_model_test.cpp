#include "screens/drive/drive_model.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/text.h"
#include "platform/testing/test_machine.h"

namespace orvane {
namespace {

using platform::DiskClusters;
using platform::DiskSpace;
using platform::VolumeInfo;
using testing::TestMachine;

using namespace std::string_literals;

constexpr std::uint32_t kNtfsFlags = platform::kFileCasePreservedNames | platform::kFileCaseSensitiveSearch |
                                     platform::kFileUnicodeOnDisk | platform::kFilePersistentAcls |
                                     platform::kFileFileCompression | platform::kFileVolumeQuotas |
                                     platform::kFileSupportsSparseFiles | platform::kFileSupportsReparsePoints |
                                     platform::kFileSupportsObjectIds | platform::kFileSupportsEncryption;

// A floppy drive without a disk, a fixed disk and a CD drive without a medium.
void ThreeDrives(TestMachine& machine) {
    machine.version = testing::WindowsNt(10, 0, 19045);
    machine.logicalDriveStrings = "A:\\\0C:\\\0D:\\\0"s;
    machine.driveTypes = {
        {"A:\\", platform::kDriveRemovable}, {"C:\\", platform::kDriveFixed}, {"D:\\", platform::kDriveCdrom}};
    machine.diskClusters = {{"C:\\", DiskClusters{8, 512, 2441406, 9765625}}};
    machine.diskSpace = {{"C:\\", DiskSpace{15000000000, 40000000000, 15500000000}}};
    machine.volumes = {{"C:\\", VolumeInfo{"System", 0x1A2B3C4D, 255, kNtfsFlags, "NTFS"}}};
    machine.thousandSeparator = ".";
}

TEST(DriveWindow, SerialTexts) {
    EXPECT_EQ(SerialText(439041101), "1A2B-3C4D");
    EXPECT_EQ(SerialText(255), "0000-00FF");
    EXPECT_EQ(SerialText(0xFFFFFFFFu), "FFFF-FFFF");
    EXPECT_EQ(SerialText(0x000A0000u), "000A-0000");
}

TEST(DriveWindow, GroupsDigitsWithTheSeparatorGiven) {
    struct Case {
        std::int64_t value;
        const char* separator;
        const char* text;
    };
    const Case cases[] = {
        {0, ",", "0"},
        {999, ",", "999"},
        {1000, ",", "1,000"},
        {40007761920, ",", "40,007,761,920"},
        {1234567, "\xA0",
         "1\xA0"
         "234\xA0"
         "567"},
        {1234567, "", "1234567"},
        {-1234, ",", "-1,234"},
        {std::numeric_limits<std::int64_t>::min(), ",", "-9,223,372,036,854,775,808"},
    };
    for (const Case& c : cases) EXPECT_EQ(GroupDigits(c.value, c.separator), c.text) << c.value;
}

TEST(DriveWindow, GaugeRoundsHalvesToEven) {
    struct Case {
        std::int64_t capacity;
        std::int64_t free;
        int percent;
    };
    const std::int64_t big = std::int64_t{1} << 62;
    const Case cases[] = {
        {8, 3, 62},     // 62.5
        {200, 73, 64},  // 63.5, which a binary fraction cannot hold exactly
        {200, 199, 0},  // 0.5
        {200, 1, 100},  // 99.5
        {3, 1, 67},     // 66.7
        {1000, 0, 100},
        {1000, 1000, 0},
        {0, 0, 0},  // no capacity: no division
        {-5, 0, 0},
        {100, 150, 0},  // more free than capacity stays within the gauge
        {big, big / 8 * 3, 62},
        {big + 2, 1, 100},
    };
    for (const Case& c : cases) EXPECT_EQ(UsedPercentage(c.capacity, c.free), c.percent) << c.capacity << " " << c.free;
}

TEST(DriveWindow, FileSystemFlagsFollowTheVolumeAndTheNameLength) {
    const std::uint32_t bits[kFileSystemFlagCount] = {0x2, 0x1,     0x4,     0x8,  0x10, 0x8000,
                                                      0,   0x20000, 0x10000, 0x80, 0x40, 0x20};
    for (std::size_t i = 0; i < kFileSystemFlagCount; ++i) {
        if (bits[i] == 0) continue;
        FileSystemFlags expected;
        expected[i] = true;
        EXPECT_EQ(FileSystemFlagsOf(bits[i], 12), expected) << kFileSystemFlagCaptions[i];
    }
    EXPECT_FALSE(FileSystemFlagsOf(0, 254)[6]);
    EXPECT_TRUE(FileSystemFlagsOf(0, 255)[6]);
    EXPECT_FALSE(FileSystemFlagsOf(0, 256)[6]);
    EXPECT_STREQ(kFileSystemFlagCaptions[6], "Long Filenames");
    EXPECT_EQ(FileSystemFlagsOf(0xFFFFFFFFu, 255).count(), kFileSystemFlagCount);
}

TEST(DriveWindow, StartRule) {
    struct Case {
        std::vector<std::string> entries;
        int start;
    };
    const Case cases[] = {
        {{"A:", "C:", "D:"}, 1},
        {{"C:", "D:"}, 0},
        {{"A:", "B:", "C:", "D:"}, 2},
        {{"A:", "B:", "E:"}, 2},  // the third entry, C or not
        {{"A:", "D:"}, 0},        // no third entry: the first
        {{"D:"}, 0},
        {{}, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(StartDriveIndex(c.entries), c.start) << c.entries.size();

    EXPECT_EQ(DriveEntries("A:\\\0C:\\\0Z:\\\0"s), (std::vector<std::string>{"A:", "C:", "Z:"}));
    EXPECT_TRUE(DriveEntries("").empty());
}

TEST(DriveWindow, OpensOnDriveCAndShowsItsDetails) {
    TestMachine machine;
    ThreeDrives(machine);
    machine.fullPaths = {{"C:", "C:\\users\\me"}};
    DriveWindowModel model;
    model.Refresh(machine);

    EXPECT_EQ(model.DriveItems(), (std::vector<std::string>{"A:", "C: [System]", "D:"}));
    EXPECT_EQ(model.SelectedDrive(), 1);
    // Only the readiness test runs with the platform's critical-error dialogs off.
    EXPECT_EQ(machine.quietDiskQueries, (std::vector<std::string>{"C:\\"}));
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"info1", "Fixed - NTFS"},
        {"info2", "C:\\users\\me"},
        {"info3", "1A2B-3C4D"},
        {"info4", "40.000.000.000 bytes"},
        {"info5", "15.000.000.000 bytes"},
        {"info6", "512"},
        {"Info7", "8"},
        {"Info8", "9.765.625"},
        {"Info9", "2.441.406"},
    };
    const std::vector<ShownText> rows = model.Rows();
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].control, expected[i].first);
        EXPECT_EQ(rows[i].text, expected[i].second) << expected[i].first;
    }
    EXPECT_EQ(model.GaugePosition(), 62);  // 62.5 %
    EXPECT_EQ(model.IconRoot(), "C:\\");
    ASSERT_EQ(model.FlagItems().size(), kFileSystemFlagCount);
    for (std::size_t i = 0; i < kFileSystemFlagCount; ++i) {
        EXPECT_EQ(model.FlagItems()[i].caption, kFileSystemFlagCaptions[i]);
        EXPECT_EQ(model.FlagItems()[i].checked, i != 5) << kFileSystemFlagCaptions[i];  // not compressed
    }
}

TEST(DriveWindow, ADriveThatIsNotReady) {
    TestMachine machine;
    ThreeDrives(machine);
    DriveWindowModel model;
    model.Refresh(machine);
    model.SelectDrive(machine, 2);

    EXPECT_EQ(model.DriveItems()[2], "D: []");
    EXPECT_EQ(model.Text("info1"), "CDROM - ");
    EXPECT_EQ(model.Text("info2"), "D:\\");
    EXPECT_EQ(model.Text("info3"), "");
    EXPECT_EQ(model.Text("info4"), "0 bytes");
    EXPECT_EQ(model.Text("info5"), "0 bytes");
    for (const char* cluster : {"info6", "Info7", "Info8", "Info9"}) EXPECT_EQ(model.Text(cluster), "0") << cluster;
    EXPECT_EQ(model.GaugePosition(), 0);
    EXPECT_EQ(model.IconRoot(), "");
    for (const CheckItem& item : model.FlagItems()) EXPECT_FALSE(item.checked) << item.caption;
    EXPECT_EQ(machine.quietDiskQueries.back(), "D:\\");
}

// A drive that answered the readiness query and then stops answering (a share whose server went away):
// each bounded query that times out ends what is asked of the drive, and the window shows it as a drive
// that is not ready, so it waits for one bound at most, not for one per remaining call.
TEST(DriveWindow, ADriveThatStopsAnsweringIsAskedNothingMore) {
    const std::vector<std::string> everything = {"DiskFreeSpace C:\\", "DiskFreeSpaceEx C:\\", "VolumeInformation C:\\",
                                                 "UniversalName C:\\users\\me"};
    struct Case {
        const char* stalls;
        std::size_t asked;  // how many of the queries above were made
        bool volumeShown;   // the figures read before the time-out stay
    };
    const Case cases[] = {
        {"DiskFreeSpace", 1, false},
        {"DiskFreeSpaceEx", 2, false},
        {"VolumeInformation", 3, false},
        {"UniversalName", 4, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stalls);
        TestMachine machine;
        ThreeDrives(machine);
        machine.fullPaths = {{"C:", "C:\\users\\me"}};
        machine.stalledDriveQueries = {c.stalls};
        DriveWindowModel model;
        model.Refresh(machine);

        EXPECT_EQ(machine.driveQueries, std::vector<std::string>(everything.begin(), everything.begin() + c.asked));
        EXPECT_EQ(model.Text("info2"), "C:\\users\\me") << "the path stays local";
        EXPECT_EQ(model.IconRoot(), "") << "the icon lookup would wait on the drive again";
        if (c.volumeShown) {
            EXPECT_EQ(model.DriveItems()[1], "C: [System]");
            EXPECT_EQ(model.Text("info1"), "Fixed - NTFS");
            EXPECT_EQ(model.Text("info4"), "40.000.000.000 bytes");
            EXPECT_EQ(model.GaugePosition(), 62);
        } else {
            EXPECT_EQ(model.DriveItems()[1], "C: []");
            EXPECT_EQ(model.Text("info1"), "Fixed - ");
            EXPECT_EQ(model.Text("info3"), "");
            EXPECT_EQ(model.Text("info4"), "0 bytes");
            EXPECT_EQ(model.Text("Info8"), "0");
            EXPECT_EQ(model.GaugePosition(), 0);
            for (const CheckItem& item : model.FlagItems()) EXPECT_FALSE(item.checked) << item.caption;
        }

        // Once the drive answers again, choosing it shows it whole.
        machine.stalledDriveQueries.clear();
        machine.driveQueries.clear();
        model.SelectDrive(machine, 1);
        EXPECT_EQ(machine.driveQueries, everything);
        EXPECT_EQ(model.Text("info4"), "40.000.000.000 bytes");
        EXPECT_EQ(model.Text("info3"), "1A2B-3C4D");
        EXPECT_EQ(model.IconRoot(), "C:\\");
    }
}

TEST(DriveWindow, LabelIsAppendedOnceUntilTheListIsRebuilt) {
    TestMachine machine;
    ThreeDrives(machine);
    DriveWindowModel model;
    model.Refresh(machine);
    model.SelectDrive(machine, 2);
    machine.volumes["C:\\"].label = "Renamed";
    model.SelectDrive(machine, 1);
    model.SelectDrive(machine, 1);
    EXPECT_EQ(model.DriveItems(), (std::vector<std::string>{"A:", "C: [System]", "D: []"}));

    model.Refresh(machine);
    EXPECT_EQ(model.DriveItems(), (std::vector<std::string>{"A:", "C: [Renamed]", "D:"}));
}

TEST(DriveWindow, WithoutTheExtendedCallSizesComeFromClusters) {
    TestMachine machine;
    ThreeDrives(machine);
    machine.hasDiskFreeSpaceEx = false;
    machine.thousandSeparator = ",";
    DriveWindowModel model;
    model.Refresh(machine);
    // 8 × 512 bytes per cluster: 9765625 clusters are 40,000,000,000 bytes, 2441406 free ones 9,999,998,976.
    EXPECT_EQ(model.Text("info4"), "40,000,000,000 bytes");
    EXPECT_EQ(model.Text("info5"), "9,999,998,976 bytes");
    EXPECT_EQ(model.GaugePosition(), 75);

    // The extended call that exists but fails falls back the same way.
    machine.hasDiskFreeSpaceEx = true;
    machine.diskSpace.clear();
    model.SelectDrive(machine, 1);
    EXPECT_EQ(model.Text("info4"), "40,000,000,000 bytes");
}

TEST(DriveWindow, VolumeQueryFailureAndOddDriveTypes) {
    TestMachine machine;
    ThreeDrives(machine);
    machine.volumes.clear();
    DriveWindowModel model;
    model.Refresh(machine);
    EXPECT_EQ(model.DriveItems()[1], "C: []");
    EXPECT_EQ(model.Text("info1"), "Fixed - ");
    EXPECT_EQ(model.Text("info3"), "");
    EXPECT_EQ(model.Text("info4"), "40.000.000.000 bytes");
    for (const CheckItem& item : model.FlagItems()) EXPECT_FALSE(item.checked) << item.caption;

    // A type the window has no name for leaves the previous one.
    machine.driveTypes["A:\\"] = 7;
    model.SelectDrive(machine, 0);
    EXPECT_EQ(model.Text("info1"), "Fixed - ");
    machine.driveTypes["A:\\"] = 0;
    model.SelectDrive(machine, 0);
    EXPECT_EQ(model.Text("info1"), "Unknown - ");
}

TEST(DriveWindow, UniversalPathOfANetworkDrive) {
    struct Case {
        const char* what;
        platform::OsVersion version;
        const char* path;
    };
    const Case cases[] = {
        {"NT asks the universal-name call", testing::WindowsNt(5, 1, 2600), "\\\\server\\share\\docs"},
        {"an unknown platform asks it too", platform::OsVersion{4, 0, 0, 3, ""}, "\\\\server\\share\\docs"},
        {"98 looks among the connections", testing::Windows98(), "\\\\OLDSERVER\\PUBLIC\\docs"},
        {"ME looks among the connections", testing::WindowsMe(), "\\\\OLDSERVER\\PUBLIC\\docs"},
    };
    for (const Case& c : cases) {
        TestMachine machine;
        machine.version = c.version;
        machine.fullPaths = {{"Z:", "Z:\\docs"}};
        machine.universalNames = {{"Z:\\docs", "\\\\server\\share\\docs"}};
        machine.connectedDisks = {{"", "\\\\nowhere\\x"}, {"y:", "\\\\other\\y"}, {"z:", "\\\\OLDSERVER\\PUBLIC"}};
        EXPECT_EQ(UniversalPath(machine, "Z:"), c.path) << c.what;
    }

    TestMachine machine;
    machine.version = testing::WindowsNt(10, 0, 19045);
    EXPECT_EQ(UniversalPath(machine, "C:"), "C:\\");  // a local drive keeps its path
    machine.version = testing::Windows98();
    machine.fullPaths = {{"C:", "C:"}, {"Q:", "\\\\?\\odd"}};
    EXPECT_EQ(UniversalPath(machine, "C:"), "C:");
    EXPECT_EQ(UniversalPath(machine, "Q:"), "\\\\?\\odd");
    EXPECT_EQ(machine.diskResourceEnumerations, 0);
}

}  // namespace
}  // namespace orvane
