#include "ui/clipboard_win.h"

#include <cstring>

#include "core/error.h"

namespace orvane::ui {

void CopyTextToClipboard(HWND owner, const std::string& text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!memory) throw UserError("Not enough memory to copy the information to the clipboard.");
    void* bytes = GlobalLock(memory);
    if (!bytes) {
        GlobalFree(memory);
        throw UserError("Not enough memory to copy the information to the clipboard.");
    }
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    if (!OpenClipboard(owner)) {
        GlobalFree(memory);
        throw UserError("Cannot open clipboard");
    }
    const bool placed = EmptyClipboard() && SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
    // The clipboard owns the memory only once it has taken it.
    if (!placed) {
        GlobalFree(memory);
        throw UserError("The information could not be placed on the clipboard.");
    }
}

}  // namespace orvane::ui
