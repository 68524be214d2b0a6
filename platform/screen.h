#pragma once
// The screen's device context, as the display window reads its capabilities.

namespace orvane::platform {

// GetDeviceCaps indexes.
inline constexpr int kCapsTechnology = 2;
inline constexpr int kCapsHorzRes = 8;
inline constexpr int kCapsVertRes = 10;
inline constexpr int kCapsBitsPixel = 12;
inline constexpr int kCapsAspectX = 40;
inline constexpr int kCapsAspectY = 42;
inline constexpr int kCapsAspectXY = 44;
inline constexpr int kCapsLogPixelsY = 90;

class Screen {
public:
    virtual ~Screen() = default;
    // GetDeviceCaps of the whole screen's device context (GetDC(0), released afterwards).
    virtual int ScreenDeviceCaps(int index) = 0;
};

}  // namespace orvane::platform
