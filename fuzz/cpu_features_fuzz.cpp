// CPUID feature flags and leaf-2 cache descriptors to the feature lines and the check list, including
// a leaf 2 whose repeat count asks for many executions and answers differently each time.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cpu/cpu_features.h"
#include "fuzz/fuzz_input.h"
#include "platform/testing/test_machine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    fuzz::FuzzInput in(data, size);

    const platform::CpuidRegisters leaf1 = in.Registers();
    const platform::CpuidRegisters extended = in.Registers();
    const TCPUFeatures features = DecodeCPUFeatures(leaf1, in.Bool() ? &extended : nullptr);
    std::vector<std::string> lines;
    ListCPUFeatures(features, in.Bool(), lines);
    (void)CPUFeatureCheckList(features, in.Bool());

    testing::TestMachine machine;
    machine.cpuidLeaves[1] = leaf1;
    machine.cpuidLeaves[0x80000000u] = in.Registers();
    machine.cpuidLeaves[0x80000001u] = extended;
    std::vector<platform::CpuidRegisters> answers;
    for (std::size_t count = in.Byte() % 8 + 1; count > 0; --count) answers.push_back(in.Registers());
    machine.cpuidSequences[2] = answers;
    TCPUFeatures filled;
    FillCPUFeatures(machine, filled);
    TCPUCache cache;
    FillCPUCache(machine, cache);
    (void)DecodeCacheDescriptors(answers.front());
    (void)CacheLeafListsCaches(answers.back());

    // Lines as other code may hand them to the check list: any text, with or without ": ".
    std::vector<std::string> texts;
    while (!in.Empty()) texts.push_back(in.Text());
    (void)MakeCheckListEntries(texts);
    return 0;
}
