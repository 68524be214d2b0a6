#pragma once
// The user's date, time and number conventions.

#include <string>

namespace orvane::ui {

std::string LocaleShortDate();
std::string LocaleLongTime();
char LocaleDecimalSeparator();
// The digit-grouping separator (LOCALE_STHOUSAND): one or more bytes, or none.
std::string LocaleThousandsSeparator();

}  // namespace orvane::ui
