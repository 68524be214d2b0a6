#include "machine/storage_replies.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "probes/storage_probes.h"

namespace orvane::machine {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PutLe(Bytes& bytes, std::size_t at, std::uint64_t value, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// STORAGE_DEVICE_DESCRIPTOR as a driver lays it out: the fixed fields, then the NUL-terminated texts; an
// absent text has offset 0.
struct DescriptorFields {
    std::optional<std::string> vendor;
    std::optional<std::string> product;
    std::optional<std::string> revision;
    std::optional<std::string> serial;
    std::uint32_t busType = 0;
    bool removable = false;
};
Bytes DeviceDescriptor(const DescriptorFields& f) {
    Bytes reply(kDescriptorFixedBytes + 4, 0);  // the raw-properties byte, padded
    const auto add = [&](std::size_t field, const std::optional<std::string>& text) {
        if (!text) return;
        PutLe(reply, field, reply.size(), 4);
        reply.insert(reply.end(), text->begin(), text->end());
        reply.push_back(0);
    };
    PutLe(reply, 0, 40, 4);  // Version: sizeof(STORAGE_DEVICE_DESCRIPTOR)
    reply[8] = 0x00;         // DeviceType: direct access
    reply[kDescriptorRemovableMediaField] = f.removable ? 1 : 0;
    PutLe(reply, kDescriptorBusTypeField, f.busType, 4);
    add(kDescriptorVendorIdField, f.vendor);
    add(kDescriptorProductIdField, f.product);
    add(kDescriptorRevisionField, f.revision);
    add(kDescriptorSerialNumberField, f.serial);
    PutLe(reply, 4, reply.size(), 4);  // Size
    return reply;
}

TEST(StorageDescriptor, ModelSerialAndBusOfTodaysDisks) {
    struct Case {
        const char* what;
        DescriptorFields fields;
        const char* model;
        const char* serial;
        const char* bus;
    };
    const Case cases[] = {
        {"NVMe: the driver names itself as vendor",
         {"NVMe", "Samsung SSD 980 PRO 1TB", "5B2QGXA7", "0025_3852_11B1_2A4C.", 0x11}, "Samsung SSD 980 PRO 1TB",
         "0025_3852_11B1_2A4C.", "NVMe"},
        {"NVMe without a vendor", {std::nullopt, "WDC PC SN730 SDBQNTY-512G-1001", "11170101", "E823_8FA6_BF53_0001.", 0x11},
         "WDC PC SN730 SDBQNTY-512G-1001", "E823_8FA6_BF53_0001.", "NVMe"},
        {"SATA through the SCSI translation: vendor ATA, texts padded with blanks",
         {"ATA     ", "ST2000DM008-2FR1", "0001", "            ZFL4ABCD", 0x0B}, "ST2000DM008-2FR1", "ZFL4ABCD", "SATA"},
        {"USB stick: vendor and product", {"SanDisk ", "Cruzer Blade    ", "1.00", "4C530001230920110123", 0x07},
         "SanDisk Cruzer Blade", "4C530001230920110123", "USB"},
        {"a product that already names its vendor", {"Kingston", "Kingston DataTraveler 3.0", "PMAP", std::nullopt, 0x07},
         "Kingston DataTraveler 3.0", nullptr, "USB"},
        {"SAS behind a RAID controller", {"DELL    ", "PERC H730P Mini ", "4.30", "00a1b2c3d4", 0x08}, "DELL PERC H730P Mini",
         "00a1b2c3d4", "RAID"},
        {"a virtual disk of a hypervisor", {"Msft    ", "Virtual Disk    ", "1.0 ", std::nullopt, 0x0A}, "Msft Virtual Disk",
         nullptr, "SAS"},
        {"a vendor but no product", {"QEMU", std::nullopt, std::nullopt, "0000000000000000", 0x01}, "QEMU", nullptr, "SCSI"},
        {"an unknown bus and a placeholder serial", {std::nullopt, "Disk", std::nullopt, "To be filled by O.E.M.", 0x00},
         "Disk", nullptr, nullptr},
        {"a bus type past the named ones", {std::nullopt, "Disk", std::nullopt, std::nullopt, 0x15}, "Disk", nullptr, nullptr},
        {"no texts at all", {std::nullopt, std::nullopt, std::nullopt, std::nullopt, 0x01}, nullptr, nullptr, "SCSI"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto device = ParseStorageDeviceDescriptor(DeviceDescriptor(c.fields));
        ASSERT_TRUE(device);
        EXPECT_EQ(device->model, c.model ? std::optional<std::string>(c.model) : std::nullopt);
        EXPECT_EQ(device->serial, c.serial ? std::optional<std::string>(c.serial) : std::nullopt);
        EXPECT_EQ(device->bus, c.bus ? std::optional<std::string>(c.bus) : std::nullopt);
        EXPECT_EQ(device->busTypeCode, c.fields.busType);
    }
}

TEST(StorageDescriptor, EveryBusTypeHasItsName) {
    const char* names[] = {nullptr, "SCSI", "ATAPI", "ATA", "1394", "SSA", "Fibre Channel", "USB", "RAID", "iSCSI",
                           "SAS", "SATA", "SD", "MMC", "Virtual", "File-backed virtual", "Storage Spaces", "NVMe",
                           "SCM", "UFS", "NVMe over Fabrics", nullptr};
    for (std::uint32_t code = 0; code < std::size(names); ++code) {
        SCOPED_TRACE(code);
        EXPECT_EQ(StorageBusName(code), names[code] ? std::optional<std::string>(names[code]) : std::nullopt);
    }
    EXPECT_FALSE(StorageBusName(0x7F));
}

TEST(StorageDescriptor, ShortRepliesAndTheDeclaredSize) {
    const Bytes full = DeviceDescriptor({"ATA", "Samsung SSD 870 EVO 1TB", "SVT02B6Q", "S6PTNX0T123456A", 0x0B, true});
    // The 8-byte header a sizing call returns: the Size to ask again with, no fields.
    const Bytes header(full.begin(), full.begin() + 8);
    EXPECT_EQ(DescriptorDeclaredSize(header), full.size());
    const auto sized = ParseStorageDeviceDescriptor(header);
    ASSERT_TRUE(sized);
    EXPECT_FALSE(sized->bus);
    EXPECT_FALSE(sized->model);
    EXPECT_FALSE(sized->removable);
    // Cut inside the product text: the texts that are no longer whole are absent, not cut short; the fixed
    // fields and the vendor stay.
    const Bytes cut(full.begin(), full.begin() + kDescriptorFixedBytes + 10);
    const auto partial = ParseStorageDeviceDescriptor(cut);
    ASSERT_TRUE(partial);
    EXPECT_EQ(partial->bus, "SATA");
    EXPECT_TRUE(partial->removable);
    EXPECT_EQ(partial->vendor, "ATA");
    EXPECT_FALSE(partial->product);
    EXPECT_FALSE(partial->model);
    EXPECT_FALSE(partial->serial);
    // A declared Size smaller than the reply bounds the descriptor.
    Bytes declaredShort = full;
    PutLe(declaredShort, 4, 30, 4);
    const auto bounded = ParseStorageDeviceDescriptor(declaredShort);
    ASSERT_TRUE(bounded);
    EXPECT_FALSE(bounded->bus);
    EXPECT_FALSE(bounded->model);
    for (std::size_t size = 0; size < 8; ++size) {
        EXPECT_FALSE(ParseStorageDeviceDescriptor(Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(size))));
        EXPECT_FALSE(DescriptorDeclaredSize(Bytes(size, 0)));
    }
}

TEST(StorageQueries, PropertyQueriesNameTheirProperty) {
    EXPECT_EQ(BuildStoragePropertyQuery(kStorageDeviceProperty), BuildDevicePropertyQuery());
    const Bytes seek = BuildStoragePropertyQuery(kStorageDeviceSeekPenaltyProperty);
    EXPECT_EQ(seek, (Bytes{7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    const Bytes trim = BuildStoragePropertyQuery(kStorageDeviceTrimProperty);
    EXPECT_EQ(trim, (Bytes{8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

Bytes BooleanDescriptor(std::uint8_t value, std::uint32_t size = 12) {
    Bytes reply(12, 0);
    PutLe(reply, 0, 12, 4);
    PutLe(reply, 4, size, 4);
    reply[8] = value;
    return reply;
}

TEST(StorageQueries, SeekPenaltyAndTrim) {
    EXPECT_EQ(SolidStateFromSeekPenalty(BooleanDescriptor(0)), true);
    EXPECT_EQ(SolidStateFromSeekPenalty(BooleanDescriptor(1)), false);
    EXPECT_EQ(ParseIncursSeekPenalty(BooleanDescriptor(1)), true);
    EXPECT_EQ(ParseTrimEnabled(BooleanDescriptor(1)), true);
    EXPECT_EQ(ParseTrimEnabled(BooleanDescriptor(0)), false);
    // The BOOLEAN is the ninth byte: 9 bytes answer, 8 do not; a Size that leaves it out is no answer.
    const Bytes whole = BooleanDescriptor(1);
    EXPECT_EQ(ParseTrimEnabled(Bytes(whole.begin(), whole.begin() + 9)), true);
    const Bytes eight(8, 0);
    EXPECT_FALSE(ParseTrimEnabled(eight));
    EXPECT_FALSE(SolidStateFromSeekPenalty(eight));
    EXPECT_FALSE(SolidStateFromSeekPenalty(BooleanDescriptor(0, 8)));
    EXPECT_FALSE(SolidStateFromSeekPenalty(Bytes{}));
}

TEST(StorageQueries, DiskSizes) {
    Bytes length(8, 0);
    PutLe(length, 0, 2000398934016ull, 8);
    EXPECT_EQ(ParseLengthInformation(length), 2000398934016ull);
    Bytes geometry(32, 0);
    PutLe(geometry, 0, 243201, 8);  // cylinders
    PutLe(geometry, 20, 512, 4);    // bytes per sector
    PutLe(geometry, kGeometryExDiskSizeField, 2000398934016ull, 8);
    EXPECT_EQ(ParseGeometryExDiskSize(geometry), 2000398934016ull);
    // No medium, a negative length, a short reply.
    EXPECT_FALSE(ParseLengthInformation(Bytes(8, 0)));
    EXPECT_FALSE(ParseLengthInformation(Bytes(8, 0xFF)));
    EXPECT_FALSE(ParseLengthInformation(Bytes(7, 0x01)));
    EXPECT_FALSE(ParseGeometryExDiskSize(Bytes(31, 0x01)));
}

}  // namespace
}  // namespace orvane::machine
