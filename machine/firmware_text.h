#pragma once
// Texts that firmware and device replies carry: a value, or a maker's placeholder that means "none".

#include <optional>
#include <string>
#include <string_view>

namespace orvane::machine {

// The text without leading and trailing blanks and control bytes; absent when nothing is left or when
// what is left is a placeholder a maker never filled in ("To be filled by O.E.M.", "Default string",
// "0123456789", a run of one filler character, all 0xFF bytes, a template's own field name, ...).
std::optional<std::string> FirmwareText(std::string_view raw);

// Whether a trimmed text is one of those placeholders.
bool IsPlaceholderText(std::string_view trimmed);

}  // namespace orvane::machine
