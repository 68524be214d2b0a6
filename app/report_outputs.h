#pragma once
// Writing the summary's files: the text or CSV save and the HTML export, with their error texts.

#include <string>

#include "app/summary.h"
#include "platform/files.h"

namespace orvane {

// The save dialog's filter entries, numbered from 1 as the dialog numbers them.
inline constexpr int kTextFilter = 1;
inline constexpr int kCsvFilter = 2;
inline constexpr const char* kSaveFilter = "Text File (*.TXT)|*.txt|Comma Seperated Variable (*.CSV)|*.csv";
inline constexpr const char* kHtmlFilter = "HTML|*.htm";
inline constexpr const char* kCopiedTitle = "Information";
inline constexpr const char* kCopiedText = "System Information copied to clipboard.";

// The text or CSV form as the filter entry chooses, whatever the file's extension; raises UserError
// "Cannot create file <path>" when it cannot be written.
void SaveSummary(platform::Files& files, const std::string& path, int filterIndex, const ReportLines& lines);

// Raises UserError with the input/output error text ("File access denied") when it cannot be written.
void ExportSummaryHtml(platform::Files& files, const std::string& path, const ReportLines& lines,
                       const std::string& computerName, const std::string& dateTime);

// The runtime's text for an input/output error with this system error code.
std::string InOutErrorText(int osError);

}  // namespace orvane
