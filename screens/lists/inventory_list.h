#pragma once
// What the inventory windows' refreshes hand their report lists: rows of item text and sub-items in the
// order read, and the registry error that ended the refresh early, if one did. The rows read until then
// stay, as a list the refresh filled row by row would keep them; the count is only shown after a whole
// refresh.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/programs.h"

namespace orvane {

using ListRow = std::vector<std::string>;  // the item text, then the sub-items

struct ListRefresh {
    std::vector<ListRow> rows;
    std::optional<std::string> error;  // "Invalid data type for '<name>'"
};

// The status bar's count: "Count: " and the number of rows in decimal.
std::string CountText(std::size_t rows);

// Whether this program runs on 64-bit Windows, which keeps a second registry view for 32-bit programs: a
// 64-bit program always does, a 32-bit one when it runs under WOW64.
bool RunsOn64BitWindows(bool program64, platform::Programs& programs);

}  // namespace orvane
