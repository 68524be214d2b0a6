#pragma once
// Printing a document: the print dialog (printer, copies, page range), then a print job whose pages the
// document draws through the report surface. The dialog opens on A4; a document laid out for A4 asks for
// it again in the job's device mode, and a printer without A4 prints on its own paper, the page scaled to
// fit.

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

enum class PaperChoice {
    A4,          // the document is laid out for A4: the job asks for it whatever the dialog showed
    UserChoice,  // the dialog opens on A4 and the job prints on the paper the user leaves chosen there
};

// Prints the document on the printer the user picks, in the orientation given, on the paper the choice
// says (a printer without A4 keeps its own paper); nothing when the dialog is cancelled or the page
// range leaves every page out. The dialog offers a page range where the document has more than one page
// on the printer it opens with. Failures throw UserError.
void PrintWithDialog(HWND owner, const Document& document, const char* documentName,
                     Orientation orientation = Orientation::Portrait, PaperChoice paper = PaperChoice::A4);

}  // namespace orvane::report
