#pragma once
// The print preview: the report's A4 page as it will print, with Print (printer, copies, page range
// through the print dialog) and Close.

#include "app/printed_report.h"
#include "ui/form_win.h"

namespace orvane {

class PrintPreviewForm : public ui::Form {
public:
    PrintPreviewForm();

    // Shows the layout's page and returns when the preview is closed.
    void Preview(const ReportLayout& layout, const std::string& dateTime);

protected:
    ui::Layout BuildLayout() override;
    void OnClick(const std::string& name) override;
    void OnPaintBox(const std::string& name, HDC dc, const RECT& rect) override;
    bool UsesDialogKeys() const override { return true; }

private:
    void PrintReport();

    const ReportLayout* layout_ = nullptr;
    std::string dateTime_;
};

// Prints the layout's page on the printer the user picks (nothing when the dialog is cancelled or
// the page range leaves the one page out).
void PrintReportWithDialog(HWND owner, const ReportLayout& layout, const std::string& dateTime);

}  // namespace orvane
