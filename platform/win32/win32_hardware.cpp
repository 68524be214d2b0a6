// The processor, memory, priorities and the native system-information query.
#include <windows.h>
#include <cpuid.h>
#include <x86intrin.h>

#include <algorithm>
#include <cstddef>

#include "platform/processor_records.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/imports.h"

namespace orvane::win32 {

namespace {

// The core reads the records by these offsets; they must be the platform's own, in both widths.
constexpr ProcessorRecordLayout kRecords = ProcessorRecordLayoutFor(sizeof(void*));
static_assert(kRecords.recordBytes == sizeof(SYSTEM_LOGICAL_PROCESSOR_INFORMATION));
static_assert(kRecords.relationshipOffset == offsetof(SYSTEM_LOGICAL_PROCESSOR_INFORMATION, Relationship));
static_assert(offsetof(SYSTEM_LOGICAL_PROCESSOR_INFORMATION_EX, Relationship) == 0);
static_assert(offsetof(SYSTEM_LOGICAL_PROCESSOR_INFORMATION_EX, Size) == 4);
static_assert(kRecords.exHeaderBytes == offsetof(SYSTEM_LOGICAL_PROCESSOR_INFORMATION_EX, Group));
static_assert(kRecords.activeGroupCountOffset == offsetof(SYSTEM_LOGICAL_PROCESSOR_INFORMATION_EX, Group) +
                                                     offsetof(GROUP_RELATIONSHIP, ActiveGroupCount));
static_assert(kRecords.groupInfoOffset ==
              offsetof(SYSTEM_LOGICAL_PROCESSOR_INFORMATION_EX, Group) + offsetof(GROUP_RELATIONSHIP, GroupInfo));
static_assert(kRecords.groupInfoBytes == sizeof(PROCESSOR_GROUP_INFO));
static_assert(kRecords.activeProcessorCountOffset == offsetof(PROCESSOR_GROUP_INFO, ActiveProcessorCount));
static_assert(kRelationProcessorPackage == RelationProcessorPackage && kRelationGroup == RelationGroup);

// Asks for the size, then fills a buffer of it; a second try covers processors added in between.
template <typename Query>
std::optional<std::vector<std::uint8_t>> ReadRecords(Query query) {
    DWORD length = 0;
    for (int attempt = 0; attempt < 2; ++attempt) {
        std::vector<std::uint8_t> buffer(length);
        if (query(length ? buffer.data() : nullptr, &length)) {
            buffer.resize(std::min<std::size_t>(length, buffer.size()));
            return buffer;
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || length == 0) return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::uint64_t> Win32System::TotalPhysicalMemory() {
    // The extended record: GlobalMemoryStatus's 32-bit fields cap at 4 GB (2 GB without large-address
    // awareness).
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status)) return std::nullopt;
    return status.ullTotalPhys;
}

std::optional<platform::MemoryStatus> Win32System::MemoryStatusEx() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status)) return std::nullopt;
    return platform::MemoryStatus{status.dwMemoryLoad,     status.ullTotalPhys,     status.ullAvailPhys,
                                  status.ullTotalPageFile, status.ullAvailPageFile, status.ullTotalVirtual,
                                  status.ullAvailVirtual};
}

platform::MemoryLayout Win32System::SystemMemoryLayout() {
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    return {info.dwPageSize, info.dwAllocationGranularity,
            reinterpret_cast<std::uintptr_t>(info.lpMinimumApplicationAddress),
            reinterpret_cast<std::uintptr_t>(info.lpMaximumApplicationAddress)};
}

std::uint64_t Win32System::ReadFlags() {
    return __readeflags();
}

void Win32System::WriteFlags(std::uint64_t flags) {
#if defined(__x86_64__)
    __writeeflags(flags);
#else
    __writeeflags(static_cast<unsigned int>(flags));
#endif
}

platform::CpuidRegisters Win32System::Cpuid(std::uint32_t leaf) {
    unsigned int a = 0, b = 0, c = 0, d = 0;
    __cpuid_count(leaf, 0, a, b, c, d);
    return {a, b, c, d};
}

unsigned Win32System::ProcessorCount() {
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    return info.dwNumberOfProcessors;
}

std::optional<std::vector<std::uint8_t>> Win32System::ProcessorRelationsEx(std::uint32_t relationship) {
    using QueryFn = BOOL(WINAPI*)(LOGICAL_PROCESSOR_RELATIONSHIP, PSYSTEM_LOGICAL_PROCESSOR_INFORMATION_EX, PDWORD);
    static const auto query = ImportLoaded<QueryFn>("kernel32.dll", "GetLogicalProcessorInformationEx");
    if (!query) return std::nullopt;
    return ReadRecords([&](std::uint8_t* buffer, DWORD* length) {
        return query(static_cast<LOGICAL_PROCESSOR_RELATIONSHIP>(relationship),
                     reinterpret_cast<PSYSTEM_LOGICAL_PROCESSOR_INFORMATION_EX>(buffer), length) != FALSE;
    });
}

std::optional<std::vector<std::uint8_t>> Win32System::ProcessorRelations() {
    using QueryFn = BOOL(WINAPI*)(PSYSTEM_LOGICAL_PROCESSOR_INFORMATION, PDWORD);
    static const auto query = ImportLoaded<QueryFn>("kernel32.dll", "GetLogicalProcessorInformation");
    if (!query) return std::nullopt;
    return ReadRecords([&](std::uint8_t* buffer, DWORD* length) {
        return query(reinterpret_cast<PSYSTEM_LOGICAL_PROCESSOR_INFORMATION>(buffer), length) != FALSE;
    });
}

std::uint64_t Win32System::ReadTsc() {
    return __rdtsc();
}

void Win32System::SleepFor(std::uint32_t milliseconds) {
    Sleep(milliseconds);
}

std::optional<std::uint64_t> Win32System::PerformanceCounter() {
    LARGE_INTEGER count;
    if (!QueryPerformanceCounter(&count)) return std::nullopt;
    return static_cast<std::uint64_t>(count.QuadPart);
}

std::optional<std::uint64_t> Win32System::PerformanceFrequency() {
    LARGE_INTEGER frequency;
    if (!QueryPerformanceFrequency(&frequency)) return std::nullopt;
    return static_cast<std::uint64_t>(frequency.QuadPart);
}

std::uint32_t Win32System::ProcessPriorityClass() {
    return GetPriorityClass(GetCurrentProcess());
}

bool Win32System::SetProcessPriorityClass(std::uint32_t priorityClass) {
    return SetPriorityClass(GetCurrentProcess(), priorityClass) != FALSE;
}

std::optional<int> Win32System::ThreadPriority() {
    const int priority = GetThreadPriority(GetCurrentThread());
    if (priority == THREAD_PRIORITY_ERROR_RETURN) return std::nullopt;
    return priority;
}

bool Win32System::SetThreadPriority(int priority) {
    return ::SetThreadPriority(GetCurrentThread(), priority) != FALSE;
}

platform::NtQueryEntry Win32System::FindNtQuerySystemInformation() {
    return ImportLoaded<platform::NtQueryEntry>("ntdll.dll", "NtQuerySystemInformation");
}

std::int32_t Win32System::QuerySystemInformation(platform::NtQueryEntry entry, std::uint32_t infoClass,
                                                 std::span<std::uint8_t> buffer) {
    using QueryFn = LONG(NTAPI*)(ULONG, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<QueryFn>(const_cast<void*>(entry));
    return query(infoClass, buffer.data(), static_cast<ULONG>(buffer.size()), nullptr);
}

}  // namespace orvane::win32
