#include "cpu/cpu_speed.h"

#include <gtest/gtest.h>

#include "core/text.h"
#include "screens/cpu/cpu_window_display.h"
#include "platform/testing/test_machine.h"

namespace orvane {
namespace {

using namespace orvane::testing;

TEST(CPUSpeed, CountsLowThirtyTwoBitsOverHalfASecond) {
    struct Case {
        std::uint64_t before;
        std::uint64_t after;
        const char* row;
        const char* digits;  // the CPU window's five-digit display
    };
    const Case cases[] = {
        {1000,            1000 + 1396695000ull,            "2793.4 MHz", "02793"},
        {5,               5 + 33010000ull,                 "66.0 MHz",   "00066"},
        {0,               (1ull << 32) + 1000,             " 0.0 MHz",   "00000"}, // wraps at 2^32 cycles
        {0xFFFFFF00ull,   0x1'00000100ull,                 " 0.0 MHz",   "00000"}, // low halves wrap across the reading
        {0x7'FFFFFFF0ull, 0x8'00000000ull + 4294967000ull, "8589.9 MHz", "08589"},
    };
    for (const Case& c : cases) {
        TestMachine summary;
        summary.tscReadings = {c.before, c.after};
        EXPECT_EQ(GetCPUSpeed(summary), c.row);
        EXPECT_EQ(summary.sleeps, std::vector<std::uint32_t>{500});
        TestMachine window;
        window.tscReadings = {c.before, c.after};
        EXPECT_EQ(SpeedDigits(MeasureCPUSpeed(window)), c.digits);
    }
}

TEST(CPUSpeed, DividesTheCyclesByTheSleepAsThePerformanceCounterTimedIt) {
    struct Case {
        const char* what;
        std::vector<std::uint64_t> counts;  // the performance counter before and after
        std::optional<std::uint64_t> frequency;
        const char* row;
        const char* digits;
    };
    // 1548000000 cycles: 3000 MHz over 516 ms, 3096 MHz if the sleep were taken as 500 ms.
    const Case cases[] = {
        {"a sleep of 516 ms", {7000, 7000 + 5160000}, 10000000, "3000.0 MHz", "03000"},
        {"a sleep of 500.2 ms", {1, 1 + 1500600}, 3000000, "3094.8 MHz", "03094"},
        {"no counter", {}, 10000000, "3096.0 MHz", "03096"},
        {"no frequency", {7000, 7000 + 5160000}, std::nullopt, "3096.0 MHz", "03096"},
        {"a frequency of 0", {7000, 7000 + 5160000}, 0, "3096.0 MHz", "03096"},
        {"a counter that stood still", {7000, 7000}, 10000000, "3096.0 MHz", "03096"},
        {"a counter that went back", {7000, 6000}, 10000000, "3096.0 MHz", "03096"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestMachine summary;
        summary.tscReadings = {100, 100 + 1548000000ull};
        summary.performanceCounts = c.counts;
        summary.performanceFrequency = c.frequency;
        EXPECT_EQ(GetCPUSpeed(summary), c.row);
        // One reading before the sleep and one after it.
        EXPECT_EQ(summary.sleepsAtPerformanceReads, (std::vector<std::size_t>{0, 1}));
        TestMachine window;
        window.tscReadings = summary.tscReadings;
        window.performanceCounts = c.counts;
        window.performanceFrequency = c.frequency;
        EXPECT_EQ(SpeedDigits(MeasureCPUSpeed(window)), c.digits);
    }
}

TEST(CPUSpeed, CountsAtRealTimePriorityAndPutsThePrioritiesBack) {
    TestMachine machine;
    machine.priorityClass = 0x8000;  // ABOVE_NORMAL_PRIORITY_CLASS
    machine.threadPriority = -1;
    machine.tscReadings = {0, 1000000};
    EXPECT_DOUBLE_EQ(MeasureCPUSpeed(machine), 2.0);
    ASSERT_EQ(machine.prioritiesAtTscReads.size(), 2u);
    for (const auto& at : machine.prioritiesAtTscReads) {
        EXPECT_EQ(at.processClass, platform::kRealtimePriorityClass);
        EXPECT_EQ(at.thread, platform::kThreadPriorityTimeCritical);
    }
    EXPECT_EQ(machine.priorityClass, 0x8000u);
    EXPECT_EQ(machine.threadPriority, -1);

    // Priorities that cannot be read are not "restored" to a made-up value.
    TestMachine unreadable;
    unreadable.failPriorityQueries = true;
    MeasureCPUSpeed(unreadable);
    EXPECT_EQ(unreadable.priorityClass, platform::kRealtimePriorityClass);
    EXPECT_EQ(unreadable.threadPriority, platform::kThreadPriorityTimeCritical);
}

TEST(CPUClockRecord, KeepsTheWholeMegahertzOfTheLatestMeasurement) {
    CPUClockRecord clock;
    EXPECT_EQ(clock.WholeMHz(), 0) << "no measurement yet";
    TestMachine summary;
    summary.tscReadings = {0, 1396980000ull};  // 2793.96 MHz
    EXPECT_EQ(GetRecordedCPUSpeed(summary, clock), "2794.0 MHz");
    EXPECT_EQ(clock.WholeMHz(), 2793) << "the fraction is dropped, not rounded";
    TestMachine window;
    window.tscReadings = {1000, 1000 + 200000000ull};
    EXPECT_DOUBLE_EQ(clock.Measure(window), 400.0);
    EXPECT_EQ(clock.WholeMHz(), 400);
}

TEST(ReadTimeStampCounter, IsTheWholeSixtyFourBitCounter) {
    TestMachine machine;
    machine.tscReadings = {0x0000123456789ABCull};
    EXPECT_EQ(ReadTimeStampCounter(machine), 0x0000123456789ABCull);
}

// Takes one sample after setting the counters the system reports.
std::optional<double> Sample(TestMachine& machine, CPUUsageSampler& sampler, std::uint64_t systemTime,
                             std::uint64_t idleTime) {
    machine.systemTime = systemTime;
    machine.idleTime = idleTime;
    return SampleCPUUsage(machine, sampler);
}

TEST(SampleCPUUsage, ComparesWithThePreviousSampleAndAddsAHalf) {
    struct Case {
        unsigned processors;
        double usage;
        int gauge;          // the CPU window's gauges
        const char* label;  // and its usage label
        std::uint64_t idle = 9000000;
    };
    // Idle difference 9000000 over an elapsed 10000000, unless the case says otherwise.
    const Case cases[] = {
        {1, 10.5, 10, "10.5 %"},
        {2, 55.5, 55, "55.5 %"},
        {1, 100.0, 100, "100.0 %", 0},        // fully busy: the half would make it 100.5
        {1, 0.0, 0, "0.0 %", 11000000},       // idle counted ahead of the clock
        {1, 0.5, 0, "0.5 %", 10000000},       // idle: the designed half stays
    };
    for (const Case& c : cases) {
        TestMachine machine;
        machine.processors = c.processors;
        CPUUsageSampler sampler;
        EXPECT_FALSE(Sample(machine, sampler, 130000000000000000ull, 5000000000ull)) << "the first sample only stores";
        const auto usage = Sample(machine, sampler, 130000000010000000ull, 5000000000ull + c.idle);
        ASSERT_TRUE(usage);
        EXPECT_DOUBLE_EQ(*usage, c.usage);
        EXPECT_EQ(UsageGaugePosition(*usage), c.gauge);
        EXPECT_EQ(UsageLabelText(*usage, '.'), c.label);
    }
}

TEST(SampleCPUUsage, TheIdleTimeIsSharedByTheProcessorsOfEveryGroup) {
    struct Case {
        const char* what;
        unsigned basicRecordProcessors;  // the process's own group, as the basic record counts it
        std::vector<unsigned> groups;
        bool hasGroupRecords;
        unsigned idleProcessors;  // the processors whose idle time the system sums
    };
    const Case cases[] = {
        {"128 processors in two groups of 64", 64, {64, 64}, true, 128},
        {"three groups of 40, 40 and 48", 40, {40, 40, 48}, true, 128},
        {"the 32-bit exe under WOW64 on 48 processors", 32, {48}, true, 48},
        {"one group", 8, {8}, true, 8},
        {"no group records (Vista)", 8, {}, false, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestMachine machine;
        machine.processors = c.basicRecordProcessors;
        machine.groupProcessors = c.groups;
        machine.hasProcessorRelationsEx = c.hasGroupRecords;
        CPUUsageSampler sampler;
        ASSERT_FALSE(Sample(machine, sampler, 130000000000000000ull, 5000000000ull));
        // A quarter busy over one second: each processor idle for three quarters of it.
        const std::uint64_t idle = 7500000ull * c.idleProcessors;
        const auto usage = Sample(machine, sampler, 130000000010000000ull, 5000000000ull + idle);
        ASSERT_TRUE(usage);
        EXPECT_DOUBLE_EQ(*usage, 25.5);
    }
}

TEST(SampleCPUUsage, FailedQueriesKeepThePreviousSample) {
    TestMachine machine;
    CPUUsageSampler sampler;
    ASSERT_FALSE(Sample(machine, sampler, 10000000, 1000000));
    for (std::uint32_t infoClass :
         {kSystemBasicInformation, kSystemTimeOfDayInformation, kSystemPerformanceInformation}) {
        machine.queryStatus = {
            {infoClass, static_cast<std::int32_t>(0xC0000001u)}
        };
        EXPECT_FALSE(Sample(machine, sampler, 15000000, 1000000)) << infoClass;
        EXPECT_EQ(sampler.previousSystemTime, 10000000u) << infoClass;
    }
    machine.queryStatus.clear();
    // Measured across the failed samples: idle 9000000 of 10000000.
    EXPECT_DOUBLE_EQ(*Sample(machine, sampler, 20000000, 10000000), 10.5);
}

TEST(SampleCPUUsage, NothingToDivideByKeepsThePreviousSample) {
    TestMachine machine;
    CPUUsageSampler sampler;
    ASSERT_FALSE(Sample(machine, sampler, 10000000, 1000000));
    EXPECT_FALSE(Sample(machine, sampler, 10000000, 2000000));  // no time elapsed
    machine.processors = 0;
    EXPECT_FALSE(Sample(machine, sampler, 20000000, 2000000));
    EXPECT_EQ(sampler.previousIdleTime, 1000000u);
    machine.processors = 1;
    EXPECT_DOUBLE_EQ(*Sample(machine, sampler, 20000000, 1000000), 100.0);  // busy throughout
}

TEST(SampleCPUUsage, AMissingEntryIsLookedUpAgainEachTime) {
    TestMachine machine;
    machine.hasNtQuery = false;
    CPUUsageSampler sampler;
    EXPECT_FALSE(Sample(machine, sampler, 10000000, 1000000));
    EXPECT_FALSE(Sample(machine, sampler, 20000000, 1000000));
    EXPECT_EQ(machine.ntQueryLookups, 2);
    machine.hasNtQuery = true;
    EXPECT_FALSE(Sample(machine, sampler, 30000000, 1000000));  // the first real sample
    EXPECT_DOUBLE_EQ(*Sample(machine, sampler, 40000000, 6000000), 50.5);
    EXPECT_EQ(machine.ntQueryLookups, 3) << "kept once found";
}

TEST(SampleCPUUsage, RecordLengthsFollowThePointerWidth) {
    EXPECT_EQ(UsageRecordLayoutFor(4).basicLength, 44u);
    EXPECT_EQ(UsageRecordLayoutFor(4).processorsOffset, 40u);
    EXPECT_EQ(UsageRecordLayoutFor(8).basicLength, 64u);
    EXPECT_EQ(UsageRecordLayoutFor(8).processorsOffset, 56u);
    EXPECT_EQ(UsageRecordLayoutFor(8).performanceLength, 312u);
}

}  // namespace
}  // namespace orvane
