#pragma once
// The processor's topology as GetLogicalProcessorInformationEx(RelationAll) describes it: packages, cores
// and their efficiency classes (a hybrid processor's performance and efficiency cores), the logical
// processors, and the caches by level and kind.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace orvane::machine {

inline constexpr std::uint32_t kRelationProcessorCore = 0;
inline constexpr std::uint32_t kRelationCache = 2;
inline constexpr std::uint32_t kRelationPackage = 3;
inline constexpr std::uint32_t kRelationAll = 0xFFFF;

// Where the records keep their fields (offsets from the record's start, both pointer widths alike
// except for GROUP_AFFINITY's mask).
inline constexpr std::size_t kExRecordHeaderBytes = 8;                            // Relationship, Size
inline constexpr std::size_t kCoreEfficiencyClassOffset = kExRecordHeaderBytes + 1;
inline constexpr std::size_t kCoreGroupCountOffset = kExRecordHeaderBytes + 22;
inline constexpr std::size_t kCoreGroupMaskOffset = kExRecordHeaderBytes + 24;
inline constexpr std::size_t kCacheLevelOffset = kExRecordHeaderBytes + 0;
inline constexpr std::size_t kCacheSizeOffset = kExRecordHeaderBytes + 4;
inline constexpr std::size_t kCacheTypeOffset = kExRecordHeaderBytes + 8;
// GROUP_AFFINITY: a KAFFINITY mask, then WORD Group and three reserved WORDs.
constexpr std::size_t GroupAffinityBytes(std::size_t pointerSize) { return pointerSize + 8; }

// PROCESSOR_CACHE_TYPE.
inline constexpr std::uint32_t kCacheUnified = 0;
inline constexpr std::uint32_t kCacheInstruction = 1;
inline constexpr std::uint32_t kCacheData = 2;

// One kind of cache: how many there are and the size of each (of the first, where they differ), and
// their total.
struct CacheLevel {
    std::uint32_t count = 0;
    std::uint64_t eachBytes = 0;
    std::uint64_t totalBytes = 0;
    bool sizesDiffer = false;
};

struct ProcessorTopology {
    std::uint32_t packages = 0;
    std::uint32_t cores = 0;
    std::uint32_t logicalProcessors = 0;
    // Cores of the highest efficiency class are performance cores, the rest efficiency cores; a processor
    // whose cores share one class has only performance cores.
    std::uint32_t performanceCores = 0;
    std::uint32_t efficiencyCores = 0;
    std::optional<CacheLevel> l1d;
    std::optional<CacheLevel> l1i;
    std::optional<CacheLevel> l2;
    std::optional<CacheLevel> l3;
    // A record whose Size is too small or runs past the reply ended the walk there.
    bool damaged = false;
};

// The records of one reply, for a process of the given pointer size; absent when no core record is whole.
std::optional<ProcessorTopology> ParseProcessorTopology(std::span<const std::uint8_t> records,
                                                        std::size_t pointerSize);

}  // namespace orvane::machine
