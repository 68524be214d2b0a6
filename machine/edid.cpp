#include "machine/edid.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "core/text.h"

namespace orvane::machine {

namespace {

constexpr std::uint8_t kEdidHeader[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
constexpr std::size_t kDescriptorBytes = 18;
constexpr std::size_t kFirstDescriptor = 54;
constexpr std::uint32_t kFillerSerial = 0x01010101;

// Extension block tags.
constexpr std::uint8_t kCta861Tag = 0x02;
constexpr std::uint8_t kDisplayIdTag = 0x70;

// Display descriptor tags.
constexpr std::uint8_t kSerialDescriptor = 0xFF;
constexpr std::uint8_t kTextDescriptor = 0xFE;
constexpr std::uint8_t kNameDescriptor = 0xFC;

// DisplayID data block tags: 1.x product identification and Type I timings (10 kHz clock), 2.x product
// identification and Type VII timings (1 kHz clock).
constexpr std::uint8_t kDisplayIdProduct1 = 0x00;
constexpr std::uint8_t kDisplayIdTimingType1 = 0x03;
constexpr std::uint8_t kDisplayIdProduct2 = 0x20;
constexpr std::uint8_t kDisplayIdTimingType7 = 0x22;
constexpr std::size_t kDisplayIdTimingBytes = 20;

std::uint16_t Le16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

bool ChecksumOk(std::span<const std::uint8_t> block) {
    return std::accumulate(block.begin(), block.end(), 0u) % 256 == 0;
}

// Descriptor and product-name text: the printable ASCII up to the line feed that ends it, with the blanks
// that pad it still in place.
struct DescriptorText {
    std::string raw;
    bool ended = false;  // a line feed ended it before the field was full
    std::string Text() const { return Trim(raw); }
};
DescriptorText ReadText(std::span<const std::uint8_t> field) {
    DescriptorText out;
    for (const std::uint8_t c : field) {
        if (c == 0x0A || c == 0x00) {
            out.ended = true;
            break;
        }
        if (c >= 0x20 && c < 0x7F) out.raw += static_cast<char>(c);
    }
    return out;
}

std::optional<std::string> ManufacturerId(std::uint16_t packed) {
    std::string id;
    for (const int shift : {10, 5, 0}) {
        const int letter = (packed >> shift) & 0x1F;
        if (letter < 1 || letter > 26) return std::nullopt;
        id += static_cast<char>('A' + letter - 1);
    }
    return id;
}

std::optional<EdidTiming> TimingFrom(std::uint64_t pixelClockHz, std::uint32_t hActive, std::uint32_t hBlank,
                                     std::uint32_t vActive, std::uint32_t vBlank, bool interlaced,
                                     EdidTimingSource source) {
    if (pixelClockHz == 0 || hActive == 0 || vActive == 0) return std::nullopt;
    EdidTiming t;
    t.width = hActive;
    t.height = vActive;
    t.interlaced = interlaced;
    t.pixelClockHz = pixelClockHz;
    t.source = source;
    const double lines = static_cast<double>(vActive + vBlank) + (interlaced ? 0.5 : 0.0);
    t.refreshHz = static_cast<double>(pixelClockHz) / (static_cast<double>(hActive + hBlank) * lines);
    return t;
}

// The monitor-name descriptors: a name that fills its 13 bytes goes on in the next one ("Apple Cinema " and
// "HD Display"); names that end on their own are separate, joined by a space.
std::optional<std::string> JoinNames(const std::vector<DescriptorText>& names) {
    std::string joined;
    bool continues = false;
    for (const DescriptorText& part : names) {
        std::string piece = part.raw;
        // A piece that goes on from the one before keeps its blanks; only the ends of a name are trimmed.
        if (!continues) piece.erase(0, std::min(piece.find_first_not_of(' '), piece.size()));
        if (part.ended) piece.erase(piece.find_last_not_of(' ') + 1);
        if (!piece.empty()) {
            if (!joined.empty() && !continues) joined += ' ';
            joined += piece;
        }
        continues = !part.ended;
    }
    joined = Trim(joined);
    if (joined.empty()) return std::nullopt;
    return joined;
}

struct ExtensionFindings {
    std::optional<EdidTiming> ctaTiming;
    std::optional<EdidTiming> displayIdPreferred;
    std::optional<EdidTiming> displayIdFirst;
    std::optional<std::string> displayIdName;
};

void ReadCta861(std::span<const std::uint8_t> block, ExtensionFindings& found) {
    // Byte 2 is where the detailed timings start (0: none); they run to the checksum or to a zero clock.
    const std::size_t start = block[2];
    if (start < 4) return;
    for (std::size_t at = start; at + kDescriptorBytes < kEdidBlockBytes; at += kDescriptorBytes) {
        const auto descriptor = block.subspan(at, kDescriptorBytes);
        if (descriptor[0] == 0 && descriptor[1] == 0) break;
        if (!found.ctaTiming) found.ctaTiming = DecodeDetailedTiming(descriptor, EdidTimingSource::Cta861);
    }
}

void ReadDisplayIdTimings(std::span<const std::uint8_t> payload, std::uint64_t clockUnitHz, ExtensionFindings& found) {
    for (std::size_t at = 0; at + kDisplayIdTimingBytes <= payload.size(); at += kDisplayIdTimingBytes) {
        const auto d = payload.subspan(at, kDisplayIdTimingBytes);
        // Every field is stored as its value minus one; flags: bit 7 preferred, bit 4 interlaced.
        const std::uint64_t clock = (std::uint64_t{d[0]} | std::uint64_t{d[1]} << 8 | std::uint64_t{d[2]} << 16) + 1;
        const bool preferred = (d[3] & 0x80) != 0;
        const bool interlaced = (d[3] & 0x10) != 0;
        const auto timing = TimingFrom(clock * clockUnitHz, Le16(d, 4) + 1u, Le16(d, 6) + 1u, Le16(d, 12) + 1u,
                                       Le16(d, 14) + 1u, interlaced, EdidTimingSource::DisplayId);
        if (!timing) continue;
        if (!found.displayIdFirst) found.displayIdFirst = timing;
        if (preferred && !found.displayIdPreferred) found.displayIdPreferred = timing;
    }
}

void ReadDisplayIdProduct(std::span<const std::uint8_t> payload, ExtensionFindings& found) {
    // Vendor (3), product code (2), serial (4), week, year, name length, name.
    if (payload.size() < 12 || found.displayIdName) return;
    const std::size_t length = std::min<std::size_t>(payload[11], payload.size() - 12);
    const std::string name = ReadText(payload.subspan(12, length)).Text();
    if (!name.empty()) found.displayIdName = name;
}

void ReadDisplayId(std::span<const std::uint8_t> block, ExtensionFindings& found) {
    // After the extension tag: version, bytes in the section, product type, extension count, data blocks,
    // the section's checksum; the block's own checksum is the last byte.
    const std::span<const std::uint8_t> section = block.subspan(1, kEdidBlockBytes - 2);
    const std::size_t end = std::min<std::size_t>(4 + section[1], section.size());
    std::size_t at = 4;
    while (at + 3 <= end) {
        const std::uint8_t tag = section[at];
        const std::size_t length = section[at + 2];
        if (at + 3 + length > end) break;
        const auto payload = section.subspan(at + 3, length);
        if (tag == kDisplayIdTimingType1) ReadDisplayIdTimings(payload, 10000, found);
        if (tag == kDisplayIdTimingType7) ReadDisplayIdTimings(payload, 1000, found);
        if (tag == kDisplayIdProduct1 || tag == kDisplayIdProduct2) ReadDisplayIdProduct(payload, found);
        at += 3 + length;
    }
}

}  // namespace

std::optional<std::string> EdidInfo::Serial() const {
    if (serialText) return serialText;
    if (serialNumber) return std::to_string(*serialNumber);
    return std::nullopt;
}

std::optional<EdidTiming> DecodeDetailedTiming(std::span<const std::uint8_t> d, EdidTimingSource source) {
    if (d.size() < kDescriptorBytes) return std::nullopt;
    const std::uint64_t clockHz = std::uint64_t{Le16(d, 0)} * 10000;
    const std::uint32_t hActive = d[2] | (d[4] & 0xF0u) << 4;
    const std::uint32_t hBlank = d[3] | (d[4] & 0x0Fu) << 8;
    const std::uint32_t vActive = d[5] | (d[7] & 0xF0u) << 4;
    const std::uint32_t vBlank = d[6] | (d[7] & 0x0Fu) << 8;
    const bool interlaced = (d[17] & 0x80) != 0;
    auto timing = TimingFrom(clockHz, hActive, hBlank, vActive, vBlank, interlaced, source);
    // An interlaced descriptor counts the lines of one field.
    if (timing && interlaced) timing->height *= 2;
    return timing;
}

std::optional<EdidInfo> DecodeEdid(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kEdidBlockBytes || !std::equal(std::begin(kEdidHeader), std::end(kEdidHeader), bytes.begin())) {
        return std::nullopt;
    }
    const std::span<const std::uint8_t> base = bytes.first(kEdidBlockBytes);
    EdidInfo info;
    info.checksumOk = ChecksumOk(base);
    info.version = base[18];
    info.revision = base[19];
    info.manufacturerId = ManufacturerId(static_cast<std::uint16_t>(base[8] << 8 | base[9]));
    info.productCode = Le16(base, 10);
    const std::uint32_t serial = Le16(base, 12) | std::uint32_t{Le16(base, 14)} << 16;
    if (serial != 0 && serial != kFillerSerial) info.serialNumber = serial;

    // Week 0xFF: the year is the model year. Week 0: no week given. Year byte 0 (1990, before there were
    // EDIDs): no year given.
    const int week = base[16];
    if (base[17] != 0) {
        const int year = 1990 + base[17];
        if (week == 0xFF) {
            info.modelYear = year;
        } else {
            info.year = year;
        }
    }
    if (week >= 1 && week <= 54) info.week = week;

    // Both zero: the size is unknown or variable; one zero: the other holds an aspect ratio.
    if (base[21] != 0 && base[22] != 0) {
        info.widthCm = base[21];
        info.heightCm = base[22];
        const double diagonal = std::hypot(static_cast<double>(base[21]), static_cast<double>(base[22])) / 2.54;
        info.diagonalInches = std::round(diagonal * 10) / 10;
    }

    std::vector<DescriptorText> names;
    for (std::size_t i = 0; i < 4; ++i) {
        const auto d = base.subspan(kFirstDescriptor + i * kDescriptorBytes, kDescriptorBytes);
        if (d[0] != 0 || d[1] != 0) {
            // The first detailed timing is the preferred one.
            if (!info.preferred) info.preferred = DecodeDetailedTiming(d, EdidTimingSource::BaseBlock);
            continue;
        }
        const auto field = d.subspan(5);
        switch (d[3]) {
            case kNameDescriptor:
                names.push_back(ReadText(field));
                break;
            case kSerialDescriptor:
                if (const std::string text = ReadText(field).Text(); !info.serialText && !text.empty()) {
                    info.serialText = text;
                }
                break;
            case kTextDescriptor:
                if (std::string text = ReadText(field).Text(); !text.empty()) info.texts.push_back(std::move(text));
                break;
            default:
                break;
        }
    }
    info.name = JoinNames(names);

    // Byte 126 counts the extensions; the registry may hold fewer, or more (a copy after the end).
    ExtensionFindings found;
    const std::size_t held = bytes.size() / kEdidBlockBytes - 1;
    const std::size_t count = std::min<std::size_t>(base[126], held);
    for (std::size_t b = 1; b <= count; ++b) {
        const auto block = bytes.subspan(b * kEdidBlockBytes, kEdidBlockBytes);
        if (!ChecksumOk(block)) continue;
        ++info.extensionBlocks;
        if (block[0] == kCta861Tag) {
            info.cta861 = true;
            ReadCta861(block, found);
        } else if (block[0] == kDisplayIdTag) {
            info.displayId = true;
            ReadDisplayId(block, found);
        }
    }
    if (!info.preferred) info.preferred = found.ctaTiming;
    if (!info.preferred) info.preferred = found.displayIdPreferred;
    if (!info.preferred) info.preferred = found.displayIdFirst;
    if (!info.name) info.name = found.displayIdName;
    return info;
}

}  // namespace orvane::machine
