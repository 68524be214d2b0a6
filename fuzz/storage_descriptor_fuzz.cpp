// The CD / DVD drive's model from device replies: standard INQUIRY data and the storage device
// descriptor, whose vendor, product and serial offsets and declared Size a driver fills in.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "platform/testing/test_machine.h"
#include "probes/storage_probes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    fuzz::FuzzInput in(data, size);
    const bool inquiryAnswers = in.Bool();
    const std::vector<std::uint8_t> reply = in.Rest();

    (void)ParseInquiryModel(reply);
    (void)ParseDeviceDescriptorModel(reply);
    for (const std::size_t field : {kDescriptorVendorIdField, kDescriptorProductIdField, kDescriptorSerialNumberField,
                                    std::size_t{0}, std::size_t{4}, reply.size(), reply.size() + 1}) {
        (void)StorageDescriptorText(reply, field);
    }

    // Through the probe: the inquiry answers without data (the pass-through writes to the caller's own
    // buffer, which the fake device cannot reach), so the descriptor gives the model.
    testing::TestMachine machine;
    testing::TestMachine::TestDevice device;
    device.control = [&](std::uint32_t code, std::span<const std::uint8_t>,
                         std::size_t outputLength) -> std::optional<std::vector<std::uint8_t>> {
        if (code == kIoctlScsiPassThroughDirect) {
            if (!inquiryAnswers) return std::nullopt;
            return std::vector<std::uint8_t>();
        }
        std::vector<std::uint8_t> answer = reply;
        if (answer.size() > outputLength) answer.resize(outputLength);
        return answer;
    };
    machine.devices["\\\\.\\D:"] = device;
    (void)GetCDDriveModel(machine, 'D');
    return 0;
}
