#pragma once
// The printed summary's own layouts, drawn by the report engine (report/): the preview and the printer
// draw the same page through the same renderer.

#include "report/banded_report.h"

namespace orvane {

using report::ReportField;
using report::ReportLayout;

// TQuickReport4: the title band and the detail band with the 29 label and value fields.
ReportLayout BuildSummaryReportLayout(const char* webSite);
// TQuickReport5: the personal information layout, a title only.
ReportLayout BuildPersonalReportLayout();

}  // namespace orvane
