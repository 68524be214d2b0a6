#include "ui/common_dialogs_win.h"

#include "platform/win32/imports.h"
#include "platform/win32/system_dlls.h"

namespace orvane::ui {

namespace {

template <typename Entry>
Entry Lookup(const char* name) {
    static const HMODULE library = win32::LoadSystemLibrary("comdlg32.dll");
    return win32::ImportFrom<Entry>(library, name);
}

using FileDialogEntry = BOOL(WINAPI*)(OPENFILENAMEA*);
using PrintDialogEntry = BOOL(WINAPI*)(PRINTDLGA*);

}  // namespace

BOOL ShowOpenFileDialog(OPENFILENAMEA& dialog) {
    static const auto entry = Lookup<FileDialogEntry>("GetOpenFileNameA");
    return entry ? entry(&dialog) : FALSE;
}

BOOL ShowSaveFileDialog(OPENFILENAMEA& dialog) {
    static const auto entry = Lookup<FileDialogEntry>("GetSaveFileNameA");
    return entry ? entry(&dialog) : FALSE;
}

BOOL ShowPrintDialog(PRINTDLGA& dialog) {
    static const auto entry = Lookup<PrintDialogEntry>("PrintDlgA");
    return entry ? entry(&dialog) : FALSE;
}

}  // namespace orvane::ui
