// The display window's refresh over registry values a driver wrote: the class keys and their Link,
// each adapter's INFO values, the video device map's path, the HardwareInformation binaries (chip,
// DAC, 32- and 64-bit memory sizes) and the video BIOS's multi-string, each present or not, of any
// type and any bytes. A refresh ends with its texts or with the designed RegistryError.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_input.h"
#include "platform/os_info.h"
#include "platform/testing/test_machine.h"
#include "probes/registry_reader.h"
#include "screens/display/display_model.h"

namespace {

using orvane::platform::Hive;

// A value chosen by the input: absent, or of a common type (or any) with the input's bytes.
void PlantValue(orvane::testing::TestMachine& machine, const std::string& path, const std::string& name,
                orvane::fuzz::FuzzInput& in) {
    const std::uint8_t choice = in.Byte();
    if (choice < 0x40) return;
    orvane::platform::RegValue value;
    value.type = choice < 0xF8 ? choice % 12u : in.U32();
    value.data = in.SizedBytes();
    machine.SetValue(Hive::LocalMachine, path, name, value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    fuzz::FuzzInput in(data, size);
    testing::TestMachine machine;
    const bool nt = in.Bool();
    machine.version = nt ? testing::WindowsNt(5, 1, 2600) : testing::Windows98();
    machine.failWideToAnsi = in.Bool();
    for (const int cap : {90, 8, 10, 12, 2, 40, 42, 44}) machine.screenCaps[cap] = static_cast<int>(in.U32());

    const std::string root = nt ? kClassRootNt : kClassRootWindows;
    for (const char* classKey : {"0000", "0001"}) {
        const std::string path = root + "\\" + classKey;
        machine.AddKey(Hive::LocalMachine, path);
        PlantValue(machine, path, "Class", in);
        PlantValue(machine, path, "Link", in);
        for (const char* instance : {"0000", "0001"}) {
            const std::string instancePath = path + "\\" + instance;
            PlantValue(machine, instancePath, "DriverDesc", in);
            if (in.Bool()) {
                const std::string info = instancePath + "\\INFO";
                machine.AddKey(Hive::LocalMachine, info);
                for (const char* name : {"DACType", "ChipType", "Revision", "VideoMemory"}) {
                    PlantValue(machine, info, name, in);
                }
            }
        }
    }
    const std::string video = "System\\CurrentControlSet\\Control\\Video\\{A}\\0000";
    // The device map usually names the video key; otherwise its value is the input's too.
    if (in.Bool()) {
        machine.SetText("HARDWARE\\DEVICEMAP\\VIDEO", "\\Device\\Video0", "\\Registry\\Machine\\" + video);
    } else {
        PlantValue(machine, "HARDWARE\\DEVICEMAP\\VIDEO", "\\Device\\Video0", in);
        PlantValue(machine, "HARDWARE\\DEVICEMAP\\VIDEO", "\\\\Device\\\\Video0", in);
    }
    machine.AddKey(Hive::LocalMachine, video);
    for (const char* name : {"HardwareInformation.DacType", "HardwareInformation.ChipType",
                             "HardwareInformation.MemorySize", "HardwareInformation.qwMemorySize"}) {
        PlantValue(machine, video, name, in);
    }
    PlantValue(machine, "HARDWARE\\DESCRIPTION\\System", "VideoBiosVersion", in);
    PlantValue(machine, "HARDWARE\\DESCRIPTION\\System", "VideoBiosDate", in);

    DisplayWindowModel model;
    try {
        model.Refresh(machine);
    } catch (const RegistryError&) {
        // The designed "Invalid data type" end of a refresh.
    }
    model.SelectAdapter(static_cast<int>(in.U32()));
    (void)model.Rows();
    return 0;
}
