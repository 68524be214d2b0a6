#include "app/print_preview_win.h"

#include <cmath>

#include "report/banded_report.h"
#include "report/gdi_surface_win.h"
#include "report/print_job_win.h"

namespace orvane {

namespace {

constexpr int kToolStripHeight = 40;
// The page is shown at 3 pixels (96 DPI) to the millimetre, on a grey desk.
constexpr double kPreviewPixelsPerMm = 3.0;
constexpr int kDeskMargin = 12;

int PagePixels(double mm) { return static_cast<int>(mm * ui::Scale(96) / 96.0 * kPreviewPixelsPerMm); }

}  // namespace

PrintPreviewForm::PrintPreviewForm()
    : ui::Form(ui::FormSpec{.className = "TQRPreview",
                            .caption = "Print Preview",
                            .width = 720,
                            .height = 760,
                            .position = ui::FormPosition::ScreenCenter,
                            .background = ui::Rgb(128, 128, 128)}) {}

ui::Layout PrintPreviewForm::BuildLayout() {
    using ui::ControlKind;
    const int pageWidth = static_cast<int>(210 * kPreviewPixelsPerMm);
    const int pageHeight = static_cast<int>(297 * kPreviewPixelsPerMm);
    return {
        {"ToolPanel", ControlKind::Panel, "", {0, 0, 2000, kToolStripHeight}, "", std::nullopt},
        {"PrintButton", ControlKind::DefaultButton, "Print", {8, 8, 80, 25}, "ToolPanel", std::nullopt},
        {"CloseButton", ControlKind::Button, "Close", {96, 8, 80, 25}, "ToolPanel", std::nullopt},
        {"Desk", ControlKind::ScrollBox, "", {}, "", std::nullopt},
        {"Page", ControlKind::PaintBox, "", {kDeskMargin, kDeskMargin, pageWidth, pageHeight}, "Desk", std::nullopt},
        {"DeskEdge", ControlKind::Label, "", {kDeskMargin, kDeskMargin + pageHeight, 1, kDeskMargin}, "Desk",
         std::nullopt},
    };
}

void PrintPreviewForm::Preview(const ReportLayout& layout, const std::string& dateTime) {
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
    const int margin = ui::Scale(kDeskMargin);
    const bool a4 = std::abs(paper_.width - 210) < 1 && std::abs(paper_.height - 297) < 1;
    if (!a4) {
        if (HWND page = Control("Page")) SetWindowPos(page, nullptr, margin, margin, width, height, SWP_NOZORDER);
        if (HWND edge = Control("DeskEdge")) {
            SetWindowPos(edge, nullptr, margin, margin + height, 1, margin, SWP_NOZORDER);
        }
    }
    SetFillInsets(ui::Scale(kToolStripHeight), 0);
    if (HWND page = Control("Page")) InvalidateRect(page, nullptr, TRUE);
    ShowModal();
    document_ = nullptr;
}

void PrintPreviewForm::OnResize() {
    RECT client;
    GetClientRect(Handle(), &client);
    if (HWND panel = Control("ToolPanel")) {
        SetWindowPos(panel, nullptr, 0, 0, client.right, ui::Scale(kToolStripHeight), SWP_NOZORDER | SWP_NOMOVE);
    }
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

void PrintPreviewForm::OnControlCommand(const std::string& name, HWND, int, int notifyCode) {
    if (notifyCode != BN_CLICKED) return;
    if (name == "CloseButton") HideForm();
    if (name == "PrintButton") ui::RunCommand(Handle(), [this] { PrintReport(); });
}

void PrintPreviewForm::PrintReport() {
    if (document_) report::PrintWithDialog(Handle(), *document_, "Orvane");
}

}  // namespace orvane
