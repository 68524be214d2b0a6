#pragma once
// The printed summary: a banded report layout in millimetres and the renderer that draws it on any
// surface. The print preview and the printer draw the same page through the same renderer.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/layout.h"

namespace orvane {

struct MmRect {
    double x = 0;  // from the band's left edge
    double y = 0;  // from the band's top
    double width = 0;
    double height = 0;
};

struct ReportFont {
    const char* face = "Arial";
    double points = 9.75;
    bool bold = false;
};

struct ReportField {
    enum Kind { Text, DateTime, Rule };
    std::string name;
    Kind kind = Text;
    std::string text;
    MmRect rect;
    ReportFont font;
    std::optional<ui::Colour> background;
    bool autoSize = false;  // sized to its text: only rect.x and rect.y count
};

struct ReportBand {
    std::string name;
    double height = 0;
    std::optional<ui::Colour> background;
    std::vector<ReportField> fields;
};

struct ReportLayout {
    std::string name;
    std::string title;
    double pageWidth = 210;  // A4 portrait
    double pageHeight = 297;
    double margin = 10;
    ReportFont font;  // the report's own font
    std::vector<ReportBand> bands;  // printed top to bottom, each below the last

    // The field of that name, compared without regard to case; nullptr when there is none.
    ReportField* Find(std::string_view fieldName);
};

// TQuickReport4: the title band and the detail band with the 29 label and value fields.
ReportLayout BuildSummaryReportLayout(const char* webSite);
// TQuickReport5: the personal information layout, a title only.
ReportLayout BuildPersonalReportLayout();

// What the renderer needs of a page: millimetres from the page's top-left corner.
class ReportSurface {
public:
    virtual ~ReportSurface() = default;
    virtual void Fill(const MmRect& rect, ui::Colour colour) = 0;
    virtual void Line(double x0, double y0, double x1, double y1) = 0;
    virtual double TextWidth(const ReportFont& font, std::string_view text) = 0;
    virtual double LineHeight(const ReportFont& font) = 0;
    // One line of text whose top-left corner is (x, y), clipped to the rectangle.
    virtual void Text(const ReportFont& font, double x, double y, std::string_view text, const MmRect& clip) = 0;
};

// Splits the text into lines that fit the width, breaking at spaces where it can.
std::vector<std::string> WrapText(ReportSurface& surface, const ReportFont& font, std::string_view text,
                                  double width);

// Draws the report's one page; dateTime fills the date-and-time fields.
void RenderReport(const ReportLayout& layout, ReportSurface& surface, const std::string& dateTime);

}  // namespace orvane
