#pragma once
// The summary's output formats, as pure functions of its 29 (label, value) pairs. Every line ends in
// CR LF; the bytes are ANSI text as the rows hold them.

#include <string>
#include <string_view>

#include "app/summary.h"

namespace orvane {

// 29 lines "label: value": the batch file and the text save.
std::string BuildTextReport(const ReportLines& lines);

// 29 lines "label","value" with no header. A double quote inside a field is doubled, so that every
// line stays two well-formed fields.
std::string BuildCsvReport(const ReportLines& lines);

// The text followed by spaces up to `width` characters, at most 64 of them; a longer text is kept whole.
std::string PadWithSpaces(int width, std::string_view text);

// 29 lines: the label and ": " padded to 20 characters, a TAB, the value.
std::string BuildClipboardText(const ReportLines& lines);

// The HTML page: a title with the computer name, a heading with the date and time, one table per row,
// and links to the product's page and the author's site. Label, value and computer name are escaped.
std::string BuildHtmlPage(const ReportLines& lines, std::string_view computerName, std::string_view dateTime,
                          std::string_view productPage, std::string_view site);

// &, <, > and " as entities.
std::string EscapeHtml(std::string_view text);

}  // namespace orvane
