#include "core/registry_names.h"

#include <algorithm>

namespace orvane {

std::vector<std::string> EnumerateNames(const NameEnumeration& call, std::size_t firstBytes, std::size_t largestBytes) {
    std::vector<std::string> names;
    std::vector<char> buffer(std::max<std::size_t>(firstBytes, 1));
    for (std::uint32_t index = 0;;) {
        auto length = static_cast<std::uint32_t>(buffer.size());
        const long status = call(index, buffer.data(), length);
        if (status == kEnumSuccess) {
            names.emplace_back(buffer.data(), std::min<std::size_t>(length, buffer.size()));
            ++index;
        } else if (status == kEnumMoreData && buffer.size() < largestBytes) {
            buffer.resize(std::min(buffer.size() * 2, largestBytes));
        } else if (status == kEnumMoreData) {
            ++index;  // longer than any name the registry holds: the rest still counts
        } else {
            break;
        }
    }
    return names;
}

}  // namespace orvane
