// The screen's capabilities, the user's thousands separator and the ANSI conversion.
#include <windows.h>

#include <climits>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/win32_system.h"

namespace orvane::win32 {

static_assert(platform::kCapsTechnology == TECHNOLOGY && platform::kCapsHorzRes == HORZRES &&
              platform::kCapsVertRes == VERTRES && platform::kCapsBitsPixel == BITSPIXEL &&
              platform::kCapsAspectX == ASPECTX && platform::kCapsAspectY == ASPECTY &&
              platform::kCapsAspectXY == ASPECTXY && platform::kCapsLogPixelsY == LOGPIXELSY);

int Win32System::ScreenDeviceCaps(int index) {
    const WindowDc screen(nullptr);
    return screen.Get() ? GetDeviceCaps(screen.Get(), index) : 0;
}

std::optional<std::string> Win32System::ThousandSeparator() {
    char separator[8] = {};  // LOCALE_STHOUSAND holds at most four characters with its NUL
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator, sizeof separator) == 0) return std::nullopt;
    return std::string(separator);
}

std::optional<std::string> Win32System::WideToAnsi(std::u16string_view text) {
    if (text.empty()) return std::string();
    if (text.size() > INT_MAX / 4) return std::nullopt;
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int wideLength = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_ACP, 0, wide, wideLength, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return std::nullopt;
    std::string ansi(static_cast<std::size_t>(length), '\0');
    if (WideCharToMultiByte(CP_ACP, 0, wide, wideLength, ansi.data(), length, nullptr, nullptr) != length) {
        return std::nullopt;
    }
    return ansi;
}

std::optional<std::u16string> Win32System::AnsiToWide(std::string_view text) {
    if (text.empty()) return std::u16string();
    if (text.size() > INT_MAX) return std::nullopt;
    const int ansiLength = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), ansiLength, nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::u16string wide(static_cast<std::size_t>(length), u'\0');
    if (MultiByteToWideChar(CP_ACP, 0, text.data(), ansiLength, reinterpret_cast<wchar_t*>(wide.data()), length) !=
        length) {
        return std::nullopt;
    }
    return wide;
}

}  // namespace orvane::win32
