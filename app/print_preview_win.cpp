#include "app/print_preview_win.h"

#include <commdlg.h>

#include "app/window_layouts.h"
#include "core/error.h"
#include "ui/report_surface_win.h"

namespace orvane {

namespace {

int PagePixels(double mm) {
    return static_cast<int>(mm * ui::Scale(96) / 96.0 * kPreviewPixelsPerMm);
}

}  // namespace

PrintPreviewForm::PrintPreviewForm()
    : ui::Form(ui::FormSpec{.className = "TQRPreview",
                            .caption = "Print Preview",
                            .width = 720,
                            .height = 760,
                            .position = ui::FormPosition::ScreenCenter,
                            .background = ui::Rgb(128, 128, 128)}) {}

ui::Layout PrintPreviewForm::BuildLayout() {
    return BuildPrintPreviewLayout();
}

void PrintPreviewForm::Preview(const ReportLayout& layout, const std::string& dateTime) {
    layout_ = &layout;
    dateTime_ = dateTime;
    if (HWND page = Control("Page")) InvalidateRect(page, nullptr, TRUE);
    ShowModal();
}

void PrintPreviewForm::OnPaintBox(const std::string& name, HDC dc, const RECT& rect) {
    if (name != "Page" || !layout_) return;
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const double perMm = PagePixels(1000) / 1000.0;
    ui::GdiReportSurface surface(dc, perMm, perMm, POINT{rect.left, rect.top});
    RenderReport(*layout_, surface, dateTime_);
    FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void PrintPreviewForm::OnClick(const std::string& name) {
    if (name == "CloseButton") HideForm();
    if (name == "PrintButton") ui::RunCommand(Handle(), [this] { PrintReport(); });
}

void PrintPreviewForm::PrintReport() {
    if (layout_) PrintReportWithDialog(Handle(), *layout_, dateTime_);
}

void PrintReportWithDialog(HWND owner, const ReportLayout& layout, const std::string& dateTime) {
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
    // The report has one page: a range that leaves it out prints nothing.
    if ((dialog.Flags & PD_PAGENUMS) && (dialog.nFromPage > 1 || dialog.nToPage < 1)) return;
    HDC printer = dialog.hDC;
    if (!printer) throw UserError("There is no printer to print on.");
    DOCINFOA document{};
    document.cbSize = sizeof document;
    document.lpszDocName = "Orvane";
    if (StartDocA(printer, &document) <= 0) throw UserError("Printing failed.");
    // The driver makes the copies when it can; otherwise each is a page of its own.
    const int copies = std::max<int>(1, dialog.nCopies);
    for (int copy = 0; copy < copies; ++copy) {
        if (StartPage(printer) <= 0) {
            AbortDoc(printer);
            throw UserError("Printing failed.");
        }
        ui::GdiReportSurface surface = ui::GdiReportSurface::ForPrinter(printer);
        RenderReport(layout, surface, dateTime);
        EndPage(printer);
    }
    EndDoc(printer);
}

}  // namespace orvane
