#include "screens/preview/print_preview_win.h"

#include "screens/preview/print_preview_layout.h"
#include <cmath>

#include "report/banded_report.h"
#include "report/gdi_surface_win.h"
#include "report/print_job_win.h"

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

void PrintPreviewForm::Preview(const report::ReportLayout& layout, const std::string& dateTime) {
    const report::LayoutDocument document(layout, dateTime);
    Preview(document);
}

void PrintPreviewForm::Preview(const report::Document& document) {
    document_ = &document;
    // The sheet the default printer will print on: A4 portrait, or the printer's own paper with the
    // page scaled to fit where it has no A4.
    paper_ = report::DefaultPrinterPaper();
    const int width = PagePixels(paper_.width);
    const int height = PagePixels(paper_.height);
    const int margin = ui::Scale(kPreviewDeskMargin);
    const bool a4 = std::abs(paper_.width - 210) < 1 && std::abs(paper_.height - 297) < 1;
    if (!a4) {
        if (HWND page = Control("Page")) SetWindowPos(page, nullptr, margin, margin, width, height, SWP_NOZORDER);
        if (HWND edge = Control("DeskEdge")) {
            SetWindowPos(edge, nullptr, margin, margin + height, 1, margin, SWP_NOZORDER);
        }
    }
    if (HWND page = Control("Page")) InvalidateRect(page, nullptr, TRUE);
    ShowModal();
    document_ = nullptr;
}

void PrintPreviewForm::OnPaintBox(const std::string& name, HDC dc, const RECT& rect) {
    if (name != "Page" || !document_) return;
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const double perMm = PagePixels(1000) / 1000.0;
    report::GdiSurface paper(dc, perMm, perMm, POINT{rect.left, rect.top});
    report::FittedSurface surface(paper, report::FitPage(document_->Page(), paper_));
    document_->DrawPage(surface, 0);
    FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void PrintPreviewForm::OnClick(const std::string& name) {
    if (name == "CloseButton") HideForm();
    if (name == "PrintButton") ui::RunCommand(Handle(), [this] { PrintReport(); });
}

void PrintPreviewForm::PrintReport() {
    if (document_) report::PrintWithDialog(Handle(), *document_, "Orvane");
}

}  // namespace orvane
