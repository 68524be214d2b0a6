#pragma once
// The user's date, time and number conventions.

#include <string>

namespace orvane::ui {

std::string LocaleShortDate();
std::string LocaleLongTime();
char LocaleDecimalSeparator();

}  // namespace orvane::ui
