#pragma once
// NtQuerySystemInformation of ntdll.dll, which is looked up at run time: it is not part of the
// documented import set on every system the program runs on.

#include <cstdint>
#include <span>

namespace orvane::platform {

// The looked-up entry, opaque to the core; null when ntdll.dll or the entry is missing.
using NtQueryEntry = const void*;

class NtQuery {
  public:
    virtual ~NtQuery() = default;
    virtual NtQueryEntry FindNtQuerySystemInformation() = 0;
    // Calls the entry with the buffer and no return-length argument; the status it returns.
    virtual std::int32_t QuerySystemInformation(NtQueryEntry entry, std::uint32_t infoClass,
                                                std::span<std::uint8_t> buffer) = 0;
};

}  // namespace orvane::platform
