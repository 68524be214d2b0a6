#include "ui/file_dialog_win.h"

#include <commdlg.h>

#include <vector>

namespace orvane::ui {

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
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR |
                   (save_ ? 0 : OFN_FILEMUSTEXIST);
    const BOOL chosen = save_ ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    if (!chosen) return std::nullopt;
    fileName_ = name.data();
    filterIndex_ = static_cast<int>(dialog.nFilterIndex);
    return fileName_;
}

}  // namespace orvane::ui
