#include "screens/lists/inventory_list.h"

namespace orvane {

std::string CountText(std::size_t rows) {
    return "Count: " + std::to_string(rows);
}

bool RunsOn64BitWindows(bool program64, platform::Programs& programs) {
    return program64 || programs.IsWow64Process();
}

}  // namespace orvane
