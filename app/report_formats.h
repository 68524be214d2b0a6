#pragma once
// The summary's output formats, as pure functions of its 29 (label, value) pairs.

#include <string>

#include "app/summary.h"

namespace orvane {

// 29 lines "label: value", each ending in CR LF: the batch file and the text save.
std::string BuildTextReport(const ReportLines& lines);

}  // namespace orvane
