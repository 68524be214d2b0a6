// The display adapter's chip and DAC texts: UTF-16 registry bytes (odd lengths, lone NULs, surrogates,
// characters outside the code page) through the byte rule and the ANSI conversion, the conversion
// failing or not; and the video device map's key path.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "platform/testing/test_machine.h"
#include "screens/display/display_model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    fuzz::FuzzInput in(data, size);
    testing::TestMachine machine;
    machine.failWideToAnsi = in.Bool();
    const std::vector<std::uint8_t> bytes = in.Rest();
    (void)WideBytesToText(bytes);
    (void)HardwareInformationText(machine, bytes);
    (void)VideoKeyPath(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    return 0;
}
