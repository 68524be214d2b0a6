#include "app/report_outputs.h"

#include "app/batch.h"
#include "app/report_formats.h"
#include "core/web_addresses.h"
#include "core/error.h"
#include "core/replace_file.h"
#include "core/text.h"

namespace orvane {

void SaveSummary(platform::Files& files, const std::string& path, int filterIndex, const ReportLines& lines) {
    const std::string bytes = filterIndex == kCsvFilter ? BuildCsvReport(lines) : BuildTextReport(lines);
    if (ReplaceFileContents(files, path, bytes) != 0) throw UserError(CannotCreateFileMessage(path));
}

void ExportSummaryHtml(platform::Files& files, const std::string& path, const ReportLines& lines,
                       const std::string& computerName, const std::string& dateTime) {
    const std::string page = BuildHtmlPage(lines, computerName, dateTime, kProductPage, kAuthorSite);
    const int error = ReplaceFileContents(files, path, page);
    if (error != 0) throw UserError(InOutErrorText(error));
}

std::string InOutErrorText(int osError) {
    switch (osError) {
        case 2: return "File not found";
        case 3: return "Invalid filename";
        case 4: return "Too many open files";
        case 5: return "File access denied";
        case 100: return "Read beyond end of file";
        case 101: return "Disk full";
        case 106: return "Invalid numeric input";
        default: return Format("I/O error %d", osError);
    }
}

}  // namespace orvane
