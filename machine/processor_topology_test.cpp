#include "machine/processor_topology.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvane::machine {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PutLe(Bytes& bytes, std::size_t at, std::uint64_t value, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

Bytes Core(std::uint8_t efficiencyClass, std::uint64_t mask, std::size_t pointerSize) {
    Bytes record(kCoreGroupMaskOffset + GroupAffinityBytes(pointerSize), 0);
    PutLe(record, 0, kRelationProcessorCore, 4);
    PutLe(record, 4, record.size(), 4);
    record[kCoreEfficiencyClassOffset] = efficiencyClass;
    PutLe(record, kCoreGroupCountOffset, 1, 2);
    PutLe(record, kCoreGroupMaskOffset, mask, pointerSize);
    return record;
}

TEST(ProcessorTopology, BothPointerWidthsAndOneClassOfCores) {
    for (std::size_t width : {std::size_t{4}, std::size_t{8}}) {
        SCOPED_TRACE(width);
        Bytes records;
        for (int i = 0; i < 4; ++i) {
            const Bytes core = Core(0, 0x3ull << (2 * i), width);
            records.insert(records.end(), core.begin(), core.end());
        }
        const auto topology = ParseProcessorTopology(records, width);
        ASSERT_TRUE(topology);
        EXPECT_EQ(topology->cores, 4u);
        EXPECT_EQ(topology->logicalProcessors, 8u);
        EXPECT_EQ(topology->performanceCores, 4u);  // one class: no efficiency cores
        EXPECT_EQ(topology->efficiencyCores, 0u);
        EXPECT_FALSE(topology->damaged);
        EXPECT_FALSE(topology->l2);
    }
}

TEST(ProcessorTopology, DamagedRecordsEndTheWalkKeepingWhatCameBefore) {
    const Bytes core = Core(1, 0x1, 8);
    struct Case {
        const char* what;
        std::size_t declaredSize;  // of the second record
        std::size_t cutTo;         // the reply's length (0: whole)
    };
    const Case cases[] = {
        {"a Size of 0 would never move on", 0, 0},
        {"a Size shorter than the header", 4, 0},
        {"a Size past the reply", 4096, 0},
        {"a reply cut inside the second header", core.size(), core.size() + 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes records = core;
        Bytes second = core;
        PutLe(second, 4, c.declaredSize, 4);
        records.insert(records.end(), second.begin(), second.end());
        if (c.cutTo) records.resize(c.cutTo);
        const auto topology = ParseProcessorTopology(records, 8);
        ASSERT_TRUE(topology);
        EXPECT_TRUE(topology->damaged);
        EXPECT_EQ(topology->cores, 1u);
    }
    EXPECT_FALSE(ParseProcessorTopology({}, 8));
    // A core record too short for its group mask counts the core, not processors it cannot read.
    Bytes shortCore = core;
    PutLe(shortCore, kCoreGroupCountOffset, 3, 2);
    const auto topology = ParseProcessorTopology(shortCore, 8);
    ASSERT_TRUE(topology);
    EXPECT_EQ(topology->logicalProcessors, 1u);
}

}  // namespace
}  // namespace orvane::machine
