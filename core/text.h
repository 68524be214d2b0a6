#pragma once
// Small text helpers shared by the probes and the outputs. Text is 8-bit, in the ANSI code page.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// Removes leading and trailing characters with codes up to and including 32 (spaces, control
// characters and zero bytes alike).
std::string Trim(std::string_view text);

std::string ToUpperAscii(std::string_view text);
std::string ToLowerAscii(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// The bytes up to the first zero byte, or all of them.
std::string TextUpToNul(const std::uint8_t* bytes, std::size_t count);
inline std::string TextUpToNul(const std::vector<std::uint8_t>& bytes) {
    return TextUpToNul(bytes.data(), bytes.size());
}

// The digits of a number grouped in threes with the separator given ("536,870,912").
std::string GroupThousands(std::uint64_t value, std::string_view separator);

// printf-style formatting into a std::string.
std::string Format(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// A whole number with its digits grouped in threes by the separator, at least one digit: the picture
// format "#,#0" (1234567 with "," gives "1,234,567"; 0 gives "0").
std::string GroupDigits(std::int64_t value, std::string_view separator);

// Appends one item of a list result: the item followed by " | ".
inline void AppendListItem(std::string& list, std::string_view item) {
    list.append(item);
    list.append(" | ");
}

// A value with one decimal, rounded half away from zero, with the given decimal separator
// ("0.0" as a picture format).
std::string FormatOneDecimal(double value, char decimalSeparator);

}  // namespace orvane
