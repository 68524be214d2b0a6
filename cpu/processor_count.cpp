#include "cpu/processor_count.h"

namespace orvane {

namespace {

std::uint32_t ReadLe32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(bytes[offset + i]) << (8 * i);
    return value;
}

std::uint16_t ReadLe16(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

// Walks the extended records one Size at a time, handing each whole record to visit.
template <typename Visit>
void EachExRecord(std::span<const std::uint8_t> records, Visit visit) {
    constexpr std::size_t kHeaderBytes = 8;  // Relationship, Size
    std::size_t at = 0;
    while (records.size() - at >= kHeaderBytes) {
        const std::uint32_t size = ReadLe32(records, at + 4);
        if (size < kHeaderBytes || size > records.size() - at) return;
        visit(ReadLe32(records, at), records.subspan(at, size));
        at += size;
    }
}

}  // namespace

unsigned CountPackageRecordsEx(std::span<const std::uint8_t> records) {
    unsigned packages = 0;
    EachExRecord(records, [&](std::uint32_t relationship, std::span<const std::uint8_t>) {
        if (relationship == kRelationProcessorPackage) ++packages;
    });
    return packages;
}

unsigned CountPackageRecords(std::span<const std::uint8_t> records, const ProcessorRecordLayout& layout) {
    unsigned packages = 0;
    for (std::size_t at = 0; records.size() - at >= layout.recordBytes; at += layout.recordBytes) {
        if (ReadLe32(records, at + layout.relationshipOffset) == kRelationProcessorPackage) ++packages;
    }
    return packages;
}

unsigned SumActiveGroupProcessors(std::span<const std::uint8_t> records, const ProcessorRecordLayout& layout) {
    unsigned processors = 0;
    EachExRecord(records, [&](std::uint32_t relationship, std::span<const std::uint8_t> record) {
        if (relationship != kRelationGroup || record.size() < layout.groupInfoOffset) return;
        const std::size_t groups = ReadLe16(record, layout.activeGroupCountOffset);
        for (std::size_t g = 0; g < groups; ++g) {
            const std::size_t info = layout.groupInfoOffset + g * layout.groupInfoBytes;
            // A count of groups the record has no room for stops at what it holds.
            if (info > record.size() || record.size() - info < layout.groupInfoBytes) return;
            processors += record[info + layout.activeProcessorCountOffset];
        }
    });
    return processors;
}

unsigned CountProcessorPackages(System& sys) {
    if (const auto records = sys.ProcessorRelationsEx(kRelationProcessorPackage)) {
        if (const unsigned packages = CountPackageRecordsEx(*records)) return packages;
    }
    if (const auto records = sys.ProcessorRelations()) {
        if (const unsigned packages = CountPackageRecords(*records, ProcessorRecordLayoutFor(sizeof(void*)))) {
            return packages;
        }
    }
    return sys.ProcessorCount();
}

std::optional<unsigned> ActiveProcessorsOfAllGroups(System& sys) {
    const auto records = sys.ProcessorRelationsEx(kRelationGroup);
    if (!records) return std::nullopt;
    const unsigned processors = SumActiveGroupProcessors(*records, ProcessorRecordLayoutFor(sizeof(void*)));
    if (processors == 0) return std::nullopt;
    return processors;
}

}  // namespace orvane
