// The processor, memory, priorities and the native system-information query.
#include <windows.h>
#include <cpuid.h>
#include <x86intrin.h>

#include "platform/win32/win32_system.h"
#include "platform/win32/imports.h"

namespace orvane::win32 {

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

std::uint64_t Win32System::ReadTsc() {
    return __rdtsc();
}

void Win32System::SleepFor(std::uint32_t milliseconds) {
    Sleep(milliseconds);
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
