// The SMBIOS walk and decoders over any reply GetSystemFirmwareTable('RSMB') might give: a header whose
// Length says more or less than the bytes, structures with any formatted length, string sets that never
// end, references past the strings, repeated handles, and every field of types 0 to 3, 16 and 17.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "fuzz/fuzz_input.h"
#include "machine/firmware_text.h"
#include "machine/smbios.h"

namespace {

using namespace orvane;

// A decoded text is either absent or a value a user may be shown: trimmed, not a placeholder.
void CheckText(const std::optional<std::string>& text) {
    if (!text) return;
    if (text->empty()) fuzz::Fail("an empty text instead of an absent one");
    if (machine::IsPlaceholderText(*text)) fuzz::Fail("a placeholder text shown as a value");
    if (static_cast<unsigned char>(text->front()) <= 32 || static_cast<unsigned char>(text->back()) <= 32) {
        fuzz::Fail("a text with its padding left on");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane::machine;
    const std::span<const std::uint8_t> reply(data, size);
    const SmbiosTable table = WalkSmbios(reply);

    const std::size_t held = size < kRawSmbiosHeaderBytes ? 0 : size - kRawSmbiosHeaderBytes;
    std::size_t previousEnd = 0;
    std::size_t type17 = 0;
    for (const SmbiosStructure& s : table.structures) {
        if (s.formatted.size() < 4 || s.offset < previousEnd || s.offset + s.formatted.size() > held) {
            fuzz::Fail("a structure outside the table or overlapping the one before");
        }
        if (s.type == kSmbiosEndOfTable || s.type == kSmbiosInactive) fuzz::Fail("an end or inactive structure listed");
        std::size_t stringBytes = 0;
        for (const std::string& text : s.strings) stringBytes += text.size() + 1;
        previousEnd = s.offset + s.formatted.size() + stringBytes;
        if (previousEnd > held) fuzz::Fail("strings past the table");
        if (s.type == 17) ++type17;
    }
    if (table.damagedAt && *table.damagedAt > held) fuzz::Fail("damage reported past the table");

    const SmbiosInfo info = DecodeSmbios(table);
    for (const auto* text : {&info.firmware.vendor, &info.firmware.version, &info.firmware.date, &info.system.manufacturer,
                             &info.system.product, &info.system.version, &info.system.serial, &info.system.sku,
                             &info.system.family, &info.board.manufacturer, &info.board.product, &info.board.version,
                             &info.board.serial, &info.chassis.manufacturer}) {
        CheckText(*text);
    }
    if (info.system.uuid && info.system.uuid->size() != 36) fuzz::Fail("a UUID of the wrong length");
    if (info.modules.size() > type17) fuzz::Fail("more modules than memory devices");
    for (const MemoryModule& m : info.modules) {
        for (const auto* text : {&m.locator, &m.bank, &m.manufacturer, &m.partNumber, &m.serial}) CheckText(*text);
        if (m.sizeBytes && *m.sizeBytes == 0) fuzz::Fail("a module of size 0");
        if ((m.speedMts && *m.speedMts == 0) || (m.configuredSpeedMts && *m.configuredSpeedMts == 0)) {
            fuzz::Fail("a speed of 0 instead of an absent one");
        }
    }
    return 0;
}
