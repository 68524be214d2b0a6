#pragma once
// The inventory as one JSON document: UTF-8 without a byte-order mark, LF line ends, two-space indents.
// Its keys and their meaning are described in docs/inventory.md and checked by docs/inventory.schema.json.

#include <string>
#include <string_view>

#include "inventory/inventory.h"
#include "platform/locale.h"

namespace orvane::inventory {

std::string BuildInventoryJson(const Inventory& inventory, platform::Locale& locale);

// A JSON string literal of UTF-8 text, quotes included: the quote, the backslash and every control
// character escaped.
std::string JsonString(std::string_view utf8);

}  // namespace orvane::inventory
