// The BIOS row from what the firmware left: the NT hardware description's values (any type, the
// version a multi-string of any bytes) or, on 95/98/ME, the texts read out of the ROM image at fixed
// addresses (no terminating NUL, NULs inside, high bytes).

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "fuzz/fuzz_input.h"
#include "platform/os_info.h"
#include "platform/testing/test_machine.h"
#include "probes/firmware_probes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    fuzz::FuzzInput in(data, size);
    testing::TestMachine machine;
    machine.version = in.Bool() ? testing::WindowsNt(5, 1, 2600) : testing::Windows98();
    const std::string path = "HARDWARE\\DESCRIPTION\\System";
    for (const char* name : {"Identifier", "SystemBiosVersion", "SystemBiosDate"}) {
        const std::uint8_t choice = in.Byte();
        if (choice < 0x40) continue;
        machine.SetValue(platform::Hive::LocalMachine, path, name, {choice % 12u, in.SizedBytes()});
    }
    if (in.Bool()) {
        std::map<std::uint32_t, std::string> image;
        for (const std::uint32_t address : {0xFE061u, 0xFFFF5u, 0xFE091u, 0xFEC71u}) {
            if (in.Bool()) image[address] = in.Text();
        }
        machine.biosImage = image;
    }
    (void)GetBIOSInfo(machine);
    return 0;
}
