#include "windows/inventory_list.h"

namespace orvane {

std::string CountText(std::size_t rows) {
    return "Count: " + std::to_string(rows);
}

}  // namespace orvane
