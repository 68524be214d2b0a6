// The hard disk's serial number from device replies: IDENTIFY data behind the miniport and SMART
// headers, the SCSI unit serial number page in both pointer widths' pass-through layouts, and the
// storage device descriptor, each as a driver might answer it (short, long, with offsets anywhere).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "platform/os_info.h"
#include "platform/testing/test_machine.h"
#include "probes/hdd_serial.h"

namespace {

using orvane::testing::TestMachine;

// A device whose replies come from the input, bounded by the caller's buffer as DeviceIoControl bounds
// them; a reply of length 0 with its flag set is a failed call.
void PlantDevice(TestMachine& machine, const char* path, orvane::fuzz::FuzzInput& in) {
    if (!in.Bool()) return;
    const bool fails = in.Bool();
    std::vector<std::uint8_t> reply = in.LongBytes();
    TestMachine::TestDevice device;
    device.control = [fails, reply](std::uint32_t, std::span<const std::uint8_t>,
                                    std::size_t outputLength) -> std::optional<std::vector<std::uint8_t>> {
        if (fails) return std::nullopt;
        std::vector<std::uint8_t> answer = reply;
        if (answer.size() > outputLength) answer.resize(outputLength);
        return answer;
    };
    machine.devices[path] = device;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    fuzz::FuzzInput in(data, size);

    // The parsers alone, over replies of any length.
    const Bytes reply = in.LongBytes();
    (void)ParseIdentifySerial(reply);
    (void)ParseUnitSerialReply(reply, 4);
    (void)ParseUnitSerialReply(reply, 8);
    (void)ParseStorageDescriptorSerial(reply);

    // The whole probe, each source failing or answering in turn.
    TestMachine machine;
    machine.version = in.Bool() ? testing::WindowsNt(5, 1, 2600) : testing::Windows98();
    PlantDevice(machine, "\\\\.\\Scsi0:", in);
    PlantDevice(machine, "\\\\.\\SMARTVSD", in);
    PlantDevice(machine, "\\\\.\\C:", in);
    PlantDevice(machine, "\\\\.\\PhysicalDrive0", in);
    (void)GetHDDSerial(machine);
    return 0;
}
