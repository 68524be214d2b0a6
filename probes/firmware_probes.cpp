#include "probes/firmware_probes.h"

#include "core/error.h"
#include "core/text.h"
#include "probes/os_probes.h"
#include "probes/registry_reader.h"

namespace orvane {

namespace {

struct BiosFields {
    std::string identifier;
    std::string date;
    std::string version;
    std::string fourth;
};

// NT keeps the firmware's texts in the hardware description the loader writes.
BiosFields ReadBiosFromRegistry(System& sys) {
    BiosFields fields;
    RegKey key = RegKey::Open(sys, "HARDWARE\\DESCRIPTION\\System");
    if (!key.IsOpen()) return fields;
    if (key.HasValue("Identifier")) fields.identifier = key.ReadText("Identifier");
    if (key.HasValue("SystemBiosVersion")) {
        try {
            // A multi-string: its first string is the text up to the first zero byte.
            fields.version = TextUpToNul(key.ReadRaw("SystemBiosVersion", 255));
        } catch (const RegistryError&) {
            fields.version.clear();
        }
    }
    if (key.HasValue("SystemBiosDate")) fields.date = key.ReadText("SystemBiosDate");
    return fields;
}

// Linear addresses in the system BIOS image, which only the 95/98/ME platform maps into a process.
constexpr std::uint32_t kRomIdentifier = 0xFE061;
constexpr std::uint32_t kRomDate = 0xFFFF5;
constexpr std::uint32_t kRomVersion = 0xFE091;
constexpr std::uint32_t kRomFourth = 0xFEC71;
// No field runs past the end of the 64 KB image at 0xF0000.
constexpr std::uint32_t kRomEnd = 0x100000;

std::string ReadRomText(System& sys, std::uint32_t address) {
    const std::optional<std::string> text = sys.ReadBiosText(address, kRomEnd - address);
    if (!text) throw std::runtime_error("BIOS image not readable");
    return TextUpToNul(reinterpret_cast<const std::uint8_t*>(text->data()), text->size());
}

BiosFields ReadBiosFromRom(System& sys) {
    return {ReadRomText(sys, kRomIdentifier), ReadRomText(sys, kRomDate), ReadRomText(sys, kRomVersion),
            ReadRomText(sys, kRomFourth)};
}

bool ReadsBiosFromRegistry(System& sys) {
    const int kind = GetWindowsKind(sys);
    if (kind >= 5 && kind <= 7) return true;
    // NT 6 and later have kind 0; no NT process may read the ROM, but the registry has the same texts.
    const auto version = sys.Version();
    return kind == 0 && version && version->platformId == platform::kPlatformNt;
}

}  // namespace

std::string GetBIOSInfo(System& sys) {
    return Guarded([&] {
        const BiosFields fields = ReadsBiosFromRegistry(sys) ? ReadBiosFromRegistry(sys) : ReadBiosFromRom(sys);
        std::string line;
        for (const std::string* field : {&fields.identifier, &fields.date, &fields.version, &fields.fourth}) {
            AppendListItem(line, *field);
        }
        return line;
    });
}

std::string GetMotherboard(System& sys) {
    RegKey key = RegKey::Open(sys, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\WindowsUpdate\\OemInfo");
    return key.ReadText("WbemOem");
}

const char* AcLineWord(std::uint8_t acLineStatus) {
    switch (acLineStatus) {
        case 0:
            return "OffLine";
        case 1:
            return "OnLine";
        default:
            return "Unknown";
    }
}

const char* BatteryFlagWord(std::uint8_t batteryFlag) {
    // By exact value: combinations such as high and charging (9) are not decoded.
    switch (batteryFlag) {
        case 0:
        case 1:
            return "High";
        case 2:
            return "Low";
        case 4:
            return "Critical";
        case 8:
            return "Charging";
        case 128:
            return "No Battery";
        default:
            return "Unknown";
    }
}

std::string GetACPowerStatus(System& sys) {
    return Guarded([&] {
        const auto status = sys.SystemPowerStatus();
        return std::string(status ? AcLineWord(status->acLineStatus) : "Unknown");
    });
}

std::string GetBatteryStatus(System& sys) {
    return Guarded([&] {
        const auto status = sys.SystemPowerStatus();
        return std::string(status ? BatteryFlagWord(status->batteryFlag) : "Unknown");
    });
}

}  // namespace orvane
