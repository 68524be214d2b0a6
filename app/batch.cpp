#include "app/batch.h"

#include "app/report_formats.h"
#include "core/error.h"
#include "core/replace_file.h"

namespace orvane {

std::string CannotCreateFileMessage(const std::string& path) { return "Cannot create file " + path; }

void WriteTextReport(platform::Files& files, const std::string& path, const ReportLines& lines) {
    if (ReplaceFileContents(files, path, BuildTextReport(lines)) != 0) throw UserError(CannotCreateFileMessage(path));
}

}  // namespace orvane
