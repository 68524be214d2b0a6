#include "cpu/cpu_speed.h"

#include <algorithm>
#include <vector>

#include "core/text.h"
#include "cpu/processor_count.h"

namespace orvane {

namespace {

// Raises the process and its thread for the count and puts back what they had, so that one
// measurement does not leave the whole program running at real-time priority.
class PriorityScope {
  public:
    explicit PriorityScope(System& sys)
        : sys_(sys), processClass_(sys.ProcessPriorityClass()), threadPriority_(sys.ThreadPriority()) {
        sys_.SetProcessPriorityClass(platform::kRealtimePriorityClass);
        sys_.SetThreadPriority(platform::kThreadPriorityTimeCritical);
    }
    ~PriorityScope() {
        if (threadPriority_) sys_.SetThreadPriority(*threadPriority_);
        if (processClass_ != 0) sys_.SetProcessPriorityClass(processClass_);
    }
    PriorityScope(const PriorityScope&) = delete;
    PriorityScope& operator=(const PriorityScope&) = delete;

  private:
    System& sys_;
    std::uint32_t processClass_;
    std::optional<int> threadPriority_;
};

std::uint64_t ReadLe64(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < 8; ++i) value |= static_cast<std::uint64_t>(bytes[offset + i]) << (8 * i);
    return value;
}

// A 64-bit counter as the usage arithmetic takes it: high half times 2^32 plus the unsigned low half.
double AsDouble(std::uint64_t value) {
    return static_cast<double>(value >> 32) * 4294967296.0 + static_cast<double>(value & 0xFFFFFFFFu);
}

}  // namespace

double CyclesToMHz(std::uint64_t before, std::uint64_t after, double microseconds) {
    const std::uint32_t cycles = static_cast<std::uint32_t>(after) - static_cast<std::uint32_t>(before);
    return cycles / microseconds;
}

std::optional<double> ElapsedMicroseconds(std::optional<std::uint64_t> before, std::optional<std::uint64_t> after,
                                          std::optional<std::uint64_t> frequency) {
    if (!before || !after || !frequency || *frequency == 0 || *after <= *before) return std::nullopt;
    return static_cast<double>(*after - *before) * 1e6 / static_cast<double>(*frequency);
}

std::string FormatCPUSpeed(double megahertz) {
    return Format("%4.1f", megahertz) + " MHz";
}

double MeasureCPUSpeed(System& sys) {
    PriorityScope priority(sys);
    // The sleep lasts as long as the system's timer lets it (500 to 516 ms on Windows 10 and 11): the
    // performance counter, read right beside the cycle counter, says how long it was.
    const std::optional<std::uint64_t> frequency = sys.PerformanceFrequency();
    const std::optional<std::uint64_t> start = sys.PerformanceCounter();
    const std::uint64_t before = sys.ReadTsc();
    sys.SleepFor(kSpeedSleepMilliseconds);
    const std::uint64_t after = sys.ReadTsc();
    const std::optional<std::uint64_t> end = sys.PerformanceCounter();
    // Without a counter the sleep is taken as exact.
    return CyclesToMHz(before, after,
                       ElapsedMicroseconds(start, end, frequency).value_or(kSpeedSleepMilliseconds * 1000.0));
}

std::string GetCPUSpeed(System& sys) {
    return Guarded([&] { return FormatCPUSpeed(MeasureCPUSpeed(sys)); });
}

double CPUClockRecord::Measure(System& sys) {
    const double megahertz = MeasureCPUSpeed(sys);
    // The counter's 32-bit difference over half a second stays below 8590 MHz, well inside int.
    wholeMHz_ = static_cast<int>(megahertz);
    lastMHz_ = megahertz;
    return megahertz;
}

std::string GetRecordedCPUSpeed(System& sys, CPUClockRecord& clock) {
    return Guarded([&] { return FormatCPUSpeed(clock.Measure(sys)); });
}

std::uint64_t ReadTimeStampCounter(System& sys) {
    return sys.ReadTsc();
}

UsageRecordLayout UsageRecordLayoutFor(std::size_t pointerSize) {
    // SYSTEM_BASIC_INFORMATION holds three pointer-sized fields before NumberOfProcessors; the
    // time-of-day and performance records hold none.
    if (pointerSize == 8) return {64, 56, 32, 312};
    return {44, 40, 32, 312};
}

std::optional<double> SampleCPUUsage(System& sys, CPUUsageSampler& sampler) {
    if (!sampler.queryEntry) sampler.queryEntry = sys.FindNtQuerySystemInformation();
    if (!sampler.queryEntry) return std::nullopt;

    const UsageRecordLayout layout = UsageRecordLayoutFor(sizeof(void*));
    std::vector<std::uint8_t> basic(layout.basicLength);
    std::vector<std::uint8_t> timeOfDay(layout.timeOfDayLength);
    std::vector<std::uint8_t> performance(layout.performanceLength);
    if (sys.QuerySystemInformation(sampler.queryEntry, kSystemBasicInformation, basic) != 0) return std::nullopt;
    if (sys.QuerySystemInformation(sampler.queryEntry, kSystemTimeOfDayInformation, timeOfDay) != 0) {
        return std::nullopt;
    }
    if (sys.QuerySystemInformation(sampler.queryEntry, kSystemPerformanceInformation, performance) != 0) {
        return std::nullopt;
    }
    // The idle time is that of every processor; the basic record counts only this process's group.
    const unsigned processors = ActiveProcessorsOfAllGroups(sys).value_or(basic[layout.processorsOffset]);
    const std::uint64_t systemTime = ReadLe64(timeOfDay, 8);
    const std::uint64_t idleTime = ReadLe64(performance, 0);

    std::optional<double> usage;
    if (sampler.previousIdleTime != 0) {
        const double idle = AsDouble(idleTime) - AsDouble(sampler.previousIdleTime);
        const double elapsed = AsDouble(systemTime) - AsDouble(sampler.previousSystemTime);
        // Nothing to divide by: keep the previous sample, so that the next one measures across this.
        if (elapsed == 0.0 || processors == 0) return std::nullopt;
        // The half rounds the gauges; a busy machine would otherwise read 100.5 %, and counters that
        // do not quite agree (idle ahead of the clock) a negative figure.
        usage = std::clamp(100.0 - (idle / elapsed) * 100.0 / processors + 0.5, 0.0, 100.0);
    }
    sampler.previousIdleTime = idleTime;
    sampler.previousSystemTime = systemTime;
    return usage;
}

}  // namespace orvane
