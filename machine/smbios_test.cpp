// The SMBIOS walk and decoders over small tables built here, one fault or field at a time; the recorded
// tables of real machines are in smbios_fixtures_test.cpp.
#include "machine/smbios.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvane::machine {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PutLe(Bytes& bytes, std::size_t at, std::uint64_t value, std::size_t width) {
    if (bytes.size() < at + width) bytes.resize(at + width, 0);
    for (std::size_t i = 0; i < width; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// One structure: header, the formatted fields after it (filled to formattedLength), its string set.
Bytes Structure(std::uint8_t type, std::uint16_t handle, std::size_t formattedLength, const Bytes& fields = {},
                const std::vector<std::string>& strings = {}) {
    Bytes s = {type, static_cast<std::uint8_t>(formattedLength), static_cast<std::uint8_t>(handle),
               static_cast<std::uint8_t>(handle >> 8)};
    s.insert(s.end(), fields.begin(), fields.end());
    s.resize(formattedLength, 0);
    for (const std::string& text : strings) {
        s.insert(s.end(), text.begin(), text.end());
        s.push_back(0);
    }
    if (strings.empty()) s.push_back(0);
    s.push_back(0);
    return s;
}

Bytes EndOfTable(std::uint16_t handle = 0xFEFF) {
    return Structure(kSmbiosEndOfTable, handle, 4);
}

// RawSMBIOSData around the structures; the Length written is the structures' length unless given.
Bytes Rsmb(std::uint8_t major, std::uint8_t minor, const std::vector<Bytes>& structures,
           std::optional<std::uint32_t> length = std::nullopt) {
    Bytes table;
    for (const Bytes& s : structures) table.insert(table.end(), s.begin(), s.end());
    Bytes reply = {0, major, minor, 0};
    PutLe(reply, 4, length.value_or(static_cast<std::uint32_t>(table.size())), 4);
    reply.insert(reply.end(), table.begin(), table.end());
    return reply;
}

std::vector<std::uint8_t> TypesOf(const SmbiosTable& table) {
    std::vector<std::uint8_t> types;
    for (const SmbiosStructure& s : table.structures) types.push_back(s.type);
    return types;
}

// Formatted fields of a structure, given as (offset, value, width) from the start of the header.
Bytes Fields(std::size_t formattedLength, std::initializer_list<std::tuple<std::size_t, std::uint64_t, std::size_t>> values) {
    Bytes whole(formattedLength, 0);
    for (const auto& [offset, value, width] : values) PutLe(whole, offset, value, width);
    return Bytes(whole.begin() + 4, whole.end());
}

TEST(SmbiosWalk, ReadsATableThatStartsWithOemStructuresAndIgnoresWhatFollowsTheEnd) {
    const Bytes reply = Rsmb(3, 4,
                             {Structure(0xDA, 0xDA00, 0x0B, {}, {"OEM"}), Structure(0x80, 0x8000, 6),
                              Structure(0, 0, 0x1A, Fields(0x1A, {{4, 1, 1}, {5, 2, 1}, {8, 3, 1}}),
                                        {"Vendor", "1.0", "01/02/2024"}),
                              EndOfTable(), Structure(1, 1, 0x1B, {}, {"after the end"})});
    const SmbiosTable table = WalkSmbios(reply);
    EXPECT_EQ(TypesOf(table), (std::vector<std::uint8_t>{0xDA, 0x80, 0}));
    EXPECT_TRUE(table.endOfTableFound);
    EXPECT_FALSE(table.damagedAt);
    EXPECT_FALSE(table.lengthBeyondReply);
    EXPECT_EQ(table.VersionText(), "3.4");
    EXPECT_EQ(table.structures[0].strings, std::vector<std::string>{"OEM"});
    EXPECT_TRUE(table.structures[1].strings.empty());
    const FirmwareInfo firmware = DecodeFirmware(table);
    EXPECT_EQ(firmware.vendor, "Vendor");
    EXPECT_EQ(firmware.version, "1.0");
    EXPECT_EQ(firmware.date, "01/02/2024");
    EXPECT_EQ(firmware.smbiosVersion, "3.4");
}

TEST(SmbiosWalk, StopsAtEachKindOfDamageAndKeepsTheStructuresBefore) {
    const Bytes system = Structure(1, 1, 0x1B, Fields(0x1B, {{4, 1, 1}}), {"Maker"});
    struct Case {
        const char* what;
        Bytes tail;  // after the system structure
        bool damaged;
    };
    const Case cases[] = {
        {"no end-of-table: the data just ends", {}, false},
        {"zero bytes pad the table", Bytes(9, 0), false},
        {"a zero-length header", Bytes{0x00, 0x00, 0x12, 0x34, 0x55, 0x66, 0x00, 0x00}, true},
        {"a formatted length under the header's 4", Bytes{0x02, 0x03, 0x05, 0x00, 0x00, 0x00}, true},
        {"a formatted area past the end", Bytes{0x02, 0x40, 0x05, 0x00, 0x01, 0x02}, true},
        {"a string set without its two zeros", Bytes{0x02, 0x04, 0x05, 0x00, 'a', 'b', 0x00, 'c'}, true},
        {"a header cut short", Bytes{0x02, 0x0F}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes table = system;
        table.insert(table.end(), c.tail.begin(), c.tail.end());
        const SmbiosTable walked = WalkSmbios(Rsmb(2, 8, {table}));
        EXPECT_EQ(TypesOf(walked), std::vector<std::uint8_t>{1});
        EXPECT_FALSE(walked.endOfTableFound);
        EXPECT_EQ(walked.damagedAt.has_value(), c.damaged);
        if (c.damaged) {
            EXPECT_EQ(*walked.damagedAt, system.size());
        }
        EXPECT_EQ(DecodeSystem(walked).manufacturer, "Maker");
    }
}

TEST(SmbiosWalk, IsBoundedByTheReportedLengthAndByTheReply) {
    const Bytes first = Structure(2, 2, 8, {}, {"Board"});
    const Bytes second = Structure(3, 3, 9, {}, {"Case"});
    // A Length that stops after the first structure leaves the second unread.
    const SmbiosTable shorter = WalkSmbios(Rsmb(3, 0, {first, second}, static_cast<std::uint32_t>(first.size())));
    EXPECT_EQ(TypesOf(shorter), std::vector<std::uint8_t>{2});
    EXPECT_FALSE(shorter.damagedAt);
    EXPECT_FALSE(shorter.lengthBeyondReply);
    // A Length past the reply: what the reply holds is walked, and said to be short.
    const SmbiosTable longer = WalkSmbios(Rsmb(3, 0, {first, second}, 100000));
    EXPECT_EQ(TypesOf(longer), (std::vector<std::uint8_t>{2, 3}));
    EXPECT_TRUE(longer.lengthBeyondReply);
    // A Length that ends inside a structure's strings makes that structure damaged.
    const SmbiosTable cut = WalkSmbios(Rsmb(3, 0, {first, second}, static_cast<std::uint32_t>(first.size() + 11)));
    EXPECT_EQ(TypesOf(cut), std::vector<std::uint8_t>{2});
    EXPECT_EQ(cut.damagedAt, first.size());
    for (std::size_t size = 0; size < kRawSmbiosHeaderBytes; ++size) {
        const SmbiosTable none = WalkSmbios(Bytes(size, 0));
        EXPECT_TRUE(none.headerMissing);
        EXPECT_TRUE(none.structures.empty());
    }
}

TEST(SmbiosWalk, RepeatedHandlesAreListedAndARepeatedStructureIsNotCountedTwice) {
    const Bytes module = Structure(17, 0x40, 0x28, Fields(0x28, {{0x0C, 8192, 2}, {0x10, 1, 1}}), {"DIMM A"});
    const Bytes otherModule = Structure(17, 0x41, 0x28, Fields(0x28, {{0x0C, 8192, 2}, {0x10, 1, 1}}), {"DIMM B"});
    const Bytes oemSameHandle = Structure(0xDD, 0x40, 6);
    const SmbiosTable table =
        WalkSmbios(Rsmb(3, 2, {module, otherModule, module, oemSameHandle, Structure(kSmbiosInactive, 0x42, 6), EndOfTable()}));
    EXPECT_EQ(TypesOf(table), (std::vector<std::uint8_t>{17, 17, 0xDD}));
    EXPECT_EQ(table.duplicateHandles, std::vector<std::uint16_t>{0x40});
    const std::vector<MemoryModule> modules = DecodeMemoryModules(table);
    ASSERT_EQ(modules.size(), 2u);
    EXPECT_EQ(modules[0].locator, "DIMM A");
    EXPECT_EQ(modules[1].locator, "DIMM B");
}

TEST(SmbiosStrings, AReferenceOutsideTheStringsOrTheFormattedAreaIsAbsent) {
    const Bytes system = Structure(1, 1, 0x08, Fields(0x08, {{4, 0, 1}, {5, 2, 1}, {6, 9, 1}, {7, 1, 1}}),
                                   {"  Serial 42  ", "Product"});
    const SmbiosTable table = WalkSmbios(Rsmb(2, 0, {system}));
    const SystemInfo info = DecodeSystem(table);
    EXPECT_FALSE(info.manufacturer);  // reference 0
    EXPECT_EQ(info.product, "Product");
    EXPECT_FALSE(info.version);  // reference past the two strings
    EXPECT_EQ(info.serial, "Serial 42");
    // An SMBIOS 2.0 system structure ends before the UUID, SKU and family.
    EXPECT_FALSE(info.uuid);
    EXPECT_FALSE(info.sku);
    EXPECT_FALSE(info.family);
    EXPECT_EQ(SmbiosRawString(table.structures[0], 7), "  Serial 42  ");
    EXPECT_FALSE(SmbiosWord(table.structures[0], 7));
}

TEST(SmbiosSystem, TheUuidTakesTheByteOrderOfTheTablesVersion) {
    const Bytes uuid = {0x44, 0x45, 0x4C, 0x4C, 0x42, 0x00, 0x10, 0x36, 0x80, 0x52, 0xB3, 0xC0, 0x4F, 0x4E, 0x44, 0x32};
    Bytes fields(0x1B - 4, 0);
    std::copy(uuid.begin(), uuid.end(), fields.begin() + (0x08 - 4));
    fields[0x19 - 4] = 1;
    fields[0x1A - 4] = 2;
    const Bytes system = Structure(1, 1, 0x1B, fields, {"SKU-1", "Family"});
    EXPECT_EQ(DecodeSystem(WalkSmbios(Rsmb(2, 6, {system}))).uuid, "4C4C4544-0042-3610-8052-B3C04F4E4432");
    EXPECT_EQ(DecodeSystem(WalkSmbios(Rsmb(3, 0, {system}))).uuid, "4C4C4544-0042-3610-8052-B3C04F4E4432");
    EXPECT_EQ(DecodeSystem(WalkSmbios(Rsmb(2, 5, {system}))).uuid, "44454C4C-4200-1036-8052-B3C04F4E4432");
    const SystemInfo info = DecodeSystem(WalkSmbios(Rsmb(3, 0, {system})));
    EXPECT_EQ(info.sku, "SKU-1");
    // "Family" is a template's field name standing where the value was due.
    EXPECT_FALSE(info.family);
    EXPECT_FALSE(FormatSmbiosUuid(Bytes(16, 0x00), true));
    EXPECT_FALSE(FormatSmbiosUuid(Bytes(16, 0xFF), true));
    EXPECT_FALSE(FormatSmbiosUuid(Bytes(15, 0x12), true));
}

TEST(SmbiosChassis, TypeNamesWithoutTheLockBit) {
    struct Case {
        std::uint8_t byte;
        const char* name;  // nullptr: absent
    };
    const Case cases[] = {
        {0x03, "Desktop"},   {0x83, "Desktop"},      {0x0A, "Notebook"},  {0x09, "Laptop"},
        {0x17, "Rack Mount Chassis"}, {0x1E, "Tablet"}, {0x1F, "Convertible"}, {0x23, "Mini PC"},
        {0x24, "Stick PC"},  {0x01, "Other"},        {0x02, nullptr},     {0x00, nullptr},
        {0x25, nullptr},     {0x7F, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.byte));
        const ChassisInfo chassis =
            DecodeChassis(WalkSmbios(Rsmb(3, 0, {Structure(3, 3, 0x09, Fields(0x09, {{4, 1, 1}, {5, c.byte, 1}}), {"Maker"})})));
        EXPECT_EQ(chassis.typeCode, c.byte & 0x7F);
        EXPECT_EQ(chassis.type, c.name ? std::optional<std::string>(c.name) : std::nullopt);
        EXPECT_EQ(chassis.manufacturer, "Maker");
    }
}

// A type 17 structure of SMBIOS 3.3 (0x5C bytes) with the given size, speed and type fields.
Bytes MemoryDevice(std::uint16_t handle, std::uint16_t array, std::uint16_t size, std::uint32_t extendedSize,
                   std::uint16_t speed, std::uint32_t extendedSpeed, std::uint16_t configured,
                   std::uint32_t extendedConfigured, std::uint8_t type, std::size_t length = 0x5C) {
    return Structure(17, handle, length,
                     Fields(length, {{0x04, array, 2}, {0x0C, size, 2}, {0x0E, 0x09, 1}, {0x10, 1, 1}, {0x11, 2, 1},
                                     {0x12, type, 1}, {0x15, speed, 2}, {0x17, 3, 1}, {0x18, 4, 1}, {0x1A, 5, 1},
                                     {0x1C, extendedSize, 4}, {0x20, configured, 2}, {0x54, extendedSpeed, 4},
                                     {0x58, extendedConfigured, 4}}),
                     {"DIMM 1", "BANK 0", "Samsung", "SerNum0", "M471A4G43MB1-CTD    "});
}

TEST(SmbiosMemory, SizesSpeedsAndTypesOfEachEncoding) {
    constexpr std::uint64_t kMiB = 1024 * 1024;
    struct Case {
        const char* what;
        std::uint16_t size;
        std::uint32_t extendedSize;
        std::optional<std::uint64_t> bytes;
        std::uint16_t speed;
        std::uint32_t extendedSpeed;
        std::optional<std::uint32_t> mts;
        std::uint8_t type;
        const char* typeName;
    };
    const Case cases[] = {
        {"16 GB DDR4", 16384, 0, 16384 * kMiB, 3200, 0, 3200, 0x1A, "DDR4"},
        {"32 GB through the extended size", 0x7FFF, 32768, 32768 * kMiB, 4800, 0, 4800, 0x22, "DDR5"},
        {"128 GB through the extended size", 0x7FFF, 131072, 131072 * kMiB, 0xFFFF, 8533, 8533, 0x23, "LPDDR5"},
        {"the extended size's top bit is reserved", 0x7FFF, 0x80000000u | 65536, 65536 * kMiB, 0, 0, std::nullopt, 0x1E, "LPDDR4"},
        {"512 KB in KB units", 0x8200, 0, 512 * 1024, 0, 0, std::nullopt, 0x12, "DDR"},
        {"0 KB in KB units is no size", 0x8000, 0, std::nullopt, 0, 0, std::nullopt, 0x12, "DDR"},
        {"unknown size", 0xFFFF, 0, std::nullopt, 1600, 0, 1600, 0x18, "DDR3"},
        {"the extended size left at 0", 0x7FFF, 0, std::nullopt, 2400, 0, 2400, 0x1D, "LPDDR3"},
        {"an extended speed of 0 is unknown", 4096, 0, 4096 * kMiB, 0xFFFF, 0, std::nullopt, 0x13, "DDR2"},
        {"Unknown type", 4096, 0, 4096 * kMiB, 1066, 0, 1066, 0x02, nullptr},
        {"Other type", 4096, 0, 4096 * kMiB, 1066, 0, 1066, 0x01, "Other"},
        {"a reserved type code", 4096, 0, 4096 * kMiB, 1066, 0, 1066, 0x15, nullptr},
        {"HBM3", 4096, 0, 4096 * kMiB, 1066, 0, 1066, 0x24, "HBM3"},
        {"a code past the list", 4096, 0, 4096 * kMiB, 1066, 0, 1066, 0x25, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<MemoryModule> modules = DecodeMemoryModules(
            WalkSmbios(Rsmb(3, 3, {MemoryDevice(0x11, 0x10, c.size, c.extendedSize, c.speed, c.extendedSpeed, c.speed,
                                                c.extendedSpeed, c.type)})));
        ASSERT_EQ(modules.size(), 1u);
        const MemoryModule& m = modules[0];
        EXPECT_EQ(m.sizeBytes, c.bytes);
        EXPECT_EQ(m.speedMts, c.mts);
        EXPECT_EQ(m.configuredSpeedMts, c.mts);
        EXPECT_EQ(m.typeCode, c.type);
        EXPECT_EQ(m.type, c.typeName ? std::optional<std::string>(c.typeName) : std::nullopt);
        EXPECT_EQ(m.locator, "DIMM 1");
        EXPECT_EQ(m.bank, "BANK 0");
        EXPECT_EQ(m.manufacturer, "Samsung");
        EXPECT_FALSE(m.serial);  // "SerNum0": the template's text
        EXPECT_EQ(m.partNumber, "M471A4G43MB1-CTD");
        EXPECT_EQ(m.formFactor, "DIMM");
    }
}

TEST(SmbiosMemory, ShortStructuresOfOlderVersionsGiveWhatTheyHold) {
    // SMBIOS 2.3: speed and the strings after it, no extended size or configured speed (0x1B bytes).
    const auto old = DecodeMemoryModules(WalkSmbios(Rsmb(2, 3, {MemoryDevice(0x11, 0x10, 0x7FFF, 65536, 533, 0, 400, 0, 0x13, 0x1B)})));
    ASSERT_EQ(old.size(), 1u);
    EXPECT_FALSE(old[0].sizeBytes);  // 0x7FFF without the extended field
    EXPECT_EQ(old[0].speedMts, 533u);
    EXPECT_FALSE(old[0].configuredSpeedMts);
    EXPECT_EQ(old[0].partNumber, "M471A4G43MB1-CTD");
    // SMBIOS 2.1: no speed, no maker.
    const auto oldest = DecodeMemoryModules(WalkSmbios(Rsmb(2, 1, {MemoryDevice(0x11, 0x10, 256, 0, 533, 0, 0, 0, 0x07, 0x15)})));
    ASSERT_EQ(oldest.size(), 1u);
    EXPECT_EQ(oldest[0].sizeBytes, 256u * 1024 * 1024);
    EXPECT_EQ(oldest[0].type, "RAM");
    EXPECT_FALSE(oldest[0].speedMts);
    EXPECT_FALSE(oldest[0].manufacturer);
    // Too short for the size word: not a module that can be told apart from an empty slot.
    EXPECT_TRUE(DecodeMemoryModules(WalkSmbios(Rsmb(2, 1, {Structure(17, 0x11, 0x0C)}))).empty());
}

TEST(SmbiosMemory, SlotsCountTheSystemMemoryArraysAndEmptySlotsAreNoModules) {
    auto array = [](std::uint16_t handle, std::uint8_t use, std::uint16_t devices) {
        return Structure(16, handle, 0x17, Fields(0x17, {{0x04, 3, 1}, {0x05, use, 1}, {0x0D, devices, 2}}));
    };
    const Bytes flashModule = MemoryDevice(0x30, 0x20, 16, 0, 0, 0, 0, 0, 0x09);
    const SmbiosTable table = WalkSmbios(Rsmb(
        3, 3,
        {array(0x10, 3, 4), array(0x11, 3, 2), array(0x20, 4 /* flash */, 1), MemoryDevice(0x12, 0x10, 8192, 0, 3200, 0, 2933, 0, 0x1A),
         MemoryDevice(0x13, 0x10, 0, 0, 0, 0, 0, 0, 0x02), flashModule, MemoryDevice(0x14, 0x99, 8192, 0, 3200, 0, 0, 0, 0x1A),
         EndOfTable()}));
    EXPECT_EQ(DecodeMemorySlots(table), 6u);
    const std::vector<MemoryModule> modules = DecodeMemoryModules(table);
    // The empty slot and the flash device are left out; a device whose array is missing stays.
    ASSERT_EQ(modules.size(), 2u);
    EXPECT_EQ(modules[0].configuredSpeedMts, 2933u);
    EXPECT_FALSE(modules[1].configuredSpeedMts);

    // Without arrays the devices listed are the slots; without either there is no count.
    EXPECT_EQ(DecodeMemorySlots(WalkSmbios(Rsmb(2, 3, {MemoryDevice(1, 9, 0, 0, 0, 0, 0, 0, 2), MemoryDevice(2, 9, 0, 0, 0, 0, 0, 0, 2)}))), 2u);
    EXPECT_FALSE(DecodeMemorySlots(WalkSmbios(Rsmb(2, 3, {EndOfTable()}))));
}

TEST(SmbiosMemory, FormFactorNames) {
    EXPECT_EQ(MemoryFormFactorName(0x09), "DIMM");
    EXPECT_EQ(MemoryFormFactorName(0x0D), "SODIMM");
    EXPECT_EQ(MemoryFormFactorName(0x0B), "Row of chips");
    EXPECT_EQ(MemoryFormFactorName(0x11), "CAMM");
    EXPECT_FALSE(MemoryFormFactorName(0x02));
    EXPECT_FALSE(MemoryFormFactorName(0x12));
}

TEST(SmbiosDecode, AnEmptyOrMissingTableGivesNothing) {
    for (const Bytes& reply : {Bytes{}, Rsmb(0, 0, {}), Rsmb(3, 0, {EndOfTable()})}) {
        const SmbiosInfo info = DecodeSmbios(WalkSmbios(reply));
        EXPECT_FALSE(info.firmware.vendor);
        EXPECT_FALSE(info.system.manufacturer);
        EXPECT_FALSE(info.board.product);
        EXPECT_FALSE(info.chassis.type);
        EXPECT_FALSE(info.memorySlots);
        EXPECT_TRUE(info.modules.empty());
    }
    EXPECT_FALSE(DecodeFirmware(WalkSmbios(Rsmb(0, 0, {}))).smbiosVersion);
}

}  // namespace
}  // namespace orvane::machine
