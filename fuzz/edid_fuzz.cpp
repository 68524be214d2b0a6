// The EDID decoder over any bytes a monitor's EDID value might hold: the base block with any descriptors,
// dates and sizes, and any number of extension blocks (CTA-861 with any timing offset, DisplayID sections
// and data blocks of any length, blocks with wrong checksums), cut anywhere.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "fuzz/fuzz_input.h"
#include "machine/edid.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    using namespace orvane::machine;
    const std::span<const std::uint8_t> bytes(data, size);
    if (size >= 18) (void)DecodeDetailedTiming(bytes.first(18), EdidTimingSource::Cta861);

    const std::optional<EdidInfo> info = DecodeEdid(bytes);
    if (!info) return 0;
    if (size < kEdidBlockBytes) fuzz::Fail("an EDID decoded from less than a block");
    if (info->extensionBlocks < 0 || static_cast<std::size_t>(info->extensionBlocks) > size / kEdidBlockBytes - 1) {
        fuzz::Fail("more extension blocks read than held");
    }
    if (info->manufacturerId) {
        if (info->manufacturerId->size() != 3) fuzz::Fail("a manufacturer ID that is not three letters");
        for (const char c : *info->manufacturerId) {
            if (c < 'A' || c > 'Z') fuzz::Fail("a manufacturer ID that is not three letters");
        }
    }
    for (const auto* text : {&info->name, &info->serialText}) {
        if (!*text) continue;
        if ((*text)->empty() || (*text)->front() == ' ' || (*text)->back() == ' ') fuzz::Fail("an untrimmed text");
        for (const char c : **text) {
            if (c < 0x20 || c > 0x7E) fuzz::Fail("a control byte in a text");
        }
    }
    if (info->diagonalInches && !(std::isfinite(*info->diagonalInches) && *info->diagonalInches > 0)) {
        fuzz::Fail("a diagonal that is no size");
    }
    if (info->preferred) {
        const EdidTiming& t = *info->preferred;
        if (t.width == 0 || t.height == 0 || t.pixelClockHz == 0 || !std::isfinite(t.refreshHz) || t.refreshHz <= 0) {
            fuzz::Fail("a preferred timing without a picture");
        }
    }
    if (info->serialNumber && (*info->serialNumber == 0 || *info->serialNumber == 0x01010101)) {
        fuzz::Fail("a filler serial number shown");
    }
    return 0;
}
