#pragma once

#include <string>

#include "app/summary.h"
#include "platform/files.h"

namespace orvane {

std::string CannotCreateFileMessage(const std::string& path);

// Writes the text report to path, replacing what was there; raises UserError "Cannot create file
// <path>" when the file cannot be written (the old file, if any, is then left as it was).
void WriteTextReport(platform::Files& files, const std::string& path, const ReportLines& lines);

}  // namespace orvane
