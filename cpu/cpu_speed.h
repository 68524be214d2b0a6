#pragma once
// The processor's clock speed, counted with the time-stamp counter across a half-second sleep, and
// its usage, sampled from the system's idle-time and time-of-day counters.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "probes/probe.h"

// <winnt.h> defines ReadTimeStampCounter() as a macro for __rdtsc(); the name here is this program's
// own operation, so Windows code that includes this header after <windows.h> gets the function.
#ifdef ReadTimeStampCounter
#undef ReadTimeStampCounter
#endif

namespace orvane {

// Counted at real-time process and time-critical thread priority (both are put back afterwards) across
// a half-second sleep, timed with the performance counter.
double MeasureCPUSpeed(System& sys);
// The "CPU Speed" row, for example "2793.4 MHz"; the empty text on any failure.
std::string GetCPUSpeed(System& sys);
std::uint64_t ReadTimeStampCounter(System& sys);

// The most recent clock measurement of this run. The application owns one and lends it to
// everything that measures (the summary's "CPU Speed" row, the CPU window's timer and its "CPU
// Speed" command) and to the CPU window's refresh, which names the processor by it.
class CPUClockRecord {
public:
    // MeasureCPUSpeed, kept as the most recent measurement; an error leaves the previous one.
    double Measure(System& sys);
    // The whole MHz of the most recent measurement (its fraction dropped); 0 when none was made.
    int WholeMHz() const { return wholeMHz_; }
    // The most recent measurement in MHz; nullopt when none was made.
    std::optional<double> LastMHz() const { return lastMHz_; }

private:
    int wholeMHz_ = 0;
    std::optional<double> lastMHz_;
};

// The "CPU Speed" row (GetCPUSpeed), measured through the record.
std::string GetRecordedCPUSpeed(System& sys, CPUClockRecord& clock);

inline constexpr std::uint32_t kSpeedSleepMilliseconds = 500;

// The speed for two counter readings taken the given time apart (500 ms unless measured): only the
// low 32 bits count, so a counter that moves 2^32 cycles or more in that time wraps.
double CyclesToMHz(std::uint64_t before, std::uint64_t after, double microseconds = kSpeedSleepMilliseconds * 1000.0);
// The time between two performance-counter readings; nullopt when a reading or the frequency is
// missing, or the counter did not move forward.
std::optional<double> ElapsedMicroseconds(std::optional<std::uint64_t> before, std::optional<std::uint64_t> after,
                                          std::optional<std::uint64_t> frequency);
std::string FormatCPUSpeed(double megahertz);

// One user's sampling history; the status bar and the CPU window keep one each.
struct CPUUsageSampler {
    platform::NtQueryEntry queryEntry = nullptr;  // looked up on first use, kept once found
    std::uint64_t previousIdleTime = 0;           // 100-ns units; 0 while there is no previous sample
    std::uint64_t previousSystemTime = 0;
};

// The usage since the previous sample, in percent with 0.5 added (so that dropping the fraction
// rounds); nullopt on the first sample and on any failure.
std::optional<double> SampleCPUUsage(System& sys, CPUUsageSampler& sampler);

// The system-information records the sampler reads, for a process of the given pointer size.
struct UsageRecordLayout {
    std::size_t basicLength;        // class 0
    std::size_t processorsOffset;   // NumberOfProcessors, 8 bits
    std::size_t timeOfDayLength;    // class 3; CurrentTime at offset 8
    std::size_t performanceLength;  // class 2; IdleProcessTime at offset 0
};
UsageRecordLayout UsageRecordLayoutFor(std::size_t pointerSize);

inline constexpr std::uint32_t kSystemBasicInformation = 0;
inline constexpr std::uint32_t kSystemPerformanceInformation = 2;
inline constexpr std::uint32_t kSystemTimeOfDayInformation = 3;

}  // namespace orvane
