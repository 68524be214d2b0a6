#pragma once
// The inventory's files are UTF-8, while the program's texts are bytes in the system's ANSI code page:
// the conversion goes through the platform (MultiByteToWideChar), then from UTF-16 to UTF-8 here.

#include <string>
#include <string_view>

#include "platform/locale.h"

namespace orvane::inventory {

// UTF-16 as UTF-8; a surrogate without its partner becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

// ANSI bytes as UTF-8. ASCII is kept as it is without asking the platform; where the platform's
// conversion fails, every byte above 0x7F becomes U+FFFD, so the result is always valid UTF-8.
std::string AnsiToUtf8(platform::Locale& locale, std::string_view ansi);

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

}  // namespace orvane::inventory
