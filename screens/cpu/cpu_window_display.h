#pragma once
// What the CPU window's live displays show: the usage label and gauges, and the digit texts drawn as
// seven-segment figures for the clock speed and the time-stamp counter.

#include <cstdint>
#include <string>

namespace orvane {

inline constexpr std::size_t kSpeedDigitCount = 5;
inline constexpr std::size_t kCounterDigitCount = 16;

// The whole MHz (fraction dropped) as five digits with leading zeros: 2793.39 gives "02793".
std::string SpeedDigits(double megahertz);
// The counter as sixteen digits with leading zeros: 123456789012 gives "0000123456789012". A counter
// of more than sixteen digits shows its first sixteen.
std::string CounterDigits(std::uint64_t counter);
// What the counter display shows when the counter cannot be read.
std::string CounterFailureDigits();

// The usage label, "10.5 %", with the user's decimal separator.
std::string UsageLabelText(double usage, char decimalSeparator);
// The gauges' position: the usage with its fraction dropped, kept within the gauges' 0 to 100.
int UsageGaugePosition(double usage);

// The digit a character of a digit text stands for, or -1 for a character that is not a digit.
int DigitValue(char c);

}  // namespace orvane
