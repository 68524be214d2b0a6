#pragma once
// The common dialogs of comdlg32.dll, loaded at their first use rather than with the program: a batch
// report never shows one, and loading the library at start-up costs more than the rest of the window
// set's libraries together. A library that cannot be loaded counts as a cancelled dialog.

#include <windows.h>
// After windows.h.
#include <commdlg.h>

namespace orvane::ui {

BOOL ShowOpenFileDialog(OPENFILENAMEA& dialog);
BOOL ShowSaveFileDialog(OPENFILENAMEA& dialog);
BOOL ShowPrintDialog(PRINTDLGA& dialog);

}  // namespace orvane::ui
