// A disk's and a battery's replies, as any driver might fill them: the storage device descriptor with any
// text offsets and declared Size, the seek-penalty and TRIM descriptors, the disk length and geometry, the
// battery tag, BATTERY_INFORMATION and SYSTEM_BATTERY_STATE, each cut to any length; and the processor
// records of GetLogicalProcessorInformationEx in both pointer widths.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "fuzz/fuzz_input.h"
#include "machine/battery_replies.h"
#include "machine/processor_topology.h"
#include "machine/storage_replies.h"

namespace {

void CheckText(const std::optional<std::string>& text, std::size_t replyBytes) {
    if (!text) return;
    if (text->empty() || text->size() > replyBytes) orvane::fuzz::Fail("a text that the reply cannot hold");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    using namespace orvane::machine;
    const std::span<const std::uint8_t> reply(data, size);

    if (const auto device = ParseStorageDeviceDescriptor(reply)) {
        for (const auto* text : {&device->vendor, &device->product, &device->revision, &device->serial}) {
            CheckText(*text, size);
        }
        // The model joins vendor and product with one blank at most (the two texts may be the same bytes
        // of the reply, so each is bounded by the reply, not their sum).
        const std::size_t joined = (device->vendor ? device->vendor->size() : 0) +
                                   (device->product ? device->product->size() : 0) + 1;
        if (device->model && device->model->size() > joined) fuzz::Fail("a model longer than its texts");
        if (device->bus && !device->busTypeCode) fuzz::Fail("a bus named without its code");
    }
    (void)DescriptorDeclaredSize(reply);
    (void)ParseIncursSeekPenalty(reply);
    (void)SolidStateFromSeekPenalty(reply);
    (void)ParseTrimEnabled(reply);
    for (const auto length : {ParseLengthInformation(reply), ParseGeometryExDiskSize(reply)}) {
        if (length && (*length == 0 || *length > 0x7FFFFFFFFFFFFFFFull)) fuzz::Fail("a disk size that is no size");
    }

    (void)ParseBatteryTag(reply);
    if (const auto battery = ParseBatteryInformation(reply)) {
        if (battery->wearPercent && !(*battery->wearPercent >= 0 && *battery->wearPercent <= 100)) {
            fuzz::Fail("a wear outside 0 to 100 percent");
        }
        if (battery->relativeCapacity && (battery->designMwh || battery->fullChargeMwh)) {
            fuzz::Fail("relative capacities shown as mWh");
        }
        if (battery->chemistry && battery->chemistry->empty()) fuzz::Fail("an empty chemistry");
    }
    if (const auto state = ParseSystemBatteryState(reply)) {
        if (!state->batteryPresent && (state->maxCapacityMwh || state->remainingMwh)) {
            fuzz::Fail("capacities without a battery");
        }
    }
    for (const std::size_t width : {std::size_t{4}, std::size_t{8}}) {
        if (const auto topology = ParseProcessorTopology(reply, width)) {
            if (topology->cores == 0 || topology->performanceCores == 0 ||
                topology->performanceCores + topology->efficiencyCores != topology->cores) {
                fuzz::Fail("core kinds that do not add up to the cores");
            }
            // Each core record holds at most its own bytes' worth of mask bits.
            if (topology->logicalProcessors > size * 8) fuzz::Fail("more processors than mask bits");
        }
    }
    if (size >= 8) {
        const std::uint32_t tag = static_cast<std::uint32_t>(data[0] | data[1] << 8 | data[2] << 16) | std::uint32_t{data[3]} << 24;
        if (BuildBatteryInformationQuery(tag, data[4]).size() != kBatteryQueryInformationBytes) fuzz::Fail("a query of the wrong size");
        if (BuildStoragePropertyQuery(data[5]).size() != 12) fuzz::Fail("a query of the wrong size");
    }
    return 0;
}
