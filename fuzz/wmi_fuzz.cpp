// WMI answers to the summary's text: any run of instances whose property is a text (of any bytes),
// a null or an error, or a query that failed, through the rule that picks the shown value.

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "platform/testing/test_machine.h"
#include "probes/wmi.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    fuzz::FuzzInput in(data, size);
    const bool failed = in.Bool();
    std::vector<platform::WmiValue> values;
    while (!in.Empty()) {
        platform::WmiValue value;
        value.kind = static_cast<platform::WmiValue::Kind>(in.Byte() % 3);
        value.text = in.Text();
        values.push_back(value);
    }
    const std::optional<std::vector<platform::WmiValue>> answer =
        failed ? std::nullopt : std::optional<std::vector<platform::WmiValue>>(values);
    (void)ChooseWmiResult(answer);

    // The same answer through the probes; no instance has "SerialNumber", so that probe meets a failed read.
    testing::TestMachine machine;
    if (!failed) {
        std::vector<std::map<std::string, platform::WmiValue>> instances;
        for (const platform::WmiValue& value : values) instances.push_back({{"Manufacturer", value}, {"Name", value}});
        machine.wmiClasses[BuildWmiQuery("Win32_BIOS")] = instances;
        machine.wmiClasses[BuildWmiQuery("Win32_ComputerSystemProduct")] = instances;
    }
    (void)GetBIOSManufacturer(machine);
    (void)GetProductMake(machine);
    (void)GetBIOSSerialNumber(machine);
    return 0;
}
