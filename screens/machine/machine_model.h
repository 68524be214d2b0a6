#pragma once
// The Machine Info window's model: today's machine as the platform answers for a standard user, in
// sections (Windows, Firmware, System, Board, Memory modules, Graphics, Monitors, Disks, Security,
// Battery, Processor) of groups of items. Each item carries the key and value an inventory writes (the
// value null where it cannot be read) and the text the window shows for it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/system.h"

namespace orvane {

// How an inventory writes a value: a JSON string, a number (decimal digits, a point for a fraction) or
// true/false.
enum class MachineValueKind { Text, Number, Flag };

struct MachineItem {
    std::string key;      // "product_name"
    std::string caption;  // "Product"
    MachineValueKind kind = MachineValueKind::Text;
    std::optional<std::string> value;  // null: the platform did not answer
    // What the window shows: the value for people ("16 GB", "UEFI"), "needs administrator" where Windows
    // refuses a standard user, empty where the value is null.
    std::string shown;
    bool operator==(const MachineItem&) const = default;
};

// One object of a group: an object group has one, a list group one per adapter, module, disk ...
struct MachineRecord {
    std::string caption;  // the window's heading for a list's entry ("Disk 0"); empty for an object
    std::vector<MachineItem> items;
};

// Object: {"key": {...}}; List: {"key": [{...}, ...]}; Scalar: {"key": value} (its one item).
enum class MachineShape { Object, List, Scalar };

struct MachineGroup {
    std::string key;      // "windows", "memory_modules", "memory_slots"
    std::string caption;  // for a list the window says has no entries
    MachineShape shape = MachineShape::Object;
    std::vector<MachineRecord> records;
};

struct MachineSection {
    std::string caption;  // "Windows", "Memory modules"
    std::vector<MachineGroup> groups;
};

struct MachineInfo {
    std::vector<MachineSection> sections;
    // The item of a group's first record by its key; nullptr where there is none.
    const MachineItem* Find(const std::string& group, const std::string& key) const;
};

MachineInfo ReadMachineInfo(platform::System& sys);

// One row of the window's list: the section it is grouped under, the Item and Details columns.
struct MachineRow {
    std::size_t section = 0;
    std::string item;
    std::string details;
    bool operator==(const MachineRow&) const = default;
};
std::vector<MachineRow> MachineRows(const MachineInfo& info);

// The product name as Windows 11 is known: build 22000 and later are Windows 11 whatever ProductName
// still says ("Windows 10 Pro" -> "Windows 11 Pro").
std::optional<std::string> WindowsProductName(const std::optional<std::string>& productName,
                                              std::optional<std::uint32_t> build);
// A count of bytes for people: binary units with one decimal where it is not whole ("16 GB", "1.5 TB").
std::string BytesText(std::uint64_t bytes);

// The text the window shows for an item Windows refuses a standard user.
inline constexpr const char* kNeedsAdministrator = "needs administrator";

}  // namespace orvane
