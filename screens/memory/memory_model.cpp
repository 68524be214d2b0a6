#include "screens/memory/memory_model.h"

#include "core/text.h"

namespace orvane {

std::string ByteText(std::uint64_t bytes, std::string_view thousandsSeparator) {
    // The picture "#,##" prints no digit for zero.
    return (bytes == 0 ? std::string() : GroupThousands(bytes, thousandsSeparator)) + " bytes";
}

std::string SizeText(std::uint64_t bytes, std::string_view thousandsSeparator) {
    const unsigned long long megabytes = (bytes >> 20) + 1;
    return ByteText(bytes, thousandsSeparator) + Format("   (%llu MB)", megabytes);
}

std::string AddressText(std::uint64_t address) {
    return Format("%08llX", static_cast<unsigned long long>(address));
}

std::string AddressRangeText(std::uint64_t lowest, std::uint64_t highest) {
    return AddressText(lowest) + " - " + AddressText(highest);
}

MemoryWindowTexts ReadMemoryWindow(platform::System& sys) {
    const std::string thousandsSeparator = sys.ThousandSeparator().value_or(",");
    MemoryWindowTexts texts;
    if (const auto status = sys.MemoryStatusEx()) {
        const std::uint64_t counts[] = {status->totalPhysical,     status->availablePhysical, status->totalPageFile,
                                        status->availablePageFile, status->totalVirtual,      status->availableVirtual};
        for (std::size_t i = 0; i < std::size(counts); ++i) texts.values[i] = SizeText(counts[i], thousandsSeparator);
        texts.load = static_cast<int>(status->load);
        texts.status = status;
    }
    const platform::MemoryLayout layout = sys.SystemMemoryLayout();
    texts.layout = layout;
    texts.values[6] = ByteText(layout.allocationGranularity, thousandsSeparator);
    texts.values[7] = AddressRangeText(layout.minimumApplicationAddress, layout.maximumApplicationAddress);
    texts.values[8] = ByteText(layout.pageSize, thousandsSeparator);
    return texts;
}

}  // namespace orvane
