#include "app/print_preview_win.h"

#include "app/window_layouts.h"
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

void PrintPreviewForm::Preview(const ReportLayout& layout, const std::string& dateTime) {
    const report::LayoutDocument document(layout, dateTime);
    Preview(document);
}

void PrintPreviewForm::Preview(const report::Document& document) {
    document_ = &document;
    if (HWND page = Control("Page")) InvalidateRect(page, nullptr, TRUE);
    ShowModal();
    document_ = nullptr;
}

void PrintPreviewForm::OnPaintBox(const std::string& name, HDC dc, const RECT& rect) {
    if (name != "Page" || !document_) return;
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const double perMm = PagePixels(1000) / 1000.0;
    report::GdiSurface surface(dc, perMm, perMm, POINT{rect.left, rect.top});
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
