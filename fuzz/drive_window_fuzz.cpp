// The drive window over what the system answers about drives: GetLogicalDriveStrings's list (any
// bytes, missing or doubled NULs), drive types above 6, cluster and byte counts whose products pass
// 64 bits, volume labels and file-system names of any bytes, and the full and universal paths,
// through the refresh and a choice of drive; any of the bounded queries may time out.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "platform/os_info.h"
#include "platform/testing/test_machine.h"
#include "screens/drive/drive_model.h"

namespace {

using namespace orvane;

class FuzzedDrives : public testing::TestMachine {
public:
    explicit FuzzedDrives(fuzz::FuzzInput& in) : in_(in) {}

    std::string LogicalDriveStrings(std::uint32_t) override { return in_.Text(); }
    std::optional<platform::DiskClusters> DiskFreeSpaceQuietly(std::string_view root) override {
        return DiskFreeSpace(root);
    }
    std::optional<platform::DiskClusters> DiskFreeSpace(std::string_view) override {
        if (in_.Byte() < 0x20) return std::nullopt;
        return platform::DiskClusters{in_.U32(), in_.U32(), in_.U32(), in_.U32()};
    }
    std::uint32_t DriveType(std::string_view) override { return in_.Byte() % 10; }
    bool HasDiskFreeSpaceEx() override { return in_.Bool(); }
    // The bounded queries: a first byte below 0x10 fails the call, one below 0x20 times it out.
    platform::DriveAnswer<platform::DiskClusters> DiskFreeSpaceWithin(std::string_view) override {
        const std::uint8_t first = in_.Byte();
        if (first < 0x20) return {std::nullopt, first >= 0x10};
        return {platform::DiskClusters{in_.U32(), in_.U32(), in_.U32(), in_.U32()}, false};
    }
    platform::DriveAnswer<platform::DiskSpace> DiskFreeSpaceExWithin(std::string_view) override {
        const std::uint8_t first = in_.Byte();
        if (first < 0x20) return {std::nullopt, first >= 0x10};
        const std::uint64_t free = in_.U32() | std::uint64_t{in_.U32()} << 32;
        const std::uint64_t total = in_.U32() | std::uint64_t{in_.U32()} << 32;
        return {platform::DiskSpace{free, total, free}, false};
    }
    platform::DriveAnswer<platform::VolumeInfo> VolumeInformation(std::string_view, std::uint32_t,
                                                                  std::uint32_t) override {
        const std::uint8_t first = in_.Byte();
        if (first < 0x20) return {std::nullopt, first >= 0x10};
        platform::VolumeInfo info;
        info.label = in_.Text();
        info.serial = in_.U32();
        info.maxComponentLength = in_.U32();
        info.flags = in_.U32();
        info.fileSystem = in_.Text();
        return {info, false};
    }
    std::optional<std::string> FullPathName(std::string_view path) override {
        if (in_.Bool()) return std::string(path) + "\\";
        if (in_.Bool()) return std::nullopt;
        return in_.Text();
    }
    platform::DriveAnswer<std::string> UniversalName(std::string_view, std::uint32_t) override {
        const std::uint8_t first = in_.Byte();
        if (first < 0x80) return {std::nullopt, first < 0x08};
        return {in_.Text(), false};
    }
    std::optional<std::string> ThousandSeparator() override {
        if (in_.Byte() < 0x20) return std::nullopt;
        return in_.Text();
    }

private:
    fuzz::FuzzInput& in_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    FuzzedDrives machine(in);
    machine.version = in.Bool() ? testing::WindowsNt(5, 1, 2600) : testing::Windows98();
    for (std::size_t count = in.Byte() % 3; count > 0; --count) {
        machine.connectedDisks.push_back({in.Text(), in.Text()});
    }
    DriveWindowModel model;
    model.Refresh(machine);
    (void)model.Rows();
    for (std::size_t choices = in.Byte() % 4; choices > 0; --choices) {
        model.SelectDrive(machine, static_cast<int>(in.Byte()) - 2);
        (void)model.Rows();
        (void)model.FlagItems();
    }
    return 0;
}
