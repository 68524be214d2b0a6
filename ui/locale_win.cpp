#include "ui/locale_win.h"

#include <windows.h>

namespace orvane::ui {

std::string LocaleShortDate() {
    char text[128] = {};
    return GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text, sizeof text) ? text : "";
}

std::string LocaleLongTime() {
    char text[128] = {};
    return GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, text, sizeof text) ? text : "";
}

char LocaleDecimalSeparator() {
    char separator[8] = {};
    return GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) > 1 ? separator[0] : '.';
}

}  // namespace orvane::ui
