#include "machine/processor_topology.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace orvane::machine {

namespace {

std::uint64_t ReadLe(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t width) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i) value |= static_cast<std::uint64_t>(bytes[offset + i]) << (8 * i);
    return value;
}

void AddCache(std::optional<CacheLevel>& level, std::uint64_t size) {
    if (!level) level = CacheLevel{0, size, 0, false};
    if (size != level->eachBytes) level->sizesDiffer = true;
    ++level->count;
    level->totalBytes += size;
}

}  // namespace

std::optional<ProcessorTopology> ParseProcessorTopology(std::span<const std::uint8_t> records,
                                                        std::size_t pointerSize) {
    ProcessorTopology topology;
    std::vector<std::uint8_t> coreClasses;
    const std::size_t affinityBytes = GroupAffinityBytes(pointerSize);
    std::size_t offset = 0;
    while (offset < records.size()) {
        if (records.size() - offset < kExRecordHeaderBytes) {
            topology.damaged = true;
            break;
        }
        const auto relationship = static_cast<std::uint32_t>(ReadLe(records, offset, 4));
        const auto size = static_cast<std::size_t>(ReadLe(records, offset + 4, 4));
        if (size < kExRecordHeaderBytes || size > records.size() - offset) {
            topology.damaged = true;
            break;
        }
        const std::span<const std::uint8_t> record = records.subspan(offset, size);
        if (relationship == kRelationProcessorCore && size >= kCoreGroupMaskOffset) {
            coreClasses.push_back(record[kCoreEfficiencyClassOffset]);
            const auto groups = static_cast<std::size_t>(ReadLe(record, kCoreGroupCountOffset, 2));
            for (std::size_t g = 0; g < groups; ++g) {
                const std::size_t at = kCoreGroupMaskOffset + g * affinityBytes;
                if (at + pointerSize > size) break;
                topology.logicalProcessors +=
                    static_cast<std::uint32_t>(std::popcount(ReadLe(record, at, pointerSize)));
            }
        } else if (relationship == kRelationCache && size >= kCacheTypeOffset + 4) {
            const std::uint8_t level = record[kCacheLevelOffset];
            const std::uint64_t bytes = ReadLe(record, kCacheSizeOffset, 4);
            const auto type = static_cast<std::uint32_t>(ReadLe(record, kCacheTypeOffset, 4));
            if (level == 1 && type == kCacheData) AddCache(topology.l1d, bytes);
            if (level == 1 && type == kCacheInstruction) AddCache(topology.l1i, bytes);
            if (level == 2 && type != kCacheInstruction) AddCache(topology.l2, bytes);
            if (level == 3 && type != kCacheInstruction) AddCache(topology.l3, bytes);
        } else if (relationship == kRelationPackage) {
            ++topology.packages;
        }
        offset += size;
    }
    if (coreClasses.empty()) return std::nullopt;
    topology.cores = static_cast<std::uint32_t>(coreClasses.size());
    const std::uint8_t highest = *std::max_element(coreClasses.begin(), coreClasses.end());
    topology.performanceCores = static_cast<std::uint32_t>(std::count(coreClasses.begin(), coreClasses.end(), highest));
    topology.efficiencyCores = topology.cores - topology.performanceCores;
    return topology;
}

}  // namespace orvane::machine
