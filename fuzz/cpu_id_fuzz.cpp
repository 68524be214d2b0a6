// CPUID registers to the CPU window's texts: whatever a processor (or a hypervisor's made-up CPUID)
// answers in leaves 0, 1, 2 and 0x80000000 to 0x80000004 goes through the signature, vendor, name
// tables, brand string and serial number to the texts the window shows; the processor records that
// give the chip count and the usage's processor count.

#include <cstddef>
#include <cstdint>

#include "core/error.h"
#include "cpu/cpu_id.h"
#include "cpu/processor_count.h"
#include "screens/cpu/cpu_model.h"
#include "fuzz/fuzz_input.h"
#include "platform/testing/test_machine.h"
#include "probes/hardware_probes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    fuzz::FuzzInput in(data, size);
    testing::TestMachine machine;
    machine.processors = in.Byte();
    const int clockMHz = static_cast<int>(in.U16()) - 1000;  // negative and zero clocks too
    for (const std::uint32_t leaf : {0u, 1u, 2u, 0x80000000u, 0x80000001u, 0x80000002u, 0x80000003u, 0x80000004u}) {
        machine.cpuidLeaves[leaf] = in.Registers();
    }
    // Leaf 1 asked twice for the serial may answer differently the second time.
    if (in.Bool()) machine.cpuidSequences[1] = {machine.cpuidLeaves[1], in.Registers()};
    // The processor records the chip count and the usage read, as either call could answer them.
    machine.hasProcessorRelationsEx = in.Bool();
    machine.processorRelationsExBytes[kRelationProcessorPackage] = in.SizedBytes();
    machine.processorRelationsExBytes[kRelationGroup] = in.SizedBytes();
    machine.processorRelationsBytes = in.SizedBytes();
    (void)ActiveProcessorsOfAllGroups(machine);

    try {
        const CPUWindowInfo info = ReadCPUWindowInfo(machine, clockMHz);
        (void)info;
    } catch (const UserError&) {
        // A processor without CPUID: the designed message.
    }
    (void)GetCPUBrand(machine);

    // The tables themselves, with fields no signature decoding produces.
    const CPUSignature signature = DecodeSignature(in.Registers());
    const std::string brand = in.Text();
    const CPUNameInfo name = NameProcessor(in.Byte() % 9, signature, static_cast<int>(in.U32()),
                                           static_cast<int>(in.U32()), in.Bool(), brand);
    (void)ChipText(in.U32(), name.name);
    (void)ProductLineFromBrand(in.Byte() % 9, brand);
    (void)ModelText(signature);
    (void)CPUIdText(signature);
    (void)BusSpeedText(static_cast<int>(in.U32()));
    (void)TransistorText(static_cast<int>(in.U32()));
    const int vendor = in.Byte() % 9;
    const int family = static_cast<int>(in.U32());
    const int model = static_cast<int>(in.U32());
    (void)LookupCPUName(vendor, family, model, static_cast<int>(in.U32()), static_cast<int>(in.U32()),
                        static_cast<int>(in.U32()), static_cast<int>(in.U32()));
    (void)FindTodaysProcessor(vendor, family, model);
    return 0;
}
