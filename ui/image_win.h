#pragma once
// The image: an icon shown at its own size, owned by the control from the moment it is set.

#include <windows.h>

#include <cstdint>
#include <string>

namespace orvane::ui {

class ImageBox {
public:
    explicit ImageBox(HWND control = nullptr) : control_(control) {}
    explicit operator bool() const { return control_ != nullptr; }
    HWND Handle() const { return control_; }

    // Shows the icon and frees the one shown before; nullptr clears the image.
    void SetIcon(HICON icon);
    HICON Icon() const;

private:
    HWND control_;
};

// The icon the shell associates with a path (a drive's root gives the drive's icon), for an image to
// own; nullptr when there is none, or when the shell has not found it within waitMs.
HICON AssociatedIcon(const std::string& path, std::uint32_t waitMs);

// Frees the icon an image still shows (when its window goes).
void ReleaseImage(HWND control);

}  // namespace orvane::ui
