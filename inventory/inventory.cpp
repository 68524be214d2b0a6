#include "inventory/inventory.h"

#include <array>
#include <charconv>
#include <exception>
#include <functional>
#include <span>
#include <string_view>

#include "core/error.h"
#include "core/text.h"
#include "cpu/cpu_features.h"
#include "cpu/cpu_speed.h"
#include "screens/cpu/cpu_model.h"
#include "screens/memory/memory_model.h"
#include "probes/administrator.h"
#include "screens/personal/personal_model.h"
#include "screens/devices/device_model.h"
#include "screens/display/display_model.h"
#include "screens/drive/drive_model.h"
#include "screens/lists/inventory_list.h"
#include "screens/sound/sound_model.h"
#include "screens/startup/startup_model.h"
#include "screens/uninstall/uninstall_model.h"

#ifndef ORVANE_VERSION
#define ORVANE_VERSION "0.0.0"
#endif

namespace orvane::inventory {

const char* const kGeneratorVersion = ORVANE_VERSION;

// Columns: the check list's entries in their order (the last is the division test).
const char* const kCpuFeatureKeys[25] = {
    "amd_3dnow", "amd_3dnow_extended", "amd_mmx_extended", "simd", "fxsave_fxrstor", "mmx", "serial_number",
    "pse36",     "pat",                "cmov",             "mca",  "pge",            "mtrr", "sysenter_sysexit",
    "apic",      "cmpxchg8b",          "mce",              "pae",  "msr",            "tsc",  "pse",
    "de",        "vme",                "fpu",              "fdiv_bug",
};

const char* const kDriveFlagKeys[12] = {
    "case_is_preserved",  "case_sensitive",         "unicode_stored_on_disk", "persistent_acls",
    "file_compression",   "volume_is_compressed",   "long_filenames",         "encrypted_file_system_support",
    "object_ids_support", "reparse_points_support", "sparse_files_support",   "disk_quotas_support",
};

namespace {

// A text read from the machine and one of the program's own words.
Value Machine(std::string text) {
    return Value::Text(std::move(text), Origin::Machine);
}
Value Program(std::string text) {
    return Value::Text(std::move(text), Origin::Program);
}

template <typename T>
Value UnsignedOrNull(const std::optional<T>& number) {
    return number ? Value::Unsigned(static_cast<std::uint64_t>(*number)) : Value();
}

// A number the window shows as a text, and that text: the number is hidden on a page for people.
void SetNumber(Value& object, std::string_view key, Value number, std::string_view textKey, std::string text,
               std::string_view caption, Origin origin = Origin::Program) {
    object.Set(key, std::move(number), caption, false);
    object.Set(textKey, Value::Text(std::move(text), origin), caption);
}

std::optional<std::uint64_t> ParseDecimal(std::string_view text) {
    std::uint64_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return number;
}

// Items of a list result ("a | b | "), in order.
Value ListItems(std::string_view list) {
    Value items = Value::List();
    std::size_t start = 0;
    while (start < list.size()) {
        std::size_t end = list.find(" | ", start);
        if (end == std::string_view::npos) end = list.size();
        if (end > start) items.Append(Machine(std::string(list.substr(start, end - start))));
        start = end + 3;
    }
    return items;
}

// --- personal -----------------------------------------------------------------------------------------

const char* PersonalKey(PersonalRow row) {
    switch (row) {
        case PersonalRow::ComputerName: return "computer_name";
        case PersonalRow::UserName: return "user_name";
        case PersonalRow::IpAddresses: return "ip_addresses";
        case PersonalRow::MacAddress: return "mac_address";
        case PersonalRow::ProductId: return "product_id";
        case PersonalRow::HddSerial: return "hdd_serial";
    }
    return "";
}

void ReadPersonalSection(platform::System& sys, Value& section) {
    for (const PersonalRowSpec& row : kPersonalRefreshRows) {
        const std::string text = row.probe ? row.probe(sys) : std::string();
        section.Set(PersonalKey(row.row), Machine(text), row.label);
        if (row.row == PersonalRow::IpAddresses) section.Set("ip_address_list", ListItems(text), "IP Addresses", false);
    }
    const std::string line = ReadAdministratorLine(sys);
    const Value administrator = line == AdministratorLine(true)    ? Value::Boolean(true)
                                : line == AdministratorLine(false) ? Value::Boolean(false)
                                                                   : Value();
    section.Set("administrator", administrator, "Administrator", false);
    section.Set("administrator_text", Program(line), "Administrator");
}

// --- cpu ----------------------------------------------------------------------------------------------

Value CacheBytes(const CPUWindowInfo* info, int kilobytes) {
    if (!info || !info->cacheListed) return Value();
    return Value::Unsigned(static_cast<std::uint64_t>(kilobytes) * 1024);
}

void FillCpuSection(const CPUWindowInfo* info, const CPUClockRecord& clock, Value& section) {
    const auto text = [&](std::string CPUWindowInfo::*field) { return info ? Machine(info->*field) : Value(); };
    const auto number = [&](auto value) { return info ? Value::Integer(value) : Value(); };
    const auto positive = [&](int value) { return info && value > 0 ? Value::Integer(value) : Value(); };
    section.Set("brand", text(&CPUWindowInfo::brand), "CPU Brand");
    section.Set("chip", text(&CPUWindowInfo::chip), "CPU Chip");
    section.Set("processor_count", info ? Value::Unsigned(info->processors) : Value(), "Processors", false);
    section.Set("model_text", text(&CPUWindowInfo::model), "CPU Family");
    section.Set("family", number(info ? info->signature.family : 0), "Family", false);
    section.Set("model", number(info ? info->signature.model : 0), "Model", false);
    section.Set("stepping", number(info ? info->signature.stepping : 0), "Stepping", false);
    section.Set("extended_family", number(info ? info->signature.extendedFamily : 0), "Extended Family", false);
    section.Set("extended_model", number(info ? info->signature.extendedModel : 0), "Extended Model", false);
    section.Set("code_name", text(&CPUWindowInfo::codeName), "Code Name");
    section.Set("vendor", text(&CPUWindowInfo::vendor), "Vendor");
    section.Set("bus_speed_mhz", positive(info ? info->busSpeedMHz : 0), "Bus Speed", false);
    section.Set("bus_speed_text", text(&CPUWindowInfo::busSpeed), "Bus Speed");
    section.Set("transistors", positive(info ? info->transistorCount : 0), "Transistors", false);
    section.Set("transistors_text", text(&CPUWindowInfo::transistors), "Transistors");
    section.Set("serial", text(&CPUWindowInfo::serial), "Serial Number");
    section.Set("cpu_id", text(&CPUWindowInfo::cpuId), "CPU-ID");
    const std::optional<double> mhz = clock.LastMHz();
    section.Set("clock_mhz", mhz ? Value::Real(*mhz) : Value(), "CPU Speed", false);
    section.Set("clock_text", mhz ? Program(FormatCPUSpeed(*mhz)) : Value(), "CPU Speed");
    Value& features = section.Set("features", Value::List(), "Features");
    if (info) {
        for (std::size_t i = 0; i < info->features.size() && i < std::size(kCpuFeatureKeys); ++i) {
            Value entry = Value::Object();
            entry.Set("key", Program(kCpuFeatureKeys[i]), "Key", false);
            entry.Set("name", Program(info->features[i].caption), "Feature");
            entry.Set("checked", Value::Boolean(info->features[i].checked), "Present");
            features.Append(std::move(entry));
        }
    }
    Value& cache = section.Set("cache", Value::Object(), "Cache");
    cache.Set("l1_data_bytes", CacheBytes(info, info ? info->cache.L1Data : 0), "Level 1 Data");
    cache.Set("l1_code_bytes", CacheBytes(info, info ? info->cache.L1Code : 0), "Level 1 Code");
    cache.Set("l1_unified_bytes", CacheBytes(info, info ? info->cache.Level1 : 0), "Level 1 Unified");
    cache.Set("l2_bytes", CacheBytes(info, info ? info->cache.Level2 : 0), "Level 2");
}

void ReadCpuSection(platform::System& sys, CPUClockRecord& clock, Value& section) {
    // The CPU window names the processor by the most recent measurement; the summary's speed row made
    // one unless its refresh ended before it.
    if (!clock.LastMHz()) {
        try {
            clock.Measure(sys);
        } catch (...) {
        }
    }
    try {
        const CPUWindowInfo info = ReadCPUWindowInfo(sys, clock.WholeMHz());
        FillCpuSection(&info, clock, section);
    } catch (...) {
        FillCpuSection(nullptr, clock, section);
        throw;
    }
}

// --- memory -------------------------------------------------------------------------------------------

void ReadMemorySection(platform::System& sys, Value& section) {
    const MemoryWindowTexts texts = ReadMemoryWindow(sys);
    const auto& status = texts.status;
    struct Pair {
        const char* key;
        const char* caption;
        const char* totalCaption;
        const char* freeCaption;
        std::uint64_t platform::MemoryStatus::*total;
        std::uint64_t platform::MemoryStatus::*free;
    };
    static constexpr Pair kPairs[] = {
        {"physical", "Physical", "Physical Total", "Physical Free", &platform::MemoryStatus::totalPhysical,
         &platform::MemoryStatus::availablePhysical},
        {"page_file", "Page File", "Page File Total", "Page File Free", &platform::MemoryStatus::totalPageFile,
         &platform::MemoryStatus::availablePageFile},
        {"virtual", "Virtual", "Virtual Total", "Virtual Free", &platform::MemoryStatus::totalVirtual,
         &platform::MemoryStatus::availableVirtual},
    };
    std::size_t row = 0;
    for (const Pair& pair : kPairs) {
        Value& counts = section.Set(pair.key, Value::Object(), pair.caption);
        const auto count = [&](auto member) { return status ? Value::Unsigned((*status).*member) : Value(); };
        SetNumber(counts, "total_bytes", count(pair.total), "total_text", texts.values[row++], pair.totalCaption);
        SetNumber(counts, "free_bytes", count(pair.free), "free_text", texts.values[row++], pair.freeCaption);
    }
    section.Set("load_percent", status ? Value::Unsigned(status->load) : Value(), "Memory Utilization");
    SetNumber(section, "allocation_granularity_bytes", Value::Unsigned(texts.layout.allocationGranularity),
              "allocation_granularity_text", texts.values[6], "Allocation Granularity");
    section.Set("application_address_min", Value::Unsigned(texts.layout.minimumApplicationAddress),
                "Application Address Range", false);
    section.Set("application_address_max", Value::Unsigned(texts.layout.maximumApplicationAddress),
                "Application Address Range", false);
    section.Set("application_address_range_text", Program(texts.values[7]), "Application Address Range");
    SetNumber(section, "page_size_bytes", Value::Unsigned(texts.layout.pageSize), "page_size_text", texts.values[8],
              "Page Size");
}

// --- display ------------------------------------------------------------------------------------------

// An adapter's entry of a detail list: null where the list has none for that adapter.
Value ListEntry(const DisplayWindowModel::DetailList& list, std::size_t index) {
    return index < list.size() && list[index] ? Machine(*list[index]) : Value();
}

void ReadDisplaySection(platform::System& sys, Value& section) {
    DisplayWindowModel model;
    // A registry type error ends the refresh before the window shows anything: every value is then unread.
    std::exception_ptr failure;
    try {
        model.Refresh(sys);
    } catch (...) {
        failure = std::current_exception();
    }
    const bool shown = !failure;
    const auto row = [&](const char* control, Origin origin) {
        return shown ? Value::Text(model.Text(control), origin) : Value();
    };
    const auto figure = [&](int number) { return shown ? Value::Integer(number) : Value(); };

    Value& adapters = section.Set("adapters", Value::List(), "Adapters");
    const std::vector<std::string> names = shown ? model.AdapterItems() : std::vector<std::string>();
    for (std::size_t i = 0; i < names.size(); ++i) {
        // The rows as the window shows them with that adapter chosen: the first as the refresh left it.
        if (i > 0) model.SelectAdapter(static_cast<int>(i));
        Value adapter = Value::Object();
        adapter.Set("name", Machine(names[i]), "Adapter");
        adapter.Set("chipset", ListEntry(model.ChipTypes(), i), "Chipset");
        adapter.Set("dac", ListEntry(model.DacTypes(), i), "DAC");
        const std::optional<std::uint64_t> memory =
            i < model.MemorySizes().size() && model.MemorySizes()[i] ? ParseDecimal(*model.MemorySizes()[i])
                                                                     : std::nullopt;
        SetNumber(adapter, "memory_bytes", UnsignedOrNull(memory), "memory_text", model.Text("Info5"), "Memory",
                  Origin::Machine);
        adapters.Append(std::move(adapter));
    }
    if (!names.empty()) model.SelectAdapter(0);
    Value& accelerators = section.Set("accelerators_3d", Value::List(), "3D Accelerators", false);
    if (shown) {
        for (const std::string& name : model.Accelerators()) accelerators.Append(Machine(name));
    }
    section.Set("accelerators_3d_text", row("Info2", Origin::Machine), "3D Accelerators");
    section.Set("bios_text", row("Info6", Origin::Machine), "BIOS");
    const ScreenMetrics& metrics = model.Metrics();
    section.Set("technology", figure(metrics.technology), "Technology", false);
    section.Set("technology_text", row("Info7", Origin::Program), "Technology");
    section.Set("horizontal_pixels", figure(metrics.horizontal), "Metrics", false);
    section.Set("vertical_pixels", figure(metrics.vertical), "Metrics", false);
    section.Set("bits_per_pixel", figure(metrics.bitsPerPixel), "Metrics", false);
    section.Set("metrics_text", row("Info8", Origin::Program), "Metrics");
    section.Set("font_resolution_dpi", figure(metrics.fontResolution), "Font Resolution", false);
    section.Set("font_resolution_text", row("Info9", Origin::Program), "Font Resolution");
    section.Set("pixel_width", figure(metrics.pixelWidth), "Pixel Width", false);
    section.Set("pixel_width_text", row("Info10", Origin::Program), "Pixel Width");
    section.Set("pixel_height", figure(metrics.pixelHeight), "Pixel Height", false);
    section.Set("pixel_height_text", row("Info11", Origin::Program), "Pixel Height");
    section.Set("pixel_diagonal", figure(metrics.pixelDiagonal), "Pixel Diagonal", false);
    section.Set("pixel_diagonal_text", row("Info12", Origin::Program), "Pixel Diagonal");
    if (failure) std::rethrow_exception(failure);
}

// --- drives -------------------------------------------------------------------------------------------

void ReadDrivesSection(platform::System& sys, Value& section) {
    DriveWindowModel model;
    model.Refresh(sys);
    const int start = model.SelectedDrive();
    section.Set("start_drive", start >= 0 ? Machine(model.DriveItems()[static_cast<std::size_t>(start)].substr(0, 2))
                                          : Value(),
                "Start Drive");
    Value& drives = section.Set("drives", Value::List(), "Drives");
    for (std::size_t i = 0; i < model.DriveItems().size(); ++i) {
        if (model.SelectedDrive() != static_cast<int>(i)) model.SelectDrive(sys, static_cast<int>(i));
        const DriveDetails& d = model.Details();
        // The volume call answered when it gave a serial text; the cluster call when it gave any figure.
        const bool volume = d.ready && !d.serialText.empty();
        const bool clusters =
            d.ready && (d.bytesPerSector | d.sectorsPerCluster | d.totalClusters | d.freeClusters) != 0;
        const auto volumeText = [&](const std::string& text) { return volume ? Machine(text) : Value(); };
        const auto clusterFigure = [&](std::uint32_t n) { return clusters ? Value::Unsigned(n) : Value(); };
        Value drive = Value::Object();
        drive.Set("entry", Machine(model.DriveItems()[i]), "Drive");
        drive.Set("drive", Machine(d.drive), "Drive", false);
        drive.Set("ready", Value::Boolean(d.ready), "Ready");
        SetNumber(drive, "type", Value::Integer(d.driveType), "type_text", model.Text("info1"), "Drive Type",
                  Origin::Machine);
        drive.Set("type_name", Program(DriveTypeName(d.driveType)), "Drive Type", false);
        drive.Set("file_system", volumeText(d.fileSystem), "File System", false);
        drive.Set("label", volumeText(d.label), "Label", false);
        drive.Set("unc", Machine(model.Text("info2")), "UNC");
        SetNumber(drive, "serial", volume ? Value::Unsigned(d.serial) : Value(), "serial_text", model.Text("info3"),
                  "Serial Number", Origin::Machine);
        SetNumber(drive, "capacity_bytes", d.ready ? Value::Integer(d.capacity) : Value(), "capacity_text",
                  model.Text("info4"), "Capacity");
        SetNumber(drive, "free_bytes", d.ready ? Value::Integer(d.free) : Value(), "free_text", model.Text("info5"),
                  "Free");
        drive.Set("used_percent", d.ready ? Value::Integer(model.GaugePosition()) : Value(), "Percentage Used");
        SetNumber(drive, "bytes_per_sector", clusterFigure(d.bytesPerSector), "bytes_per_sector_text",
                  model.Text("info6"), "Bytes Per Sector");
        SetNumber(drive, "sectors_per_cluster", clusterFigure(d.sectorsPerCluster), "sectors_per_cluster_text",
                  model.Text("Info7"), "Sectors Per Cluster");
        SetNumber(drive, "total_clusters", clusterFigure(d.totalClusters), "total_clusters_text",
                  model.Text("Info8"), "Total Clusters");
        SetNumber(drive, "free_clusters", clusterFigure(d.freeClusters), "free_clusters_text", model.Text("Info9"),
                  "Free Clusters");
        Value& flags = drive.Set("flags", Value::List(), "File System Properties");
        for (std::size_t f = 0; f < model.FlagItems().size() && f < std::size(kDriveFlagKeys); ++f) {
            Value flag = Value::Object();
            flag.Set("key", Program(kDriveFlagKeys[f]), "Key", false);
            flag.Set("name", Program(model.FlagItems()[f].caption), "Property");
            flag.Set("checked", volume ? Value::Boolean(model.FlagItems()[f].checked) : Value(), "Set");
            flags.Append(std::move(flag));
        }
        drives.Append(std::move(drive));
    }
}

// --- the three lists ----------------------------------------------------------------------------------

struct Column {
    const char* key;
    const char* caption;
};

// The rows as objects of the columns given; then the count, and the refresh's error, if any.
void FillList(Value& section, const ListRefresh& refresh, std::span<const Column> columns,
              const std::function<void(std::size_t, Value&)>& extra = {}) {
    Value& items = section.Set("items", Value::List(), "Items");
    for (std::size_t r = 0; r < refresh.rows.size(); ++r) {
        Value item = Value::Object();
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const ListRow& row = refresh.rows[r];
            item.Set(columns[c].key, c < row.size() ? Machine(row[c]) : Value(), columns[c].caption);
        }
        if (extra) extra(r, item);
        items.Append(std::move(item));
    }
    section.Set("count", Value::Unsigned(refresh.rows.size()), "Count");
    if (refresh.error) throw UserError(*refresh.error);
}

void ReadDevicesSection(platform::System& sys, Value& section) {
    static constexpr Column kColumns[] = {{"driver", "Driver"}, {"provider", "Provider"}, {"version", "Version"}};
    FillList(section, ReadDeviceList(sys), kColumns);
}

const char* PlaceName(const UninstallPlace& place, bool windows64) {
    if (place.hive == platform::Hive::CurrentUser) return "user";
    return windows64 && !place.view32 ? "64-bit" : "32-bit";
}

void ReadApplicationsSection(platform::System& sys, bool program64, Value& section) {
    static constexpr Column kColumns[] = {
        {"name", "Name"},           {"version", "Version"},           {"help_link", "Help Link"},
        {"help_telephone", "Help Telephone"}, {"install_location", "Install Location"},
        {"install_source", "Install Source"}, {"publisher", "Publisher"}, {"readme", "Readme"},
        {"uninstall", "Uninstall"},
    };
    const bool windows64 = RunsOn64BitWindows(program64, sys);
    std::vector<UninstallPlace> places;
    const ListRefresh refresh = ReadUninstallList(sys, windows64, &places);
    FillList(section, refresh, kColumns, [&](std::size_t row, Value& item) {
        item.Set("location", Program(row < places.size() ? PlaceName(places[row], windows64) : ""), "Location");
    });
}

void ReadStartupSection(platform::System& sys, bool program64, Value& section) {
    static constexpr Column kColumns[] = {
        {"location", "Location"}, {"name", "Name"}, {"command", "Path"}, {"status", "Status"}};
    const ListRefresh refresh = ReadStartupList(sys, RunsOn64BitWindows(program64, sys));
    FillList(section, refresh, kColumns, [&](std::size_t row, Value& item) {
        // The location and the status are the program's own words.
        const ListRow& cells = refresh.rows[row];
        item.Set("location", Program(cells.size() > 0 ? cells[0] : ""), "Location");
        item.Set("status", Program(cells.size() > 3 ? cells[3] : ""), "Status");
        item.Set("enabled", Value::Boolean(cells.size() > 3 && cells[3] == kEnabledText), "Enabled", false);
    });
}

// --- sound --------------------------------------------------------------------------------------------

void ReadSoundSection(platform::System& sys, Value& section) {
    const SoundLines lines = ReadSoundLines(sys);
    section.Set("sound_card", Machine(lines.soundCard), "Sound Card");
    SetNumber(section, "mixer_count", Value::Unsigned(lines.mixerCount), "mixers_text", lines.mixers, "Mixers");
    section.Set("driver_version_major", Value::Unsigned((lines.driverVersion >> 8) & 0xFF), "Version", false);
    section.Set("driver_version_minor", Value::Unsigned(lines.driverVersion & 0xFF), "Version", false);
    section.Set("driver_version_text", Program(lines.version), "Version");
}

}  // namespace

std::string Rfc3339Utc(int year, int month, int day, int hour, int minute, int second) {
    return Format("%04d-%02d-%02dT%02d:%02d:%02dZ", year, month, day, hour, minute, second);
}

Inventory ReadInventory(platform::System& sys, const InventoryRequest& request) {
    Inventory inventory;
    inventory.generatedAt = request.generatedAt;
    CPUClockRecord clock;
    const std::function<void(Value&)> readers[] = {
        [&](Value& s) {
            if (request.readSummary) request.readSummary(clock, s);
        },
        [&](Value& s) { ReadPersonalSection(sys, s); },
        [&](Value& s) { ReadCpuSection(sys, clock, s); },
        [&](Value& s) { ReadMemorySection(sys, s); },
        [&](Value& s) { ReadDisplaySection(sys, s); },
        [&](Value& s) { ReadDrivesSection(sys, s); },
        [&](Value& s) { ReadDevicesSection(sys, s); },
        [&](Value& s) { ReadApplicationsSection(sys, request.program64, s); },
        [&](Value& s) { ReadStartupSection(sys, request.program64, s); },
        [&](Value& s) { ReadSoundSection(sys, s); },
    };
    static_assert(std::size(readers) == std::size(kSections));
    for (std::size_t i = 0; i < std::size(kSections); ++i) {
        Value& section = inventory.sections.Set(kSections[i].key, Value::Object(), kSections[i].caption);
        try {
            readers[i](section);
        } catch (const std::exception& error) {
            inventory.errors.push_back({kSections[i].key, error.what()});
        } catch (...) {
            inventory.errors.push_back({kSections[i].key, "Unknown error"});
        }
    }
    return inventory;
}

}  // namespace orvane::inventory
