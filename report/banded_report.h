#pragma once
// A banded one-page report: bands printed top to bottom, each holding fields placed in millimetres from
// the band's top-left corner (text, the date and time, rules). Its renderer draws the page on any surface.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/document.h"
#include "report/surface.h"

namespace orvane::report {

struct ReportField {
    enum Kind { Text, DateTime, Rule };
    std::string name;
    Kind kind = Text;
    std::string text;
    MmRect rect;
    Font font;
    std::optional<Colour> background;
    bool autoSize = false;  // sized to its text: only rect.x and rect.y count
};

struct ReportBand {
    std::string name;
    double height = 0;
    std::optional<Colour> background;
    std::vector<ReportField> fields;
};

struct ReportLayout {
    std::string name;
    std::string title;
    PageSize page;  // A4 portrait unless set
    double margin = 10;
    Font font;                      // the report's own font
    std::vector<ReportBand> bands;  // printed top to bottom, each below the last

    // The field of that name, compared without regard to case; nullptr when there is none.
    ReportField* Find(std::string_view fieldName);
};

// Draws the report's one page; dateTime fills the date-and-time fields.
void RenderReport(const ReportLayout& layout, Surface& surface, const std::string& dateTime);

// The layout as a one-page document, with the date and time its fields show.
class LayoutDocument : public Document {
public:
    LayoutDocument(const ReportLayout& layout, std::string dateTime)
        : layout_(layout), dateTime_(std::move(dateTime)) {}
    PageSize Page() const override { return layout_.page; }
    int PageCount(Surface&) const override { return 1; }
    void DrawPage(Surface& surface, int) const override { RenderReport(layout_, surface, dateTime_); }

private:
    const ReportLayout& layout_;
    std::string dateTime_;
};

}  // namespace orvane::report
