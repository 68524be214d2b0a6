#pragma once
// How many processor packages (chips in their sockets) the machine holds, and how many logical
// processors are active in all its processor groups, from the records of
// GetLogicalProcessorInformationEx (Windows 7 on) or GetLogicalProcessorInformation.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "probes/probe.h"

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

// The package records of each call's answer; 0 when the answer holds none. A record whose size runs
// past the answer or is too small to be one ends the count.
unsigned CountPackageRecordsEx(std::span<const std::uint8_t> records);
unsigned CountPackageRecords(std::span<const std::uint8_t> records, const ProcessorRecordLayout& layout);
// The active processors of every group the group records list; 0 when they list none.
unsigned SumActiveGroupProcessors(std::span<const std::uint8_t> records, const ProcessorRecordLayout& layout);

// The "CPU Chip" count: the packages the extended call lists, else those the first call lists, else
// dwNumberOfProcessors (98, ME, NT 4, 2000 and XP before SP3 have neither call).
unsigned CountProcessorPackages(System& sys);
// The logical processors active in all groups; nullopt where the extended call is missing or lists no
// group. A process sees one group's processors in GetSystemInfo and in the basic system record (at most
// 32 under WOW64), while the idle time it reads is that of every processor.
std::optional<unsigned> ActiveProcessorsOfAllGroups(System& sys);

}  // namespace orvane
