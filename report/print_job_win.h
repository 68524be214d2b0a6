#pragma once
// Printing a document: the print dialog (printer, copies, page range), then a print job whose pages the
// document draws through the report surface. The job asks for A4 portrait in its device mode; a printer
// without A4 prints on its own paper, the page scaled to fit.

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

    PageSize Paper() override { return paper_; }
    Surface& Measure() override { return measure_; }
    Surface& BeginPage() override;
    void EndPage() override;
    // Ends the document; throws UserError when the printer refuses it.
    void Finish();

private:
    HDC dc_;
    PageSize paper_;
    bool open_ = true;
    GdiSurface measure_;
    std::optional<GdiSurface> page_;
};

// The sheet a printer device context prints on, in millimetres.
PageSize PaperOf(HDC printer);

// The sheet the default printer will print the report on: A4 portrait where it has A4, otherwise its own
// paper in portrait; A4 when there is no printer. The preview shows this sheet.
PageSize DefaultPrinterPaper();

enum class Orientation { Portrait, Landscape };

// Prints the document on the printer the user picks, on A4 in the orientation given (or the printer's own
// paper where it has no A4); nothing when the dialog is cancelled or the page range leaves every page
// out. Failures throw UserError.
void PrintWithDialog(HWND owner, const Document& document, const char* documentName,
                     Orientation orientation = Orientation::Portrait);

}  // namespace orvane::report
