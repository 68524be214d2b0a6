// The MAC address and adapter rows from what NetBIOS and IP Helper answer: LANA_ENUM's count and
// adapter numbers, each adapter's status reply and return code, and adapter records whose address
// length and description a driver fills in. The platform writes NetBIOS answers into the buffer the
// probe gave, as Netbios() does; everything within it comes from the input.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "platform/testing/test_machine.h"
#include "probes/network_probes.h"

namespace {

class FuzzedNetwork : public orvane::testing::TestMachine {
public:
    explicit FuzzedNetwork(orvane::fuzz::FuzzInput& in) : in_(in) {}

    orvane::platform::AdapterListAnswer AdaptersInfo(std::uint32_t) override {
        orvane::platform::AdapterListAnswer answer;
        answer.status = in_.Bool() ? in_.U32() : 0;
        answer.neededBytes = in_.U32();
        for (std::size_t count = in_.Byte() % 8; count > 0; --count) {
            orvane::platform::AdapterRecord record;
            const std::vector<std::uint8_t> description = in_.SizedBytes();
            std::copy_n(description.begin(), std::min(description.size(), record.description.size()),
                        record.description.begin());
            const std::vector<std::uint8_t> address = in_.Bytes(record.address.size());
            std::copy(address.begin(), address.end(), record.address.begin());
            record.addressLength = in_.U32();
            answer.adapters.push_back(record);
        }
        return answer;
    }

    std::uint8_t SendNetbios(orvane::platform::NetbiosCommand& command) override {
        // The answer fills (part of) the caller's buffer, never more than its ncb_length.
        const std::vector<std::uint8_t> answer = in_.Bytes(std::min<std::size_t>(in_.Byte(), command.buffer.size()));
        std::copy(answer.begin(), answer.end(), command.buffer.begin());
        return in_.Byte() % 8;
    }

private:
    orvane::fuzz::FuzzInput& in_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    fuzz::FuzzInput in(data, size);
    (void)FormatMacAddress(in.SizedBytes());
    FuzzedNetwork machine(in);
    (void)GetMACAddress(machine);
    (void)GetNetworkAdapters(machine);
    return 0;
}
