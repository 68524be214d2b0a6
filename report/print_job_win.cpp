#include "report/print_job_win.h"

#include <commdlg.h>

#include <algorithm>

#include "core/error.h"

namespace orvane::report {

PrinterJob::PrinterJob(HDC printer, const char* documentName) : dc_(printer), measure_(GdiSurface::ForPrinter(printer)) {
    DOCINFOA document{};
    document.cbSize = sizeof document;
    document.lpszDocName = documentName;
    if (StartDocA(dc_, &document) <= 0) throw UserError("Printing failed.");
}

PrinterJob::~PrinterJob() {
    if (open_) AbortDoc(dc_);
}

Surface& PrinterJob::BeginPage() {
    if (StartPage(dc_) <= 0) throw UserError("Printing failed.");
    // Fonts are made afresh on each page: some drivers reset the context at StartPage.
    page_.emplace(GdiSurface::ForPrinter(dc_));
    return *page_;
}

void PrinterJob::EndPage() {
    page_.reset();
    if (::EndPage(dc_) <= 0) throw UserError("Printing failed.");
}

void PrinterJob::Finish() {
    open_ = false;
    if (EndDoc(dc_) <= 0) throw UserError("Printing failed.");
}

namespace {

// Turns the printer's page to the orientation asked; the context then reports the turned page's size.
void SetOrientation(PRINTDLGA& dialog, Orientation orientation) {
    if (!dialog.hDevMode) return;
    auto* mode = static_cast<DEVMODEA*>(GlobalLock(dialog.hDevMode));
    if (!mode) return;
    mode->dmFields |= DM_ORIENTATION;
    mode->dmOrientation = orientation == Orientation::Landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    const HDC reset = ResetDCA(dialog.hDC, mode);
    GlobalUnlock(dialog.hDevMode);
    if (!reset) throw UserError("The printer cannot print in this orientation.");
}

}  // namespace

void PrintWithDialog(HWND owner, const Document& document, const char* documentName, Orientation orientation) {
    PRINTDLGA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    dialog.nFromPage = 1;
    dialog.nToPage = 1;
    dialog.nMinPage = 1;
    dialog.nMaxPage = 1;
    dialog.nCopies = 1;
    if (!PrintDlgA(&dialog)) return;
    struct Cleanup {
        PRINTDLGA& d;
        ~Cleanup() {
            if (d.hDC) DeleteDC(d.hDC);
            if (d.hDevMode) GlobalFree(d.hDevMode);
            if (d.hDevNames) GlobalFree(d.hDevNames);
        }
    } cleanup{dialog};
    HDC printer = dialog.hDC;
    if (!printer) throw UserError("There is no printer to print on.");
    if (orientation == Orientation::Landscape) SetOrientation(dialog, orientation);
    PageRange range;
    if (dialog.Flags & PD_PAGENUMS) range = {dialog.nFromPage, dialog.nToPage};
    GdiSurface measure = GdiSurface::ForPrinter(printer);
    if (PagesInRange(document.PageCount(measure), range) == 0) return;
    PrinterJob job(printer, documentName);
    // The driver makes the copies when it can (nCopies is then 1); otherwise each is a page of its own.
    PrintPages(document, job, std::max<int>(1, dialog.nCopies), range);
    job.Finish();
}

}  // namespace orvane::report
