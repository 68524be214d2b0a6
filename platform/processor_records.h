#pragma once
// The processor records of GetLogicalProcessorInformation(Ex) as the core reads them byte by byte: the
// relationships it asks for and where the records keep their fields, for a process of either pointer
// width. The Win32 layer checks them against the platform header's own structures.

#include <cstddef>
#include <cstdint>

namespace orvane {

// LOGICAL_PROCESSOR_RELATIONSHIP's values.
inline constexpr std::uint32_t kRelationProcessorPackage = 3;
inline constexpr std::uint32_t kRelationGroup = 4;

// Where the records keep what is read here, for a process of the given pointer size.
struct ProcessorRecordLayout {
    // SYSTEM_LOGICAL_PROCESSOR_INFORMATION: records of one size, the relationship after the mask.
    std::size_t recordBytes;
    std::size_t relationshipOffset;
    // SYSTEM_LOGICAL_PROCESSOR_INFORMATION_EX: Relationship at 0 and Size at 4 in both widths, then
    // for a group record the GROUP_RELATIONSHIP: ActiveGroupCount and the PROCESSOR_GROUP_INFO array.
    std::size_t exHeaderBytes;
    std::size_t activeGroupCountOffset;
    std::size_t groupInfoOffset;
    std::size_t groupInfoBytes;
    std::size_t activeProcessorCountOffset;  // within one PROCESSOR_GROUP_INFO
};
constexpr ProcessorRecordLayout ProcessorRecordLayoutFor(std::size_t pointerSize) {
    // The classic record: ULONG_PTR ProcessorMask, the relationship, a 16-byte union aligned to 8.
    // PROCESSOR_GROUP_INFO: two counts, 38 reserved bytes and a KAFFINITY aligned to its size.
    if (pointerSize == 8) return {32, 8, 8, 10, 32, 48, 1};
    return {24, 4, 8, 10, 32, 44, 1};
}

}  // namespace orvane
