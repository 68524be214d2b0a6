#include "screens/machine/machine_model.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <span>

#include "core/text.h"
#include "machine/battery_replies.h"
#include "machine/edid.h"
#include "machine/firmware_text.h"
#include "machine/processor_topology.h"
#include "machine/smbios.h"
#include "machine/storage_replies.h"
#include "platform/device_records.h"

namespace orvane {

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr const char* kCurrentVersionKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
constexpr const char* kSecureBootStateKey = "SYSTEM\\CurrentControlSet\\Control\\SecureBoot\\State";
constexpr const char* kDisplayClassKey =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4d36e968-e325-11ce-bfc1-08002be10318}";
// GUID_DEVCLASS_BATTERY, which is also the battery devices' interface class.
constexpr platform::Guid kBatteryClass{0x72631e54, 0x78a4, 0x11d0, {0xbc, 0xf7, 0x00, 0xaa, 0x00, 0xb7, 0xb3, 0x2a}};
// Tbsi_GetDeviceInfo's answers that say something.
constexpr std::uint32_t kTbsSuccess = 0;
constexpr std::uint32_t kTbsTpmNotFound = 0x8028400F;
constexpr std::uint32_t kTbsAccessDenied = 0x80284012;
constexpr std::uint32_t kTbsDeactivated = 0x80284016;
// Physical drives asked for: \\.\PhysicalDrive0 to 31 (numbers may have gaps where a disk was removed).
constexpr unsigned kPhysicalDrivesAsked = 32;

// --- items ---

MachineItem Text(const char* key, const char* caption, const std::optional<std::string>& value) {
    return {key, caption, MachineValueKind::Text, value, value.value_or("")};
}

MachineItem Shown(const char* key, const char* caption, const std::optional<std::string>& value, std::string shown) {
    return {key, caption, MachineValueKind::Text, value, value ? std::move(shown) : std::string()};
}

MachineItem Number(const char* key, const char* caption, std::optional<std::uint64_t> value,
                   const std::string& shown = "") {
    if (!value) return {key, caption, MachineValueKind::Number, std::nullopt, ""};
    const std::string digits = std::to_string(*value);
    return {key, caption, MachineValueKind::Number, digits, shown.empty() ? digits : shown};
}

MachineItem Decimal(const char* key, const char* caption, std::optional<double> value, const char* unit) {
    if (!value) return {key, caption, MachineValueKind::Number, std::nullopt, ""};
    const std::string text = FormatOneDecimal(*value, '.');
    return {key, caption, MachineValueKind::Number, text, text + unit};
}

MachineItem Flag(const char* key, const char* caption, std::optional<bool> value) {
    if (!value) return {key, caption, MachineValueKind::Flag, std::nullopt, ""};
    return {key, caption, MachineValueKind::Flag, *value ? "true" : "false", *value ? "Yes" : "No"};
}

MachineItem Refused(MachineItem item) {
    item.value.reset();
    item.shown = kNeedsAdministrator;
    return item;
}

std::optional<std::uint64_t> Widen(std::optional<std::uint32_t> value) {
    if (!value) return std::nullopt;
    return *value;
}

std::string BytesShown(std::optional<std::uint64_t> bytes) {
    return bytes ? BytesText(*bytes) : std::string();
}

std::string Hex4(std::uint64_t value) {
    return Format("%04llX", static_cast<unsigned long long>(value));
}

MachineGroup Object(const char* key, std::vector<MachineItem> items) {
    return {key, "", MachineShape::Object, {{"", std::move(items)}}};
}

// --- the registry, read leniently: a value of an unexpected type reads as absent ---

std::optional<std::string> RegText(platform::RegistryKey* key, const char* name) {
    if (!key) return std::nullopt;
    const auto value = key->QueryValue(name);
    if (!value || (value->type != platform::kRegSz && value->type != platform::kRegExpandSz)) return std::nullopt;
    const std::string text = Trim(TextUpToNul(value->data));
    if (text.empty()) return std::nullopt;
    return text;
}

std::optional<std::uint64_t> RegNumber(platform::RegistryKey* key, const char* name) {
    if (!key) return std::nullopt;
    const auto value = key->QueryValue(name);
    if (!value) return std::nullopt;
    const std::vector<std::uint8_t>& d = value->data;
    std::size_t width = 0;
    if (value->type == platform::kRegDword) width = 4;
    if (value->type == platform::kRegQword) width = 8;
    // Drivers write the adapter's memory size as REG_BINARY too.
    if (value->type == platform::kRegBinary && (d.size() == 4 || d.size() == 8)) width = d.size();
    if (width == 0 || d.size() < width) return std::nullopt;
    std::uint64_t number = 0;
    for (std::size_t i = 0; i < width; ++i) number |= static_cast<std::uint64_t>(d[i]) << (8 * i);
    return number;
}

std::optional<std::uint32_t> ParseDecimal(const std::optional<std::string>& text) {
    if (!text || text->empty() || text->size() > 9) return std::nullopt;
    std::uint32_t value = 0;
    for (char c : *text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return value;
}

// --- Windows ---

std::optional<std::string> ArchitectureName(std::optional<std::uint16_t> architecture) {
    if (!architecture) return std::nullopt;
    switch (*architecture) {
        case platform::kArchitectureIntel: return "x86";
        case platform::kArchitectureAmd64: return "x64";
        case platform::kArchitectureArm: return "ARM";
        case platform::kArchitectureArm64: return "ARM64";
        default: return std::nullopt;
    }
}

// InstallDate counts seconds since 1970 (UTC); the day as "YYYY-MM-DD".
std::optional<std::string> InstallDateText(std::optional<std::uint64_t> seconds) {
    if (!seconds || *seconds == 0) return std::nullopt;
    // Days since 1970-01-01 to a civil date (Howard Hinnant's algorithm), without the C library's time zone.
    const std::int64_t days = static_cast<std::int64_t>(*seconds / 86400) + 719468;
    const std::int64_t era = days / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t mp = (5 * dayOfYear + 2) / 153;
    const std::int64_t day = dayOfYear - (153 * mp + 2) / 5 + 1;
    const std::int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return Format("%04lld-%02lld-%02lld", static_cast<long long>(year), static_cast<long long>(month),
                  static_cast<long long>(day));
}

MachineSection WindowsSection(platform::System& sys) {
    const std::unique_ptr<platform::RegistryKey> key = sys.OpenKey(platform::Hive::LocalMachine, kCurrentVersionKey);
    // The build written beside ProductName, DisplayVersion and UBR, so that they describe one release;
    // else the kernel's own record, which no compatibility mode bends (GetVersionEx's answer is).
    std::optional<std::uint32_t> build = ParseDecimal(RegText(key.get(), "CurrentBuildNumber"));
    if (!build) build = ParseDecimal(RegText(key.get(), "CurrentBuild"));
    if (const auto kernel = sys.KernelVersion(); !build && kernel && kernel->build != 0) build = kernel->build & 0xFFFF;
    std::optional<std::string> displayVersion = RegText(key.get(), "DisplayVersion");
    if (!displayVersion) displayVersion = RegText(key.get(), "ReleaseId");
    return {"Windows",
            {Object("windows",
                    {Text("product_name", "Product", WindowsProductName(RegText(key.get(), "ProductName"), build)),
                     Text("display_version", "Version", displayVersion),
                     Number("build", "Build", Widen(build)),
                     Number("ubr", "Update build revision", RegNumber(key.get(), "UBR")),
                     Text("edition_id", "Edition", RegText(key.get(), "EditionID")),
                     Text("architecture", "Architecture", ArchitectureName(sys.NativeArchitecture())),
                     Text("install_date", "Installed", InstallDateText(RegNumber(key.get(), "InstallDate")))})}};
}

// --- Firmware, System, Board, Memory modules: the SMBIOS table ---

std::optional<std::string> BootMode(std::optional<std::uint32_t> firmwareType) {
    if (firmwareType == platform::kFirmwareTypeUefi) return "uefi";
    if (firmwareType == platform::kFirmwareTypeBios) return "bios";
    return std::nullopt;
}

std::vector<MachineSection> SmbiosSections(const machine::SmbiosInfo& smbios, const std::optional<std::string>& boot) {
    std::vector<MachineSection> sections;
    const machine::FirmwareInfo& f = smbios.firmware;
    sections.push_back({"Firmware",
                        {Object("firmware", {Text("bios_vendor", "BIOS vendor", f.vendor),
                                             Text("bios_version", "BIOS version", f.version),
                                             Text("bios_date", "BIOS date", f.date),
                                             Shown("boot_mode", "Boot mode", boot, boot == "uefi" ? "UEFI" : "BIOS"),
                                             Text("smbios_version", "SMBIOS version", f.smbiosVersion)})}});
    const machine::SystemInfo& s = smbios.system;
    sections.push_back({"System",
                        {Object("system", {Text("manufacturer", "Manufacturer", s.manufacturer),
                                           Text("product", "Product", s.product), Text("version", "Version", s.version),
                                           Text("serial", "Serial number", s.serial), Text("uuid", "UUID", s.uuid),
                                           Text("sku", "SKU", s.sku), Text("family", "Family", s.family)})}});
    const machine::BoardInfo& b = smbios.board;
    sections.push_back({"Board",
                        {Object("board", {Text("manufacturer", "Manufacturer", b.manufacturer),
                                          Text("product", "Product", b.product), Text("version", "Version", b.version),
                                          Text("serial", "Serial number", b.serial)}),
                         Object("chassis", {Text("type", "Chassis", smbios.chassis.type)})}});
    MachineGroup modules{"memory_modules", "Modules", MachineShape::List, {}};
    for (const machine::MemoryModule& m : smbios.modules) {
        modules.records.push_back(
            {"Module " + std::to_string(modules.records.size() + 1),
             {Text("locator", "Slot", m.locator), Text("bank", "Bank", m.bank),
              Number("size_bytes", "Size", m.sizeBytes, BytesShown(m.sizeBytes)), Text("type", "Type", m.type),
              Number("speed_mts", "Speed", Widen(m.speedMts), m.speedMts ? std::to_string(*m.speedMts) + " MT/s" : ""),
              Number("configured_speed_mts", "Configured speed", Widen(m.configuredSpeedMts),
                     m.configuredSpeedMts ? std::to_string(*m.configuredSpeedMts) + " MT/s" : ""),
              Text("manufacturer", "Manufacturer", m.manufacturer), Text("part_number", "Part number", m.partNumber),
              Text("serial", "Serial number", m.serial), Text("form_factor", "Form factor", m.formFactor)}});
    }
    sections.push_back({"Memory modules",
                        {{"memory_slots", "", MachineShape::Scalar,
                          {{"", {Number("memory_slots", "Slots", Widen(smbios.memorySlots))}}}},
                         std::move(modules)}});
    return sections;
}

// --- Graphics ---

MachineRecord AdapterRecord(std::size_t index, std::optional<std::string> name, std::optional<std::uint64_t> vendor,
                            std::optional<std::uint64_t> device, std::optional<std::uint64_t> dedicated,
                            std::optional<std::uint64_t> shared) {
    return {"Adapter " + std::to_string(index + 1),
            {Text("name", "Name", name), Number("vendor_id", "Vendor ID", vendor, vendor ? Hex4(*vendor) : ""),
             Number("device_id", "Device ID", device, device ? Hex4(*device) : ""),
             Number("dedicated_bytes", "Dedicated memory", dedicated, BytesShown(dedicated)),
             Number("shared_bytes", "Shared memory", shared, BytesShown(shared))}};
}

// "PCI\VEN_10DE&DEV_2484&..." -> the four hex digits after the tag.
std::optional<std::uint64_t> IdAfter(const std::optional<std::string>& id, std::string_view tag) {
    if (!id) return std::nullopt;
    const std::string upper = ToUpperAscii(*id);
    const std::size_t at = upper.find(tag);
    if (at == std::string::npos || at + tag.size() + 4 > upper.size()) return std::nullopt;
    std::uint64_t value = 0;
    for (std::size_t i = at + tag.size(); i < at + tag.size() + 4; ++i) {
        const char c = upper[i];
        if (c >= '0' && c <= '9') value = value * 16 + static_cast<std::uint64_t>(c - '0');
        else if (c >= 'A' && c <= 'F') value = value * 16 + static_cast<std::uint64_t>(c - 'A' + 10);
        else return std::nullopt;
    }
    return value;
}

MachineSection GraphicsSection(platform::System& sys) {
    MachineGroup adapters{"graphics", "Adapters", MachineShape::List, {}};
    if (const auto listed = sys.GraphicsAdapters()) {
        for (const platform::GraphicsAdapterDesc& desc : *listed) {
            // The software rasteriser is no graphics hardware.
            if (desc.flags & platform::kDxgiAdapterFlagSoftware) continue;
            std::optional<std::string> name = sys.WideToAnsi(desc.description);
            if (name) name = machine::FirmwareText(*name);
            adapters.records.push_back(AdapterRecord(adapters.records.size(), name, desc.vendorId, desc.deviceId,
                                                     desc.dedicatedVideoMemory, desc.sharedSystemMemory));
        }
    }
    if (adapters.records.empty()) {
        // Without DXGI: the display adapters' class keys, whose 64-bit size has no cap at 4 GB.
        const std::unique_ptr<platform::RegistryKey> classKey =
            sys.OpenKey(platform::Hive::LocalMachine, kDisplayClassKey);
        for (const std::string& subkey : classKey ? classKey->SubkeyNames() : std::vector<std::string>{}) {
            const auto key = sys.OpenKey(platform::Hive::LocalMachine, std::string(kDisplayClassKey) + "\\" + subkey);
            const std::optional<std::string> name = RegText(key.get(), "DriverDesc");
            if (!name) continue;
            std::optional<std::uint64_t> memory = RegNumber(key.get(), "HardwareInformation.qwMemorySize");
            if (!memory) memory = RegNumber(key.get(), "HardwareInformation.MemorySize");
            const std::optional<std::string> id = RegText(key.get(), "MatchingDeviceId");
            adapters.records.push_back(AdapterRecord(adapters.records.size(), name, IdAfter(id, "VEN_"),
                                                     IdAfter(id, "DEV_"), memory, std::nullopt));
        }
    }
    return {"Graphics", {std::move(adapters)}};
}

// --- Monitors ---

MachineSection MonitorSection(platform::System& sys) {
    MachineGroup monitors{"monitors", "Monitors", MachineShape::List, {}};
    for (const platform::MonitorDevice& device : sys.MonitorDevices().value_or(std::vector<platform::MonitorDevice>{})) {
        std::optional<machine::EdidInfo> edid;
        if (device.edid) edid = machine::DecodeEdid(*device.edid);
        const machine::EdidInfo none;
        const machine::EdidInfo& e = edid ? *edid : none;
        auto whole = [](std::optional<int> v) -> std::optional<std::uint64_t> {
            if (!v || *v <= 0) return std::nullopt;
            return static_cast<std::uint64_t>(*v);
        };
        const std::optional<int> year = e.year ? e.year : e.modelYear;
        std::optional<std::uint64_t> width, height;
        std::optional<double> refresh;
        if (e.preferred) {
            width = e.preferred->width;
            height = e.preferred->height;
            refresh = std::round(e.preferred->refreshHz * 100) / 100;
        }
        std::optional<std::string> productCode;
        std::optional<std::uint64_t> code;
        if (edid) code = e.productCode;
        monitors.records.push_back(
            {"Monitor " + std::to_string(monitors.records.size() + 1),
             {Text("name", "Name", e.name), Text("manufacturer_id", "Manufacturer", e.manufacturerId),
              Number("product_code", "Product code", code, code ? Hex4(*code) : ""),
              Text("serial", "Serial number", edid ? e.Serial() : std::nullopt), Number("year", "Year", whole(year)),
              Number("width_cm", "Width", whole(e.widthCm), e.widthCm ? std::to_string(*e.widthCm) + " cm" : ""),
              Number("height_cm", "Height", whole(e.heightCm), e.heightCm ? std::to_string(*e.heightCm) + " cm" : ""),
              Decimal("diagonal_inches", "Diagonal", e.diagonalInches, "\""),
              Number("native_width", "Native width", width, width ? std::to_string(*width) + " pixels" : ""),
              Number("native_height", "Native height", height, height ? std::to_string(*height) + " pixels" : ""),
              Decimal("refresh_hz", "Refresh rate", refresh, " Hz")}});
    }
    return {"Monitors", {std::move(monitors)}};
}

// --- Disks ---

std::optional<Bytes> Ask(platform::Device& device, std::uint32_t code, const Bytes& input, std::size_t output) {
    return device.Control(code, input, output);
}

MachineRecord DiskRecord(unsigned number, platform::Device* device) {
    std::optional<machine::StorageDevice> descriptor;
    std::optional<bool> ssd, trim;
    std::optional<std::uint64_t> size;
    if (device) {
        const Bytes query = machine::BuildStoragePropertyQuery(machine::kStorageDeviceProperty);
        auto reply = Ask(*device, kIoctlStorageQueryProperty, query, machine::kDeviceDescriptorRequestBytes);
        // A descriptor longer than the first buffer says its size: asked again with that.
        if (reply) {
            const auto declared = machine::DescriptorDeclaredSize(*reply);
            if (declared && *declared > reply->size() && *declared <= 64 * 1024) {
                if (auto longer = Ask(*device, kIoctlStorageQueryProperty, query, *declared)) reply = std::move(longer);
            }
            descriptor = machine::ParseStorageDeviceDescriptor(*reply);
        }
        const auto seek = Ask(*device, kIoctlStorageQueryProperty,
                              machine::BuildStoragePropertyQuery(machine::kStorageDeviceSeekPenaltyProperty),
                              machine::kBooleanDescriptorBytes);
        if (seek) ssd = machine::SolidStateFromSeekPenalty(*seek);
        const auto trimReply = Ask(*device, kIoctlStorageQueryProperty,
                                   machine::BuildStoragePropertyQuery(machine::kStorageDeviceTrimProperty),
                                   machine::kBooleanDescriptorBytes);
        if (trimReply) trim = machine::ParseTrimEnabled(*trimReply);
        // The length needs read access, which this handle has not; the geometry answers any handle.
        if (auto length = Ask(*device, machine::kIoctlDiskGetLengthInfo, {}, machine::kLengthInformationBytes)) {
            size = machine::ParseLengthInformation(*length);
        }
        if (!size) {
            if (auto geometry = Ask(*device, machine::kIoctlDiskGetDriveGeometryEx, {}, 256)) {
                size = machine::ParseGeometryExDiskSize(*geometry);
            }
        }
    }
    const machine::StorageDevice empty;
    const machine::StorageDevice& d = descriptor ? *descriptor : empty;
    MachineRecord record{"Disk " + std::to_string(number),
                         {Number("number", "Number", number), Text("model", "Model", d.model),
                          Text("serial", "Serial number", d.serial), Text("bus", "Bus", d.bus),
                          Number("size_bytes", "Size", size, BytesShown(size)),
                          Shown("ssd", "Kind", ssd ? std::optional<std::string>(*ssd ? "true" : "false") : std::nullopt,
                                ssd && *ssd ? "SSD" : "Hard disk"),
                          Flag("trim", "TRIM", trim)}};
    record.items[5].kind = MachineValueKind::Flag;
    if (!device) {
        for (std::size_t i = 1; i < record.items.size(); ++i) record.items[i] = Refused(record.items[i]);
    }
    return record;
}

MachineSection DiskSection(platform::System& sys) {
    MachineGroup disks{"disks", "Disks", MachineShape::List, {}};
    for (unsigned number = 0; number < kPhysicalDrivesAsked; ++number) {
        // No read or write access: what a standard user may open, and all the storage queries need.
        platform::DeviceOpen how{"\\\\.\\PhysicalDrive" + std::to_string(number), 0,
                                 platform::kShareRead | platform::kShareWrite, platform::kOpenExisting};
        platform::DeviceOpenAnswer open = sys.OpenDeviceOrError(how);
        if (open.device) {
            disks.records.push_back(DiskRecord(number, open.device.get()));
        } else if (open.error == platform::kErrorAccessDenied) {
            disks.records.push_back(DiskRecord(number, nullptr));
        }
    }
    return {"Disks", {std::move(disks)}};
}

// --- Security ---

MachineSection SecuritySection(platform::System& sys, const std::optional<std::string>& boot) {
    MachineItem present = Flag("tpm_present", "TPM", std::nullopt);
    MachineItem version = Text("tpm_version", "TPM version", std::nullopt);
    if (const auto tpm = sys.TpmDeviceInfo()) {
        if (tpm->result == kTbsSuccess || tpm->result == kTbsDeactivated) {
            present = Flag("tpm_present", "TPM", true);
            present.shown = tpm->result == kTbsDeactivated ? "Yes (deactivated)" : "Yes";
            if (tpm->result == kTbsSuccess && tpm->info.size() >= platform::kTpmDeviceInfoBytes) {
                const std::uint32_t v = tpm->info[4] | (tpm->info[5] << 8) | (tpm->info[6] << 16) |
                                        (static_cast<std::uint32_t>(tpm->info[7]) << 24);
                if (v == 1) version = Text("tpm_version", "TPM version", "1.2");
                if (v == 2) version = Text("tpm_version", "TPM version", "2.0");
            }
        } else if (tpm->result == kTbsTpmNotFound) {
            present = Flag("tpm_present", "TPM", false);
        } else if (tpm->result == kTbsAccessDenied) {
            present = Refused(present);
            version = Refused(version);
        }
    }
    std::optional<std::string> secureBoot;
    const auto state = sys.OpenKey(platform::Hive::LocalMachine, kSecureBootStateKey);
    const std::optional<std::uint64_t> enabled = RegNumber(state.get(), "UEFISecureBootEnabled");
    if (boot == "bios") {
        secureBoot = "unsupported";  // legacy boot has no secure boot at all
    } else if (enabled) {
        secureBoot = *enabled ? "on" : "off";
    } else if (boot == "uefi" && state) {
        secureBoot = "unsupported";  // the firmware reports no secure boot variable
    }
    const char* shownSecureBoot = secureBoot == "on" ? "On" : secureBoot == "off" ? "Off" : "Not supported";
    return {"Security",
            {Object("security", {present, version, Shown("secure_boot", "Secure Boot", secureBoot, shownSecureBoot)})}};
}

// --- Battery ---

MachineRecord BatteryRecord(std::size_t index, std::optional<std::uint32_t> design, std::optional<std::uint32_t> full,
                            std::optional<double> wear, std::optional<std::uint32_t> cycles,
                            std::optional<std::string> chemistry) {
    auto mwh = [](std::optional<std::uint32_t> v) { return v ? GroupThousands(*v, ",") + " mWh" : std::string(); };
    return {"Battery " + std::to_string(index + 1),
            {Number("design_mwh", "Design capacity", Widen(design), mwh(design)),
             Number("full_charge_mwh", "Full charge capacity", Widen(full), mwh(full)),
             Decimal("wear_percent", "Wear", wear, " %"), Number("cycle_count", "Cycles", Widen(cycles)),
             Text("chemistry", "Chemistry", chemistry)}};
}

MachineSection BatterySection(platform::System& sys) {
    MachineGroup batteries{"batteries", "Batteries", MachineShape::List, {}};
    bool refused = false;
    for (const std::string& path : sys.DeviceInterfacePaths(kBatteryClass).value_or(std::vector<std::string>{})) {
        platform::DeviceOpenAnswer open = sys.OpenDeviceOrError(
            {path, platform::kGenericRead | platform::kGenericWrite, platform::kShareRead | platform::kShareWrite,
             platform::kOpenExisting});
        if (!open.device) {
            refused = refused || open.error == platform::kErrorAccessDenied;
            continue;
        }
        const auto tagReply =
            open.device->Control(machine::kIoctlBatteryQueryTag, machine::BuildBatteryTagQuery(), machine::kBatteryTagBytes);
        const auto tag = tagReply ? machine::ParseBatteryTag(*tagReply) : std::nullopt;
        if (!tag) continue;  // the slot holds no battery
        const auto reply = open.device->Control(machine::kIoctlBatteryQueryInformation,
                                                machine::BuildBatteryInformationQuery(*tag),
                                                machine::kBatteryInformationBytes);
        const auto info = reply ? machine::ParseBatteryInformation(*reply) : std::nullopt;
        if (!info || !info->systemBattery) continue;  // a UPS is no battery of this computer
        batteries.records.push_back(BatteryRecord(batteries.records.size(), info->designMwh, info->fullChargeMwh,
                                                  info->wearPercent, info->cycleCount, info->chemistry));
    }
    if (batteries.records.empty() && refused) {
        MachineRecord record = BatteryRecord(0, {}, {}, {}, {}, {});
        for (MachineItem& item : record.items) item = Refused(item);
        batteries.records.push_back(std::move(record));
    }
    if (batteries.records.empty()) {
        // No battery device answered: the power manager's summary of all batteries.
        const auto bytes = sys.SystemBatteryState();
        const auto state = bytes ? machine::ParseSystemBatteryState(*bytes) : std::nullopt;
        if (state && state->batteryPresent) {
            batteries.records.push_back(BatteryRecord(0, {}, state->maxCapacityMwh, {}, {}, {}));
        }
    }
    return {"Battery", {std::move(batteries)}};
}

// --- Processor ---

MachineItem CacheItem(const char* key, const char* caption, const std::optional<machine::CacheLevel>& level) {
    if (!level) return Number(key, caption, std::nullopt);
    std::string shown = BytesText(level->totalBytes);
    if (level->count > 1 && !level->sizesDiffer) {
        shown += " (" + std::to_string(level->count) + " x " + BytesText(level->eachBytes) + ")";
    }
    return Number(key, caption, level->totalBytes, shown);
}

MachineSection ProcessorSection(platform::System& sys) {
    std::optional<machine::ProcessorTopology> t;
    if (const auto records = sys.ProcessorRelationsEx(machine::kRelationAll)) {
        t = machine::ParseProcessorTopology(*records, sizeof(void*));
    }
    auto count = [&t](std::uint32_t machine::ProcessorTopology::*field) -> std::optional<std::uint64_t> {
        if (!t) return std::nullopt;
        return (*t).*field;
    };
    const std::optional<std::uint64_t> packages = t && t->packages ? count(&machine::ProcessorTopology::packages)
                                                                   : std::nullopt;
    return {"Processor",
            {Object("processor",
                    {Number("packages", "Packages", packages),
                     Number("cores", "Cores", count(&machine::ProcessorTopology::cores)),
                     Number("logical_processors", "Logical processors",
                            count(&machine::ProcessorTopology::logicalProcessors)),
                     Number("performance_cores", "Performance cores",
                            count(&machine::ProcessorTopology::performanceCores)),
                     Number("efficiency_cores", "Efficiency cores", count(&machine::ProcessorTopology::efficiencyCores)),
                     CacheItem("l1d_bytes", "L1 data cache", t ? t->l1d : std::nullopt),
                     CacheItem("l1i_bytes", "L1 instruction cache", t ? t->l1i : std::nullopt),
                     CacheItem("l2_bytes", "L2 cache", t ? t->l2 : std::nullopt),
                     CacheItem("l3_bytes", "L3 cache", t ? t->l3 : std::nullopt)})}};
}

}  // namespace

std::optional<std::string> WindowsProductName(const std::optional<std::string>& productName,
                                              std::optional<std::uint32_t> build) {
    if (!productName) return std::nullopt;
    constexpr std::string_view kTen = "Windows 10";
    if (build && *build >= 22000 && productName->compare(0, kTen.size(), kTen) == 0) {
        return "Windows 11" + productName->substr(kTen.size());
    }
    return productName;
}

std::string BytesText(std::uint64_t bytes) {
    static constexpr const char* kUnits[] = {"bytes", "KB", "MB", "GB", "TB", "PB"};
    if (bytes < 1024) return std::to_string(bytes) + " bytes";
    double value = static_cast<double>(bytes);
    std::size_t unit = 0;
    while (value >= 1024 && unit + 1 < std::size(kUnits)) {
        value /= 1024;
        ++unit;
    }
    const double tenths = std::round(value * 10) / 10;
    const std::string number = tenths == std::floor(tenths) ? Format("%.0f", tenths) : Format("%.1f", tenths);
    return number + " " + kUnits[unit];
}

const MachineItem* MachineInfo::Find(const std::string& group, const std::string& key) const {
    for (const MachineSection& section : sections) {
        for (const MachineGroup& g : section.groups) {
            if (g.key != group || g.records.empty()) continue;
            for (const MachineItem& item : g.records.front().items) {
                if (item.key == key) return &item;
            }
        }
    }
    return nullptr;
}

MachineInfo ReadMachineInfo(platform::System& sys) {
    MachineInfo info;
    info.sections.push_back(WindowsSection(sys));
    machine::SmbiosInfo smbios;
    if (const auto table = sys.FirmwareTable(platform::kFirmwareProviderRsmb, 0)) {
        smbios = machine::DecodeSmbios(machine::WalkSmbios(*table));
    }
    const std::optional<std::string> boot = BootMode(sys.FirmwareType());
    for (MachineSection& section : SmbiosSections(smbios, boot)) info.sections.push_back(std::move(section));
    info.sections.push_back(GraphicsSection(sys));
    info.sections.push_back(MonitorSection(sys));
    info.sections.push_back(DiskSection(sys));
    info.sections.push_back(SecuritySection(sys, boot));
    info.sections.push_back(BatterySection(sys));
    info.sections.push_back(ProcessorSection(sys));
    return info;
}

std::vector<MachineRow> MachineRows(const MachineInfo& info) {
    std::vector<MachineRow> rows;
    for (std::size_t s = 0; s < info.sections.size(); ++s) {
        for (const MachineGroup& group : info.sections[s].groups) {
            if (group.shape == MachineShape::List && group.records.empty()) {
                rows.push_back({s, group.caption, "None found"});
                continue;
            }
            for (const MachineRecord& record : group.records) {
                // A list's entries each open with their heading; their items are indented under it.
                const bool entry = group.shape == MachineShape::List;
                if (entry) rows.push_back({s, record.caption, ""});
                for (const MachineItem& item : record.items) {
                    rows.push_back({s, (entry ? "    " : "") + item.caption, item.shown});
                }
            }
        }
    }
    return rows;
}

}  // namespace orvane
