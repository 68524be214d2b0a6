#include "machine/firmware_text.h"

#include <algorithm>
#include <cctype>

#include "core/text.h"

namespace orvane::machine {

namespace {

// Placeholders as whole texts, compared without regard to case. Board makers' templates (AMI, Insyde,
// Phoenix) leave these where the OEM was to write its value; the memory ones are what firmware puts in an
// empty or unreadable slot; the template field names ("SKU Number", "Family") stand where a value was due.
constexpr std::string_view kPlaceholders[] = {
    "To be filled by O.E.M.",
    "To be filled by O.E.M",
    "To be filled by OEM",
    "O.E.M.",
    "OEM",
    "Default string",
    "Default",
    "System Product Name",
    "System Version",
    "System Serial Number",
    "System manufacturer",
    "System Name",
    "System SKU",
    "System SKU Number",
    "Base Board Product Name",
    "Base Board Version",
    "Base Board Serial Number",
    "Base Board Asset Tag",
    "Chassis Manufacturer",
    "Chassis Version",
    "Chassis Serial Number",
    "Chassis Asset Tag",
    "Chassis SKU",
    "OEM Chassis Manufacturer",
    "OEM Chassis Version",
    "OEM Chassis Serial Number",
    "SKU Number",
    "SKU",
    "Family",
    "Not Specified",
    "Not Applicable",
    "Not Available",
    "Not Defined",
    "Not Present",
    "Not Provided",
    "Not Installed",
    "None",
    "N/A",
    "Unknown",
    "Undefined",
    "Empty",
    "No DIMM",
    "No Enclosure",
    "No Asset Information",
    "No Asset Tag",
};

// Counting runs stand in for serial numbers: "0123456789", "1234567890", "BSN12345678901234567".
constexpr std::string_view kCountingRuns[] = {"123456789", "987654321"};

bool AllOf(std::string_view text, bool (*test)(unsigned char)) {
    return std::all_of(text.begin(), text.end(), [test](char c) { return test(static_cast<unsigned char>(c)); });
}

bool IsFiller(unsigned char c) {
    return c == 'x' || c == 'X' || c == '.' || c == '-' || c == '_' || c == '*' || c == '#' || c == '?' ||
           c == ' ' || c == 0xFF;
}
bool IsZero(unsigned char c) { return c == '0'; }
bool IsLetterF(unsigned char c) { return c == 'F' || c == 'f'; }
bool IsDigit(unsigned char c) { return std::isdigit(c) != 0; }

bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

// Insyde's templates name the structure they belong to: "Type2 - Board Vendor Name1", "Type1Family".
bool IsStructureTemplate(std::string_view text) {
    if (!StartsWithIgnoreCase(text, "Type")) return false;
    std::size_t at = 4;
    const std::size_t digitsStart = at;
    while (at < text.size() && IsDigit(static_cast<unsigned char>(text[at]))) ++at;
    if (at == digitsStart || at == text.size()) return false;
    return text.substr(at).starts_with(" - ") || std::isalpha(static_cast<unsigned char>(text[at])) != 0;
}

// AMI's memory templates number the slot: "SerNum0", "PartNum3", "Manufacturer01", "AssetTagNum2".
bool IsNumberedMemoryTemplate(std::string_view text) {
    for (const std::string_view stem : {"SerNum", "PartNum", "Manufacturer", "AssetTagNum", "Serial"}) {
        if (text.size() > stem.size() && StartsWithIgnoreCase(text, stem) && AllOf(text.substr(stem.size()), IsDigit)) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool IsPlaceholderText(std::string_view trimmed) {
    if (trimmed.empty()) return true;
    for (const std::string_view placeholder : kPlaceholders) {
        if (EqualsIgnoreCase(trimmed, placeholder)) return true;
    }
    for (const std::string_view run : kCountingRuns) {
        if (trimmed.find(run) != std::string_view::npos) return true;
    }
    if (AllOf(trimmed, IsFiller) || AllOf(trimmed, IsZero)) return true;
    if (trimmed.size() >= 2 && AllOf(trimmed, IsLetterF)) return true;
    return IsStructureTemplate(trimmed) || IsNumberedMemoryTemplate(trimmed);
}

std::optional<std::string> FirmwareText(std::string_view raw) {
    std::string text = Trim(raw);
    // Trim leaves 0xFF bytes, the erased-flash filler, in place.
    if (IsPlaceholderText(text)) return std::nullopt;
    return text;
}

}  // namespace orvane::machine
