#include "machine/smbios.h"

#include <algorithm>
#include <map>

#include "core/text.h"
#include "machine/firmware_text.h"

namespace orvane::machine {

namespace {

std::uint32_t Le32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(bytes[offset + i]) << (8 * i);
    return value;
}

bool AllZero(std::span<const std::uint8_t> bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; });
}

// The strings of one structure: from the end of its formatted area up to the first pair of zero bytes.
// Returns the offset just past that pair, or nothing when the table ends first.
std::optional<std::size_t> ReadStringSet(std::span<const std::uint8_t> data, std::size_t start,
                                         std::vector<std::string>& strings) {
    std::size_t end = start;
    while (end + 1 < data.size() && !(data[end] == 0 && data[end + 1] == 0)) ++end;
    if (end + 1 >= data.size()) return std::nullopt;
    std::size_t from = start;
    while (from < end) {
        std::size_t to = from;
        while (to < end && data[to] != 0) ++to;
        strings.emplace_back(reinterpret_cast<const char*>(data.data() + from), to - from);
        from = to + 1;
    }
    return end + 2;
}

// Chassis types (SMBIOS 3.7, 7.4.1), from code 1.
constexpr const char* kChassisTypes[] = {
    "Other",           "Unknown",           "Desktop",           "Low Profile Desktop",   "Pizza Box",
    "Mini Tower",      "Tower",             "Portable",          "Laptop",                "Notebook",
    "Hand Held",       "Docking Station",   "All in One",        "Sub Notebook",          "Space-saving",
    "Lunch Box",       "Main Server Chassis", "Expansion Chassis", "SubChassis",          "Bus Expansion Chassis",
    "Peripheral Chassis", "RAID Chassis",   "Rack Mount Chassis", "Sealed-case PC",       "Multi-system chassis",
    "Compact PCI",     "Advanced TCA",      "Blade",             "Blade Enclosure",       "Tablet",
    "Convertible",     "Detachable",        "IoT Gateway",       "Embedded PC",           "Mini PC",
    "Stick PC",
};

// Memory device types (SMBIOS 3.7, 7.18.2), from code 1; null where the code is reserved.
constexpr const char* kMemoryTypes[] = {
    "Other",  "Unknown", "DRAM",   "EDRAM",  "VRAM",   "SRAM",    "RAM",    "ROM",           // 01-08
    "Flash",  "EEPROM",  "FEPROM", "EPROM",  "CDRAM",  "3DRAM",   "SDRAM",  "SGRAM",         // 09-10
    "RDRAM",  "DDR",     "DDR2",   "DDR2 FB-DIMM", nullptr, nullptr, nullptr, "DDR3",       // 11-18
    "FBD2",   "DDR4",    "LPDDR",  "LPDDR2", "LPDDR3", "LPDDR4",  "Logical non-volatile device", // 19-1F
    "HBM",    "HBM2",    "DDR5",   "LPDDR5", "HBM3",                                          // 20-24
};

// Memory device form factors (SMBIOS 3.7, 7.18.1), from code 1.
constexpr const char* kFormFactors[] = {
    "Other", "Unknown", "SIMM", "SIP",   "Chip",   "DIP",     "ZIP",   "Proprietary Card", "DIMM",
    "TSOP",  "Row of chips", "RIMM", "SODIMM", "SRIMM", "FB-DIMM", "Die", "CAMM",
};

template <std::size_t N>
std::optional<std::string> NameFrom(const char* const (&names)[N], std::uint8_t code) {
    // Code 2 is "Unknown" in each of these lists: no answer.
    if (code == 0 || code == 2 || code > N || names[code - 1] == nullptr) return std::nullopt;
    return std::string(names[code - 1]);
}

const SmbiosStructure* First(const SmbiosTable& table, std::uint8_t type) {
    for (const SmbiosStructure& s : table.structures) {
        if (s.type == type) return &s;
    }
    return nullptr;
}

constexpr std::uint8_t kArrayUseSystemMemory = 3;

// Type 17's size word: 0 no module, 0xFFFF unknown, 0x7FFF look in the extended size (MB, bits 30:0), bit 15
// set KB, else MB.
struct ModuleSize {
    bool installed = false;
    std::optional<std::uint64_t> bytes;
};
ModuleSize DecodeModuleSize(const SmbiosStructure& s) {
    const auto word = SmbiosWord(s, 0x0C);
    if (!word || *word == 0) return {};
    if (*word == 0xFFFF) return {true, std::nullopt};
    constexpr std::uint64_t kMiB = 1024 * 1024;
    if (*word == 0x7FFF) {
        const auto extended = SmbiosDword(s, 0x1C);
        const std::uint32_t megabytes = extended ? *extended & 0x7FFFFFFF : 0;
        if (megabytes == 0) return {true, std::nullopt};
        return {true, std::uint64_t{megabytes} * kMiB};
    }
    if ((*word & 0x8000) != 0) {
        // A device is there; "0 KB" is no size.
        const std::uint64_t kilobytes = *word & 0x7FFFu;
        if (kilobytes == 0) return {true, std::nullopt};
        return {true, kilobytes * 1024};
    }
    return {true, std::uint64_t{*word} * kMiB};
}

// A speed word in MT/s: 0 unknown, 0xFFFF look in the extended double word (bits 30:0).
std::optional<std::uint32_t> DecodeSpeed(const SmbiosStructure& s, std::size_t wordOffset, std::size_t extendedOffset) {
    const auto word = SmbiosWord(s, wordOffset);
    if (!word || *word == 0) return std::nullopt;
    if (*word != 0xFFFF) return *word;
    const auto extended = SmbiosDword(s, extendedOffset);
    if (!extended || (*extended & 0x7FFFFFFF) == 0) return std::nullopt;
    return *extended & 0x7FFFFFFF;
}

}  // namespace

std::optional<std::string> SmbiosTable::VersionText() const {
    if (majorVersion == 0) return std::nullopt;
    return std::to_string(majorVersion) + "." + std::to_string(minorVersion);
}

bool SmbiosTable::AtLeast(std::uint8_t major, std::uint8_t minor) const {
    return majorVersion > major || (majorVersion == major && minorVersion >= minor);
}

std::vector<const SmbiosStructure*> SmbiosTable::OfType(std::uint8_t type) const {
    std::vector<const SmbiosStructure*> found;
    for (const SmbiosStructure& s : structures) {
        if (s.type == type) found.push_back(&s);
    }
    return found;
}

SmbiosTable WalkSmbios(std::span<const std::uint8_t> reply) {
    SmbiosTable table;
    if (reply.size() < kRawSmbiosHeaderBytes) {
        table.headerMissing = true;
        return table;
    }
    table.majorVersion = reply[1];
    table.minorVersion = reply[2];
    table.dmiRevision = reply[3];
    std::size_t length = Le32(reply, 4);
    const std::size_t held = reply.size() - kRawSmbiosHeaderBytes;
    if (length > held) {
        table.lengthBeyondReply = true;
        length = held;
    }
    const std::span<const std::uint8_t> data = reply.subspan(kRawSmbiosHeaderBytes, length);

    std::map<std::uint16_t, std::vector<std::uint8_t>> typesByHandle;
    std::size_t offset = 0;
    while (offset < data.size()) {
        // Zero bytes after the last structure pad the table; anything else there is a damaged structure.
        if (AllZero(data.subspan(offset))) break;
        if (data.size() - offset < 4 || data[offset + 1] < 4 || data[offset + 1] > data.size() - offset) {
            table.damagedAt = offset;
            break;
        }
        SmbiosStructure s;
        s.type = data[offset];
        s.handle = static_cast<std::uint16_t>(data[offset + 2] | data[offset + 3] << 8);
        s.offset = offset;
        const std::size_t formattedLength = data[offset + 1];
        s.formatted.assign(data.begin() + static_cast<std::ptrdiff_t>(offset),
                           data.begin() + static_cast<std::ptrdiff_t>(offset + formattedLength));
        const std::optional<std::size_t> next = ReadStringSet(data, offset + formattedLength, s.strings);
        if (!next) {
            table.damagedAt = offset;
            break;
        }
        if (s.type == kSmbiosEndOfTable) {
            table.endOfTableFound = true;
            break;
        }
        std::vector<std::uint8_t>& types = typesByHandle[s.handle];
        const bool repeatsHandle = !types.empty();
        const bool repeatsType = std::find(types.begin(), types.end(), s.type) != types.end();
        if (repeatsHandle && std::find(table.duplicateHandles.begin(), table.duplicateHandles.end(), s.handle) ==
                                 table.duplicateHandles.end()) {
            table.duplicateHandles.push_back(s.handle);
        }
        types.push_back(s.type);
        if (!repeatsType && s.type != kSmbiosInactive) table.structures.push_back(std::move(s));
        offset = *next;
    }
    return table;
}

std::optional<std::uint8_t> SmbiosByte(const SmbiosStructure& s, std::size_t offset) {
    if (offset >= s.formatted.size()) return std::nullopt;
    return s.formatted[offset];
}

std::optional<std::uint16_t> SmbiosWord(const SmbiosStructure& s, std::size_t offset) {
    if (offset + 2 > s.formatted.size()) return std::nullopt;
    return static_cast<std::uint16_t>(s.formatted[offset] | s.formatted[offset + 1] << 8);
}

std::optional<std::uint32_t> SmbiosDword(const SmbiosStructure& s, std::size_t offset) {
    if (offset + 4 > s.formatted.size()) return std::nullopt;
    return Le32(s.formatted, offset);
}

std::optional<std::string> SmbiosRawString(const SmbiosStructure& s, std::size_t offset) {
    const auto index = SmbiosByte(s, offset);
    if (!index || *index == 0 || *index > s.strings.size()) return std::nullopt;
    return s.strings[*index - 1];
}

std::optional<std::string> SmbiosString(const SmbiosStructure& s, std::size_t offset) {
    const auto raw = SmbiosRawString(s, offset);
    if (!raw) return std::nullopt;
    return FirmwareText(*raw);
}

std::optional<std::string> ChassisTypeName(std::uint8_t code) {
    return NameFrom(kChassisTypes, code);
}

std::optional<std::string> MemoryTypeName(std::uint8_t code) {
    return NameFrom(kMemoryTypes, code);
}

std::optional<std::string> MemoryFormFactorName(std::uint8_t code) {
    return NameFrom(kFormFactors, code);
}

std::optional<std::string> FormatSmbiosUuid(std::span<const std::uint8_t> bytes, bool littleEndianFields) {
    if (bytes.size() < 16) return std::nullopt;
    const std::span<const std::uint8_t> uuid = bytes.first(16);
    if (std::all_of(uuid.begin(), uuid.end(), [](std::uint8_t b) { return b == 0x00; }) ||
        std::all_of(uuid.begin(), uuid.end(), [](std::uint8_t b) { return b == 0xFF; })) {
        return std::nullopt;
    }
    // The byte order in which the text shows the stored bytes.
    constexpr std::size_t kStored[16] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    constexpr std::size_t kSwapped[16] = {3, 2, 1, 0, 5, 4, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15};
    const std::size_t* order = littleEndianFields ? kSwapped : kStored;
    std::string text;
    for (std::size_t i = 0; i < 16; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) text += '-';
        text += Format("%02X", uuid[order[i]]);
    }
    return text;
}

FirmwareInfo DecodeFirmware(const SmbiosTable& table) {
    FirmwareInfo info;
    info.smbiosVersion = table.VersionText();
    if (const SmbiosStructure* s = First(table, 0)) {
        info.vendor = SmbiosString(*s, 0x04);
        info.version = SmbiosString(*s, 0x05);
        info.date = SmbiosString(*s, 0x08);
    }
    return info;
}

SystemInfo DecodeSystem(const SmbiosTable& table) {
    SystemInfo info;
    const SmbiosStructure* s = First(table, 1);
    if (!s) return info;
    info.manufacturer = SmbiosString(*s, 0x04);
    info.product = SmbiosString(*s, 0x05);
    info.version = SmbiosString(*s, 0x06);
    info.serial = SmbiosString(*s, 0x07);
    if (s->formatted.size() >= 0x18) {
        // Before 2.6 the byte order was not settled; tables of that time are shown as stored.
        info.uuid = FormatSmbiosUuid(std::span<const std::uint8_t>(s->formatted).subspan(0x08, 16), table.AtLeast(2, 6));
    }
    info.sku = SmbiosString(*s, 0x19);
    info.family = SmbiosString(*s, 0x1A);
    return info;
}

BoardInfo DecodeBoard(const SmbiosTable& table) {
    BoardInfo info;
    if (const SmbiosStructure* s = First(table, 2)) {
        info.manufacturer = SmbiosString(*s, 0x04);
        info.product = SmbiosString(*s, 0x05);
        info.version = SmbiosString(*s, 0x06);
        info.serial = SmbiosString(*s, 0x07);
    }
    return info;
}

ChassisInfo DecodeChassis(const SmbiosTable& table) {
    ChassisInfo info;
    if (const SmbiosStructure* s = First(table, 3)) {
        info.manufacturer = SmbiosString(*s, 0x04);
        // Bit 7 says whether the chassis has a lock.
        if (const auto type = SmbiosByte(*s, 0x05)) {
            info.typeCode = static_cast<std::uint8_t>(*type & 0x7F);
            info.type = ChassisTypeName(*info.typeCode);
        }
    }
    return info;
}

std::optional<std::uint32_t> DecodeMemorySlots(const SmbiosTable& table) {
    std::optional<std::uint32_t> slots;
    for (const SmbiosStructure* array : table.OfType(16)) {
        const auto devices = SmbiosWord(*array, 0x0D);
        if (!devices || SmbiosByte(*array, 0x05) != kArrayUseSystemMemory) continue;
        slots = slots.value_or(0) + *devices;
    }
    if (!slots) {
        const std::size_t listed = table.OfType(17).size();
        if (listed > 0) slots = static_cast<std::uint32_t>(listed);
    }
    return slots;
}

std::vector<MemoryModule> DecodeMemoryModules(const SmbiosTable& table) {
    std::map<std::uint16_t, bool> arrayHoldsSystemMemory;
    for (const SmbiosStructure* array : table.OfType(16)) {
        arrayHoldsSystemMemory[array->handle] = SmbiosByte(*array, 0x05) == kArrayUseSystemMemory;
    }
    std::vector<MemoryModule> modules;
    for (const SmbiosStructure* device : table.OfType(17)) {
        // Devices of a flash or video-memory array are not system memory; a device whose array is not in the
        // table is counted.
        if (const auto array = SmbiosWord(*device, 0x04)) {
            const auto found = arrayHoldsSystemMemory.find(*array);
            if (found != arrayHoldsSystemMemory.end() && !found->second) continue;
        }
        const ModuleSize size = DecodeModuleSize(*device);
        if (!size.installed) continue;
        MemoryModule m;
        m.sizeBytes = size.bytes;
        m.locator = SmbiosString(*device, 0x10);
        m.bank = SmbiosString(*device, 0x11);
        m.typeCode = SmbiosByte(*device, 0x12);
        if (m.typeCode) m.type = MemoryTypeName(*m.typeCode);
        m.formFactorCode = SmbiosByte(*device, 0x0E);
        if (m.formFactorCode) m.formFactor = MemoryFormFactorName(*m.formFactorCode);
        m.speedMts = DecodeSpeed(*device, 0x15, 0x54);
        m.configuredSpeedMts = DecodeSpeed(*device, 0x20, 0x58);
        m.manufacturer = SmbiosString(*device, 0x17);
        m.serial = SmbiosString(*device, 0x18);
        m.partNumber = SmbiosString(*device, 0x1A);
        modules.push_back(std::move(m));
    }
    return modules;
}

SmbiosInfo DecodeSmbios(const SmbiosTable& table) {
    SmbiosInfo info;
    info.firmware = DecodeFirmware(table);
    info.system = DecodeSystem(table);
    info.board = DecodeBoard(table);
    info.chassis = DecodeChassis(table);
    info.memorySlots = DecodeMemorySlots(table);
    info.modules = DecodeMemoryModules(table);
    return info;
}

}  // namespace orvane::machine
