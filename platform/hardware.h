#pragma once
// The processor and the process as the measurements see them: memory status, CPUID, the flags
// register, the time-stamp counter, sleeping and scheduling priorities.

#include <cstdint>
#include <optional>
#include <vector>

namespace orvane::platform {

struct CpuidRegisters {
    std::uint32_t eax = 0;
    std::uint32_t ebx = 0;
    std::uint32_t ecx = 0;
    std::uint32_t edx = 0;
};

// Priority values as SetPriorityClass and SetThreadPriority number them.
inline constexpr std::uint32_t kRealtimePriorityClass = 0x100;  // REALTIME_PRIORITY_CLASS
inline constexpr int kThreadPriorityTimeCritical = 15;          // THREAD_PRIORITY_TIME_CRITICAL

// The flags register's ID bit: software that can toggle it may execute CPUID.
inline constexpr std::uint64_t kFlagsIdBit = 0x200000;

// GlobalMemoryStatusEx's record: the memory load in percent and six counts of bytes.
struct MemoryStatus {
    std::uint32_t load = 0;
    std::uint64_t totalPhysical = 0;
    std::uint64_t availablePhysical = 0;
    std::uint64_t totalPageFile = 0;
    std::uint64_t availablePageFile = 0;
    std::uint64_t totalVirtual = 0;
    std::uint64_t availableVirtual = 0;
};

// The memory fields of GetSystemInfo's record, as this process sees them.
struct MemoryLayout {
    std::uint32_t pageSize = 0;
    std::uint32_t allocationGranularity = 0;
    std::uint64_t minimumApplicationAddress = 0;
    std::uint64_t maximumApplicationAddress = 0;
};

class Hardware {
public:
    virtual ~Hardware() = default;
    // ullTotalPhys of GlobalMemoryStatusEx; nullopt when the call fails.
    virtual std::optional<std::uint64_t> TotalPhysicalMemory() = 0;
    // GlobalMemoryStatusEx; nullopt when the call fails.
    virtual std::optional<MemoryStatus> MemoryStatusEx() = 0;
    // GetSystemInfo's page size, granularity and application address range.
    virtual MemoryLayout SystemMemoryLayout() = 0;
    // The flags register (EFLAGS or RFLAGS) as pushf reads it and popf writes it.
    virtual std::uint64_t ReadFlags() = 0;
    virtual void WriteFlags(std::uint64_t flags) = 0;
    // CPUID with EAX = leaf and ECX = 0. Only called once the ID-bit test has passed.
    virtual CpuidRegisters Cpuid(std::uint32_t leaf) = 0;
    // dwNumberOfProcessors of GetSystemInfo.
    virtual unsigned ProcessorCount() = 0;
    // GetLogicalProcessorInformationEx's records for one relationship, as the call writes them; the
    // function is looked up at run time (Windows 7 on). nullopt where it is missing or fails.
    virtual std::optional<std::vector<std::uint8_t>> ProcessorRelationsEx(std::uint32_t relationship) = 0;
    // GetLogicalProcessorInformation's records, looked up at run time (XP SP3, Server 2003 SP1, Vista on);
    // nullopt where it is missing or fails.
    virtual std::optional<std::vector<std::uint8_t>> ProcessorRelations() = 0;
    // RDTSC: EDX:EAX.
    virtual std::uint64_t ReadTsc() = 0;
    virtual void SleepFor(std::uint32_t milliseconds) = 0;
    // QueryPerformanceCounter and QueryPerformanceFrequency (counts a second); nullopt when the call
    // fails, as where the machine has no such counter.
    virtual std::optional<std::uint64_t> PerformanceCounter() = 0;
    virtual std::optional<std::uint64_t> PerformanceFrequency() = 0;
    // GetPriorityClass of the current process; 0 when the call fails.
    virtual std::uint32_t ProcessPriorityClass() = 0;
    virtual bool SetProcessPriorityClass(std::uint32_t priorityClass) = 0;
    // GetThreadPriority of the current thread; nullopt when the call fails.
    virtual std::optional<int> ThreadPriority() = 0;
    virtual bool SetThreadPriority(int priority) = 0;
};

}  // namespace orvane::platform
