#include "app/report_formats.h"

namespace orvane {

std::string BuildTextReport(const ReportLines& lines) {
    std::string text;
    for (const ReportLine& line : lines) {
        text += line.label;
        text += ": ";
        text += line.value;
        text += "\r\n";
    }
    return text;
}

}  // namespace orvane
