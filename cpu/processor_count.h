#pragma once
// How many processor packages (chips in their sockets) the machine holds, and how many logical
// processors are active in all its processor groups, from the records of
// GetLogicalProcessorInformationEx (Windows 7 on) or GetLogicalProcessorInformation.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "platform/processor_records.h"
#include "probes/probe.h"

namespace orvane {

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
