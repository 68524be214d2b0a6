#pragma once
// The program's 8-bit text and the system's UTF-16, converted through the ANSI code page, for the
// interfaces that only take wide strings (COM automation, WMI).

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace orvane::win32 {

inline std::wstring Widen(std::string_view text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(length, 0)), L'\0');
    if (length > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

// Characters the code page cannot spell become its default character.
inline std::string Narrow(const wchar_t* text, std::size_t length) {
    if (!text || length == 0) return {};
    const int count = static_cast<int>(length);
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text, count, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(std::max(bytes, 0)), '\0');
    if (bytes > 0) WideCharToMultiByte(CP_ACP, 0, text, count, narrow.data(), bytes, nullptr, nullptr);
    return narrow;
}

}  // namespace orvane::win32
