#include "screens/cpu/cpu_model.h"

#include "core/error.h"
#include "cpu/processor_count.h"
#include "probes/hardware_probes.h"

namespace orvane {

CPUWindowInfo ReadCPUWindowInfo(System& sys, int clockMHz) {
    // Executing CPUID without it is an illegal instruction; say what is missing instead.
    if (!HasCPUID(sys)) throw UserError("This processor does not support the CPUID instruction.");

    CPUWindowInfo info;
    // Chips in their sockets, not the logical processors the system schedules on.
    const unsigned processors = CountProcessorPackages(sys);
    const CPUSignature signature = DecodeSignature(sys.Cpuid(1));
    const CPUVendor vendor = IdentifyCPUVendor(sys.Cpuid(0));
    TCPUFeatures features;
    FillCPUFeatures(sys, features);
    info.serial = GetCPUSerial(sys);
    const bool fdivBug = HasFDIVBug();
    const platform::CpuidRegisters cacheLeaf = ReadCacheLeaf(sys);
    info.cache = DecodeCacheDescriptors(cacheLeaf);
    // The brand is read before the name, which falls back to it; reading it has no other effect.
    info.brand = GetCPUBrand(sys);
    const CPUNameInfo name = NameProcessor(vendor.index, signature, clockMHz, info.cache.Level2,
                                           CacheLeafListsCaches(cacheLeaf), info.brand);

    info.chip = ChipText(processors, name.name);
    info.model = ModelText(signature);
    info.codeName = name.codeName;
    info.vendor = vendor.name;
    info.busSpeed = BusSpeedText(name.busSpeed);
    info.transistors = TransistorText(name.transistors);
    info.cpuId = CPUIdText(signature);
    info.features = CPUFeatureCheckList(features, fdivBug);
    info.cacheListed = CacheLeafListsCaches(cacheLeaf);
    info.processors = processors;
    info.signature = signature;
    info.busSpeedMHz = name.busSpeed;
    info.transistorCount = name.transistors;
    return info;
}

}  // namespace orvane
