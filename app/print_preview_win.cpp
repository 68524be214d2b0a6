#include "app/print_preview_win.h"

#include <commdlg.h>

#include "core/error.h"
#include "ui/report_surface_win.h"

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
    layout_ = &layout;
    dateTime_ = dateTime;
    SetFillInsets(ui::Scale(kToolStripHeight), 0);
    if (HWND page = Control("Page")) InvalidateRect(page, nullptr, TRUE);
    ShowModal();
}

void PrintPreviewForm::OnResize() {
    RECT client;
    GetClientRect(Handle(), &client);
    if (HWND panel = Control("ToolPanel")) {
        SetWindowPos(panel, nullptr, 0, 0, client.right, ui::Scale(kToolStripHeight), SWP_NOZORDER | SWP_NOMOVE);
    }
}

void PrintPreviewForm::OnPaintBox(const std::string& name, HDC dc, const RECT& rect) {
    if (name != "Page" || !layout_) return;
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const double perMm = PagePixels(1000) / 1000.0;
    ui::GdiReportSurface surface(dc, perMm, perMm, POINT{rect.left, rect.top});
    RenderReport(*layout_, surface, dateTime_);
    FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void PrintPreviewForm::OnControlCommand(const std::string& name, HWND, int, int notifyCode) {
    if (notifyCode != BN_CLICKED) return;
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
