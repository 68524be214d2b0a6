#pragma once
// Printing a document: the print dialog (printer, copies, page range), then a print job whose pages the
// document draws through the report surface.

#include <windows.h>

#include <optional>

#include "report/document.h"
#include "report/gdi_surface_win.h"

namespace orvane::report {

// A print job on a printer device context: StartDoc when made, a surface per page, EndDoc at Finish.
// A job that is not finished is aborted, so a failure leaves no half-printed document queued.
class PrinterJob : public PageTarget {
public:
    // Throws UserError when the job cannot be started.
    PrinterJob(HDC printer, const char* documentName);
    PrinterJob(const PrinterJob&) = delete;
    PrinterJob& operator=(const PrinterJob&) = delete;
    ~PrinterJob() override;

    Surface& Measure() override { return measure_; }
    Surface& BeginPage() override;
    void EndPage() override;
    // Ends the document; throws UserError when the printer refuses it.
    void Finish();

private:
    HDC dc_;
    bool open_ = true;
    GdiSurface measure_;
    std::optional<GdiSurface> page_;
};

enum class Orientation { Portrait, Landscape };

// Prints the document on the printer the user picks, in the orientation given; nothing when the dialog
// is cancelled or the page range leaves every page out. Failures throw UserError.
void PrintWithDialog(HWND owner, const Document& document, const char* documentName,
                     Orientation orientation = Orientation::Portrait);

}  // namespace orvane::report
