#include "ui/file_dialog_win.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "ui/common_dialogs_win.h"
#include "ui/error_box_win.h"

namespace orvane::ui {

namespace {

// The dialog's file-name box (cmb13).
constexpr int kFileNameBox = 0x47C;

// Keeps what the user can type into the name box short enough that the current folder and the name
// together stay within MAX_PATH: dialogs join them in a buffer of that size, and Wine's overruns its
// stack when they do not fit.
void LimitFileNameBox(HWND dialog) {
    char folder[MAX_PATH * 4] = {};
    const auto length = SendMessageA(dialog, CDM_GETFOLDERPATH, sizeof folder, reinterpret_cast<LPARAM>(folder));
    const int folderLength = length > 0 ? static_cast<int>(length) : 0;
    // A separator and the terminating NUL besides the folder; a name never gets fewer than a few places.
    const int room = std::max(MAX_PATH - 2 - folderLength, 8);
    HWND box = GetDlgItem(dialog, kFileNameBox);
    if (!box) return;
    // The box is an extended combo box (its edit sits two levels down) or a plain combo box.
    HWND edit = reinterpret_cast<HWND>(SendMessageA(box, CBEM_GETEDITCONTROL, 0, 0));
    if (edit) {
        SendMessageA(edit, EM_LIMITTEXT, static_cast<WPARAM>(room), 0);
    } else {
        SendMessageA(box, CB_LIMITTEXT, static_cast<WPARAM>(room), 0);
    }
}

UINT_PTR CALLBACK FileDialogHook(HWND hook, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_NOTIFY) return 0;
    const auto* notice = reinterpret_cast<const OFNOTIFYA*>(lParam);
    // The hook's own window is a child of the dialog; the folder can change while it is open.
    if (notice->hdr.code == CDN_INITDONE || notice->hdr.code == CDN_FOLDERCHANGE) {
        Guarded(GetParent(hook), [&] { LimitFileNameBox(GetParent(hook)); });
    }
    return 0;
}

}  // namespace

FileDialog::FileDialog(std::string filter, std::string defaultExtension, bool save)
    : defaultExtension_(std::move(defaultExtension)), save_(save) {
    for (char& c : filter) {
        if (c == '|') c = '\0';
    }
    filter_ = filter + std::string(2, '\0');
}

std::optional<std::string> FileDialog::Show(HWND owner) {
    std::vector<char> name(MAX_PATH * 4, '\0');
    fileName_.copy(name.data(), name.size() - 1);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter_.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(filterIndex_);
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrDefExt = defaultExtension_.empty() ? nullptr : defaultExtension_.c_str();
    // No overwrite prompt: an existing file is replaced without asking.
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_ENABLEHOOK |
                   (save_ ? 0 : OFN_FILEMUSTEXIST);
    dialog.lpfnHook = FileDialogHook;
    const BOOL chosen = save_ ? ShowSaveFileDialog(dialog) : ShowOpenFileDialog(dialog);
    if (!chosen) return std::nullopt;
    fileName_ = name.data();
    filterIndex_ = static_cast<int>(dialog.nFilterIndex);
    return fileName_;
}

}  // namespace orvane::ui
