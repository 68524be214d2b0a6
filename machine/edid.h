#pragma once
// A monitor's EDID as the registry keeps it (the base block and its extension blocks): who made it, its
// name and serial, its size and its native timing, from the base block and from CTA-861 and DisplayID
// extensions.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orvane::machine {

inline constexpr std::size_t kEdidBlockBytes = 128;

enum class EdidTimingSource { BaseBlock, Cta861, DisplayId };

struct EdidTiming {
    std::uint32_t width = 0;
    std::uint32_t height = 0;  // of the frame: both fields of an interlaced mode
    double refreshHz = 0;      // the field rate of an interlaced mode
    bool interlaced = false;
    std::uint64_t pixelClockHz = 0;
    EdidTimingSource source = EdidTimingSource::BaseBlock;
};

struct EdidInfo {
    bool checksumOk = false;  // of the base block; the values are read all the same
    std::uint8_t version = 0;
    std::uint8_t revision = 0;
    std::optional<std::string> manufacturerId;  // three letters, "DEL"
    std::uint16_t productCode = 0;
    std::optional<std::uint32_t> serialNumber;  // absent for 0 and the 0x01010101 filler
    std::optional<std::string> serialText;      // the serial-number descriptor
    std::optional<int> week;                    // of manufacture, 1-54
    std::optional<int> year;                    // of manufacture
    std::optional<int> modelYear;               // instead of the year of manufacture
    std::optional<int> widthCm;
    std::optional<int> heightCm;
    std::optional<double> diagonalInches;       // from the size in centimetres
    std::optional<std::string> name;            // the monitor-name descriptors, or a DisplayID product name
    std::vector<std::string> texts;             // the unspecified-text descriptors (panel part numbers)
    std::optional<EdidTiming> preferred;        // the native timing
    int extensionBlocks = 0;                    // read: present, whole and with a right checksum
    bool cta861 = false;
    bool displayId = false;

    // The serial-number descriptor, else the number in decimal.
    std::optional<std::string> Serial() const;
};

// Absent when the bytes do not start with a whole base block and its fixed header.
std::optional<EdidInfo> DecodeEdid(std::span<const std::uint8_t> bytes);

// One 18-byte detailed timing descriptor; absent when it describes no picture.
std::optional<EdidTiming> DecodeDetailedTiming(std::span<const std::uint8_t> descriptor, EdidTimingSource source);

}  // namespace orvane::machine
