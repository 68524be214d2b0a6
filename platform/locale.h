#pragma once
// The user's number conventions and the system's ANSI code page.

#include <optional>
#include <string>
#include <string_view>

namespace orvane::platform {

class Locale {
public:
    virtual ~Locale() = default;
    // LOCALE_STHOUSAND of the user's locale, as GetLocaleInfoA gives it (it may be empty); nullopt when
    // the call fails.
    virtual std::optional<std::string> ThousandSeparator() = 0;
    // WideCharToMultiByte into the ANSI code page (characters it lacks become its default character);
    // nullopt when the call fails.
    virtual std::optional<std::string> WideToAnsi(std::u16string_view text) = 0;
    // MultiByteToWideChar from the ANSI code page (bytes it cannot map become its default character);
    // nullopt when the call fails.
    virtual std::optional<std::u16string> AnsiToWide(std::string_view text) = 0;
};

}  // namespace orvane::platform
