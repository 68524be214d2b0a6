#include "ui/common_dialogs_win.h"

namespace orvane::ui {

namespace {

template <typename Entry>
Entry Lookup(const char* name) {
    static const HMODULE library = LoadLibraryA("comdlg32.dll");
    return library ? reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
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
