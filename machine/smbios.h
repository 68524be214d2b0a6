#pragma once
// The SMBIOS table as GetSystemFirmwareTable('RSMB') returns it, walked structure by structure, and the
// decoders of the structures the machine's description needs: firmware (type 0), system (1), board (2),
// chassis (3), memory arrays (16) and memory devices (17).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orvane::machine {

// RawSMBIOSData: Used20CallingMethod, SMBIOSMajorVersion, SMBIOSMinorVersion, DmiRevision, DWORD Length,
// then Length bytes of structures.
inline constexpr std::size_t kRawSmbiosHeaderBytes = 8;
inline constexpr std::uint8_t kSmbiosEndOfTable = 127;
inline constexpr std::uint8_t kSmbiosInactive = 126;

// One structure: where its formatted area lies in the table, and its strings (1-based in the structure's
// own references, 0-based here), without their terminating zeros.
struct SmbiosStructure {
    std::uint8_t type = 0;
    std::uint16_t handle = 0;
    std::size_t offset = 0;  // of the header, within the table's structure bytes
    std::vector<std::uint8_t> formatted;  // the formatted area, header included
    std::vector<std::string> strings;
};

struct SmbiosTable {
    std::uint8_t majorVersion = 0;
    std::uint8_t minorVersion = 0;
    std::uint8_t dmiRevision = 0;
    // In table order; End-of-Table and inactive (type 126) structures are left out.
    std::vector<SmbiosStructure> structures;

    // What was wrong with the table. The walk keeps every whole structure before a fault.
    bool headerMissing = false;       // fewer than the 8 bytes of RawSMBIOSData
    bool lengthBeyondReply = false;   // Length says more than the reply holds: walked what it holds
    bool endOfTableFound = false;     // a type 127 structure ended the walk
    std::optional<std::size_t> damagedAt;  // the walk stopped at a header, formatted area or string set
                                           // that does not fit (its offset in the structure bytes)
    std::vector<std::uint16_t> duplicateHandles;  // handles seen more than once

    // "3.4": the version the header reports; absent when it reports none.
    std::optional<std::string> VersionText() const;
    // Whether the table is at least the given version.
    bool AtLeast(std::uint8_t major, std::uint8_t minor) const;
    // The structures of one type, in table order.
    std::vector<const SmbiosStructure*> OfType(std::uint8_t type) const;
};

// Walks the reply of GetSystemFirmwareTable('RSMB', 0, ...). A later structure that repeats an earlier
// one's handle and type is left out (it would count a module twice); one that repeats only the handle
// stays. Both are listed in duplicateHandles.
SmbiosTable WalkSmbios(std::span<const std::uint8_t> reply);

// Reading a structure's fields: absent where the formatted area is too short for the field.
std::optional<std::uint8_t> SmbiosByte(const SmbiosStructure& s, std::size_t offset);
std::optional<std::uint16_t> SmbiosWord(const SmbiosStructure& s, std::size_t offset);
std::optional<std::uint32_t> SmbiosDword(const SmbiosStructure& s, std::size_t offset);
// The string the byte at offset refers to, as stored; absent for reference 0, a reference past the
// strings, or a field past the formatted area.
std::optional<std::string> SmbiosRawString(const SmbiosStructure& s, std::size_t offset);
// The same, cleaned of blanks and makers' placeholders (FirmwareText).
std::optional<std::string> SmbiosString(const SmbiosStructure& s, std::size_t offset);

struct FirmwareInfo {
    std::optional<std::string> vendor;
    std::optional<std::string> version;
    std::optional<std::string> date;           // as the firmware writes it, "MM/DD/YYYY"
    std::optional<std::string> smbiosVersion;  // "3.4", from the reply's header
};

struct SystemInfo {
    std::optional<std::string> manufacturer;
    std::optional<std::string> product;
    std::optional<std::string> version;
    std::optional<std::string> serial;
    std::optional<std::string> uuid;  // "4C4C4544-0042-3610-8052-B3C04F4E4432"
    std::optional<std::string> sku;
    std::optional<std::string> family;
};

struct BoardInfo {
    std::optional<std::string> manufacturer;
    std::optional<std::string> product;
    std::optional<std::string> version;
    std::optional<std::string> serial;
};

struct ChassisInfo {
    std::optional<std::string> manufacturer;
    std::optional<std::uint8_t> typeCode;  // the type byte without the lock bit
    std::optional<std::string> type;       // "Desktop", "Notebook", ...; absent for "Unknown" and codes not named
};

struct MemoryModule {
    std::optional<std::string> locator;
    std::optional<std::string> bank;
    std::optional<std::uint64_t> sizeBytes;  // absent when the firmware says the size is unknown
    std::optional<std::uint8_t> typeCode;
    std::optional<std::string> type;  // "DDR4", "LPDDR5", ...; absent for "Unknown" and codes not named
    std::optional<std::uint32_t> speedMts;
    std::optional<std::uint32_t> configuredSpeedMts;
    std::optional<std::string> manufacturer;
    std::optional<std::string> partNumber;
    std::optional<std::string> serial;
    std::optional<std::uint8_t> formFactorCode;
    std::optional<std::string> formFactor;  // "DIMM", "SODIMM", ...
};

struct SmbiosInfo {
    FirmwareInfo firmware;
    SystemInfo system;
    BoardInfo board;
    ChassisInfo chassis;
    // Slots of the system-memory arrays (type 16); where the table has none, the memory devices listed.
    std::optional<std::uint32_t> memorySlots;
    std::vector<MemoryModule> modules;  // installed modules only: a device of size 0 is an empty slot
};

FirmwareInfo DecodeFirmware(const SmbiosTable& table);
SystemInfo DecodeSystem(const SmbiosTable& table);
BoardInfo DecodeBoard(const SmbiosTable& table);
ChassisInfo DecodeChassis(const SmbiosTable& table);
std::optional<std::uint32_t> DecodeMemorySlots(const SmbiosTable& table);
std::vector<MemoryModule> DecodeMemoryModules(const SmbiosTable& table);
SmbiosInfo DecodeSmbios(const SmbiosTable& table);

// The names of the codes, absent for codes the SMBIOS tables define no name for.
std::optional<std::string> ChassisTypeName(std::uint8_t code);
std::optional<std::string> MemoryTypeName(std::uint8_t code);
std::optional<std::string> MemoryFormFactorName(std::uint8_t code);
// The 16 UUID bytes as text; from SMBIOS 2.6 on the first three fields are stored little-endian. Absent
// when all bytes are 0x00 (not set) or all 0xFF (not present).
std::optional<std::string> FormatSmbiosUuid(std::span<const std::uint8_t> bytes, bool littleEndianFields);

}  // namespace orvane::machine
