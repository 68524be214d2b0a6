#pragma once
// What the memory window shows: the six memory counts as byte and megabyte texts, the memory load,
// the allocation granularity, the application address range and the page size.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/system.h"

namespace orvane {

// "#,## bytes": the digits grouped with the user's separator, then " bytes"; 0 has no digits.
std::string ByteText(std::uint64_t bytes, std::string_view thousandsSeparator);
// The byte text, then "   (n MB)" with n the whole MiB plus one.
std::string SizeText(std::uint64_t bytes, std::string_view thousandsSeparator);
// Eight upper-case hexadecimal digits at least, and as many more as the address needs.
std::string AddressText(std::uint64_t address);
// "00010000 - 7FFEFFFF".
std::string AddressRangeText(std::uint64_t lowest, std::uint64_t highest);

inline constexpr std::size_t kMemoryValueCount = 9;

struct MemoryWindowTexts {
    // Info1 to Info9, in that order.
    std::array<std::string, kMemoryValueCount> values;
    int load = 0;  // the gauge, in percent
    // The counts the texts were made from: nullopt when the status call failed.
    std::optional<platform::MemoryStatus> status;
    platform::MemoryLayout layout;
};

// One reading of the memory status and the memory layout, with the user's digit separator. Should the
// status call fail, its six counts stay empty and the load 0: a made-up zero would read as a real answer.
MemoryWindowTexts ReadMemoryWindow(platform::System& sys);

}  // namespace orvane
