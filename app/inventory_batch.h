#pragma once
// The unattended inventory runs (/JSON, /HTML, /REDACT) and the main window's full report: the document
// of the format asked for, written through the same write-beside-then-replace rule as the reports.

#include <string>

#include "app/command_line.h"
#include "cpu/cpu_speed.h"
#include "inventory/inventory.h"
#include "platform/system.h"

namespace orvane::inventory {

// Exit statuses of an unattended run.
inline constexpr int kExitWritten = 0;
inline constexpr int kExitNotWritten = 1;
inline constexpr int kExitCommandLine = 2;

inline constexpr const char* kCommandLineMessage =
    "Orvane: the command line is not understood; use /JSON <file> or /HTML <file>, optionally followed by /REDACT.";

// The summary section: the 29 rows as the text report writes them, read by the summary's own refresh
// (its personal rows are the personal section's). A refresh that ends early leaves the rows it did not
// reach unread (null), and its error ends the section.
void ReadSummarySection(platform::System& sys, CPUClockRecord& clock, Value& section);

// Every section of the machine, the summary first.
Inventory ReadMachineInventory(platform::System& sys, const std::string& generatedAt);

// The whole inventory in the format given, redacted when asked.
std::string BuildInventoryDocument(platform::System& sys, InventoryFormat format, bool redact,
                                   const std::string& generatedAt);

// Writes the document to the path, replacing what was there; raises UserError "Cannot create file <path>"
// when it cannot be written (an old file is then left whole).
void WriteInventory(platform::System& sys, const std::string& path, InventoryFormat format, bool redact,
                    const std::string& generatedAt);

struct BatchOutcome {
    int exitStatus = kExitWritten;
    std::string message;  // one line for the console; empty when the file was written
};

// The run the options ask for: an inventory command, or a command line that names one badly.
BatchOutcome RunInventoryCommand(platform::System& sys, const LaunchOptions& options, const std::string& generatedAt);

}  // namespace orvane::inventory
