#pragma once
// What the tests and the fuzz targets look for in a page: its markup as the sequence of its tags, so that
// a page made from hostile texts can be compared with one made from harmless ones.

#include <string>
#include <string_view>
#include <vector>

namespace orvane::inventory::testing {

// Each "<...>" of the page, in order, with its attributes.
inline std::vector<std::string> TagSequence(std::string_view page) {
    std::vector<std::string> tags;
    std::size_t at = page.find('<');
    while (at != std::string_view::npos) {
        const std::size_t end = page.find('>', at);
        if (end == std::string_view::npos) {
            tags.push_back(std::string(page.substr(at)));
            break;
        }
        tags.push_back(std::string(page.substr(at, end - at + 1)));
        at = page.find('<', end);
    }
    return tags;
}

}  // namespace orvane::inventory::testing
