#pragma once
// The inventory as one page for people: a table of contents, then every window a section, its values
// in an Item / Details table and its lists as tables, every text escaped. UTF-8, LF line ends.

#include <string>
#include <string_view>

#include "inventory/inventory.h"
#include "platform/locale.h"

namespace orvane::inventory {

std::string BuildInventoryHtml(const Inventory& inventory, platform::Locale& locale);

// UTF-8 text for an HTML text or attribute: &, <, >, " and ' as references, and the control characters
// other than TAB, LF and CR (which a page may not hold) as U+FFFD.
std::string EscapeHtmlText(std::string_view utf8);

}  // namespace orvane::inventory
