#pragma once
// The unattended inventory run (/JSON, /HTML, /REDACT): no window and no message box; the exit status
// tells what happened, and a console the program was started from hears one line when it failed.

#include <string>

#include "app/command_line.h"

namespace orvane {

// The exit status: 0 written, 1 not written, 2 a command line the program does not understand.
int RunInventoryBatch(const LaunchOptions& options);

// "2024-05-01T09:30:00Z" for now.
std::string CurrentTimeRfc3339();

}  // namespace orvane
