#include "ui/image_win.h"

#include <objbase.h>
#include <shellapi.h>

#include <algorithm>

#include "platform/win32/bounded_call.h"
#include "platform/win32/handles.h"

namespace orvane::ui {

void ImageBox::SetIcon(HICON icon) {
    if (!control_) {
        if (icon) DestroyIcon(icon);
        return;
    }
    HICON previous = reinterpret_cast<HICON>(SendMessageA(control_, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0));
    if (previous && previous != icon) DestroyIcon(previous);
}

HICON ImageBox::Icon() const {
    return control_ ? reinterpret_cast<HICON>(SendMessageA(control_, STM_GETICON, 0, 0)) : nullptr;
}

HICON AssociatedIcon(const std::string& path, std::uint32_t waitMs) {
    // The shell asks the path's drive for the icon, and a drive that stopped answering would hold the
    // window: the lookup runs on a helper, and an icon that comes after the time is up is destroyed
    // there.
    auto answer = win32::CallWithin<win32::UniqueIcon>(waitMs, [path] {
        const HRESULT com = CoInitialize(nullptr);
        // The call may write the path of the icon's file back into its buffer.
        char buffer[MAX_PATH] = {};
        std::copy_n(path.begin(), std::min<std::size_t>(path.size(), MAX_PATH - 1), buffer);
        WORD index = 0;
        win32::UniqueIcon icon(ExtractAssociatedIconA(GetModuleHandleA(nullptr), buffer, &index));
        if (!icon.Get()) {
            // Where no icon is associated with the path itself (Wine's answer for a drive's root), the
            // shell's own icon for it: the drive's.
            SHFILEINFOA info{};
            if (SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_LARGEICON)) {
                icon = win32::UniqueIcon(info.hIcon);
            }
        }
        if (SUCCEEDED(com)) CoUninitialize();
        return icon;
    });
    return answer.result ? answer.result->Release() : nullptr;
}

void ReleaseImage(HWND control) {
    ImageBox(control).SetIcon(nullptr);
}

}  // namespace orvane::ui
