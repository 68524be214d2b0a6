#pragma once
// The print preview: a report's page as it will print, with Print (printer, copies, page range through
// the print dialog) and Close.

#include <memory>

#include "report/banded_report.h"
#include "report/document.h"
#include "ui/form_win.h"

namespace orvane {

class PrintPreviewForm : public ui::Form {
public:
    PrintPreviewForm();

    // Shows the document's first page and returns when the preview is closed.
    void Preview(const report::Document& document);
    void Preview(const report::ReportLayout& layout, const std::string& dateTime);

protected:
    ui::Layout BuildLayout() override;
    void OnClick(const std::string& name) override;
    void OnPaintBox(const std::string& name, HDC dc, const RECT& rect) override;
    bool UsesDialogKeys() const override { return true; }

private:
    void PrintReport();

    const report::Document* document_ = nullptr;
    report::PageSize paper_;
};

}  // namespace orvane
