#include "core/text.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace orvane {

namespace {
bool IsTrimmed(char c) {
    return static_cast<unsigned char>(c) <= 32;
}
char UpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
}  // namespace

std::string Trim(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsTrimmed(text[first])) ++first;
    while (last > first && IsTrimmed(text[last - 1])) --last;
    return std::string(text.substr(first, last - first));
}

std::string ToUpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = UpperAscii(c);
    return out;
}

std::string ToLowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = LowerAscii(c);
    return out;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
    }
    return true;
}

std::string TextUpToNul(const std::uint8_t* bytes, std::size_t count) {
    std::size_t length = 0;
    while (length < count && bytes[length] != 0) ++length;
    return std::string(reinterpret_cast<const char*>(bytes), length);
}

std::string GroupThousands(std::uint64_t value, std::string_view separator) {
    const std::string digits = std::to_string(value);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped.append(separator);
        grouped.push_back(digits[i]);
    }
    return grouped;
}

std::string GroupDigits(std::int64_t value, std::string_view separator) {
    // The magnitude unsigned, so that the most negative number keeps its digits.
    const std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    return (value < 0 ? "-" : "") + GroupThousands(magnitude, separator);
}

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out;
    if (length > 0) {
        out.resize(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(out.data(), out.size(), format, args);
        out.resize(static_cast<std::size_t>(length));
    }
    va_end(args);
    return out;
}

std::string FormatOneDecimal(double value, char decimalSeparator) {
    if (!std::isfinite(value)) return std::string("0") + decimalSeparator + "0";
    // Round on the decimal digits, not on the binary value: 12.45 shows 12.5 as the user expects.
    const std::string digits = Format("%.10f", std::fabs(value));
    const std::size_t point = digits.find('.');
    std::string whole = digits.substr(0, point);
    int tenths = digits[point + 1] - '0';
    if (digits[point + 2] >= '5' && ++tenths == 10) {
        tenths = 0;
        int i = static_cast<int>(whole.size()) - 1;
        for (; i >= 0 && whole[static_cast<std::size_t>(i)] == '9'; --i) whole[static_cast<std::size_t>(i)] = '0';
        if (i < 0) {
            whole.insert(whole.begin(), '1');
        } else {
            ++whole[static_cast<std::size_t>(i)];
        }
    }
    const bool negative = value < 0 && (whole != "0" || tenths != 0);
    return (negative ? "-" : "") + whole + decimalSeparator + static_cast<char>('0' + tenths);
}

}  // namespace orvane
