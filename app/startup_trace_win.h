#pragma once
// Start-up phases for the start-up benchmark: when ORVANE_STARTUP_TRACE names a file, each mark
// records the time since the program's entry, and the list is written to that file as the program
// ends. Without the variable a mark costs one check.

namespace orvane {

// Records that the named phase has just ended. The name must outlive the run (a literal).
void StartupMark(const char* phase);

// Writes the marks to the file named by ORVANE_STARTUP_TRACE, with the time the system took from the
// process's creation to the program's entry; nothing without the variable.
void WriteStartupTrace();

}  // namespace orvane
