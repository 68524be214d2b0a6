#include "cpu/processor_count.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "platform/testing/test_machine.h"

namespace orvane {
namespace {

using testing::TestMachine;

TEST(CountProcessorPackages, CountsChipsNotLogicalProcessors) {
    struct Case {
        const char* what;
        unsigned logical;  // dwNumberOfProcessors
        unsigned packages;
        bool hasEx;
        bool hasClassic;
        unsigned shown;
    };
    const Case cases[] = {
        {"one i7-13700K, 24 threads", 24, 1, true, true, 1},
        {"two sockets of 16 threads", 32, 2, true, true, 2},
        {"four sockets, without the extended call (Vista)", 16, 4, false, true, 4},
        {"neither call (98, ME, NT 4, 2000)", 2, 2, false, false, 2},
        {"neither call, one processor", 1, 1, false, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestMachine machine;
        machine.processors = c.logical;
        machine.packages = c.packages;
        machine.hasProcessorRelationsEx = c.hasEx;
        machine.hasProcessorRelations = c.hasClassic;
        EXPECT_EQ(CountProcessorPackages(machine), c.shown);
    }
}

TEST(CountProcessorPackages, AnAnswerWithoutPackagesFallsToTheNextSource) {
    TestMachine machine;
    machine.processors = 12;
    machine.packages = 2;
    machine.processorRelationsExBytes[kRelationProcessorPackage] = {};
    EXPECT_EQ(CountProcessorPackages(machine), 2u) << "the classic records";
    machine.processorRelationsBytes = std::vector<std::uint8_t>(7, 0xFF);  // not even one record
    EXPECT_EQ(CountProcessorPackages(machine), 12u) << "dwNumberOfProcessors";
}

// Extended records as the call writes them: the relationship, the size, and the rest (as many bytes as
// the size says, unless the record is cut short).
std::vector<std::uint8_t> ExRecord(std::uint32_t relationship, std::uint32_t size, std::size_t bytes = 0) {
    std::vector<std::uint8_t> record(bytes ? bytes : std::max<std::size_t>(size, 8));
    for (int i = 0; i < 4; ++i) {
        record[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(relationship >> (8 * i));
        record[static_cast<std::size_t>(4 + i)] = static_cast<std::uint8_t>(size >> (8 * i));
    }
    return record;
}

std::vector<std::uint8_t> Join(std::initializer_list<std::vector<std::uint8_t>> records) {
    std::vector<std::uint8_t> all;
    for (const auto& record : records) all.insert(all.end(), record.begin(), record.end());
    return all;
}

TEST(CountPackageRecordsEx, StopsAtARecordThatCannotBeOne) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> records;
        unsigned packages;
    };
    const Case cases[] = {
        {"two packages among other relations",
         Join({ExRecord(3, 48), ExRecord(0, 48), ExRecord(2, 56), ExRecord(3, 48)}), 2},
        {"nothing", {}, 0},
        {"a size of 0 would walk on the spot", Join({ExRecord(3, 48), ExRecord(3, 0), ExRecord(3, 48)}), 1},
        {"a size past the end", Join({ExRecord(3, 48), ExRecord(3, 4096, 48)}), 1},
        {"a header cut short", {3, 0, 0, 0, 48, 0}, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(CountPackageRecordsEx(c.records), c.packages) << c.what;
}

TEST(SumActiveGroupProcessors, AddsEveryGroupTheRecordHolds) {
    for (std::size_t pointerSize : {std::size_t{4}, std::size_t{8}}) {
        SCOPED_TRACE(pointerSize);
        const ProcessorRecordLayout layout = ProcessorRecordLayoutFor(pointerSize);
        auto groupRecord = [&](std::vector<unsigned> active, std::size_t declared, std::size_t held) {
            std::vector<std::uint8_t> record = ExRecord(
                kRelationGroup, static_cast<std::uint32_t>(layout.groupInfoOffset + held * layout.groupInfoBytes));
            record[layout.activeGroupCountOffset] = static_cast<std::uint8_t>(declared);
            for (std::size_t g = 0; g < active.size() && g < held; ++g) {
                record[layout.groupInfoOffset + g * layout.groupInfoBytes + layout.activeProcessorCountOffset] =
                    static_cast<std::uint8_t>(active[g]);
            }
            return record;
        };
        EXPECT_EQ(SumActiveGroupProcessors(groupRecord({64, 64}, 2, 2), layout), 128u);
        EXPECT_EQ(SumActiveGroupProcessors(groupRecord({36, 36, 20}, 3, 3), layout), 92u);
        // A count of groups the record has no room for.
        EXPECT_EQ(SumActiveGroupProcessors(groupRecord({64, 64}, 9, 2), layout), 128u);
        EXPECT_EQ(SumActiveGroupProcessors(Join({ExRecord(3, 48), groupRecord({8}, 1, 1)}), layout), 8u);
        EXPECT_EQ(SumActiveGroupProcessors(ExRecord(kRelationGroup, 12), layout), 0u) << "too short for a group";
    }
}

TEST(ProcessorRecords, DamagedAnswersAreReadWithinTheirBytes) {
    // Under the sanitizers a read past an answer fails the test.
    std::mt19937 random(20);
    const ProcessorRecordLayout layout = ProcessorRecordLayoutFor(sizeof(void*));
    for (int round = 0; round < 2000; ++round) {
        std::vector<std::uint8_t> bytes(random() % 200);
        for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random() % 4 == 0 ? random() % 64 : random());
        (void)CountPackageRecordsEx(bytes);
        (void)CountPackageRecords(bytes, layout);
        (void)SumActiveGroupProcessors(bytes, layout);
        TestMachine machine;
        machine.processorRelationsExBytes[kRelationProcessorPackage] = bytes;
        machine.processorRelationsExBytes[kRelationGroup] = bytes;
        machine.processorRelationsBytes = bytes;
        EXPECT_GE(CountProcessorPackages(machine), 1u);
        (void)ActiveProcessorsOfAllGroups(machine);
    }
}

}  // namespace
}  // namespace orvane
