#pragma once
// The inventory of the whole machine: every window's data, read through the windows' own models without
// any window, as one tree that the JSON and HTML writers walk. Each section is read once, in order; an
// error ends its section only (what it read until then stays) and is listed in the errors.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cpu/cpu_speed.h"
#include "inventory/inventory_value.h"
#include "platform/system.h"

namespace orvane::inventory {

// Only additions within 1.x: a key, once written, keeps its meaning.
inline constexpr const char* kSchemaVersion = "1.0";
inline constexpr const char* kGeneratorName = "Orvane";
extern const char* const kGeneratorVersion;

struct SectionInfo {
    const char* key;
    const char* caption;  // the caption of the window the section comes from
};
inline constexpr SectionInfo kSections[] = {
    {"summary", "Summary"},
    {"personal", "Personal network and system information"},
    {"cpu", "CPU Info"},
    {"memory", "Memory"},
    {"display", "Display"},
    {"drives", "Drive Info"},
    {"devices", "Device Info"},
    {"applications", "Application Install / Uninstall Information"},
    {"startup", "Startup"},
    {"sound", "Sound"},
};

struct SectionError {
    std::string section;
    std::string message;  // ANSI, as the error box would show it
    bool operator==(const SectionError&) const = default;
};

struct Inventory {
    std::string generatedAt;  // RFC 3339, UTC
    bool redacted = false;
    std::vector<SectionError> errors;
    Value sections = Value::Object();  // one member per entry of kSections, in that order
};

struct InventoryRequest {
    std::string generatedAt;
    // Whether this program is 64-bit: with the WOW64 answer it tells whether the machine keeps a 32-bit
    // registry view beside its own.
    bool program64 = sizeof(void*) == 8;
    // Fills the summary section: the main window's 29 rows are the application's, so it hands them in.
    // The clock it measures is the one the CPU section shows. Without it the section stays empty.
    std::function<void(CPUClockRecord& clock, Value& section)> readSummary;
};

Inventory ReadInventory(platform::System& sys, const InventoryRequest& request);

// "2024-05-01T09:30:00Z".
std::string Rfc3339Utc(int year, int month, int day, int hour, int minute, int second);

// The keys of the CPU window's 25 check-list entries and of the drive window's twelve flags, in list order.
extern const char* const kCpuFeatureKeys[25];
extern const char* const kDriveFlagKeys[12];

}  // namespace orvane::inventory
