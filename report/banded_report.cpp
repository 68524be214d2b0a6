#include "report/banded_report.h"

#include "core/text.h"

namespace orvane::report {

ReportField* ReportLayout::Find(std::string_view fieldName) {
    for (ReportBand& band : bands) {
        for (ReportField& field : band.fields) {
            if (EqualsIgnoreCase(field.name, fieldName)) return &field;
        }
    }
    return nullptr;
}

void RenderReport(const ReportLayout& layout, Surface& surface, const std::string& dateTime) {
    double bandTop = layout.margin;
    const double left = layout.margin;
    const double printableWidth = layout.page.width - 2 * layout.margin;
    for (const ReportBand& band : layout.bands) {
        if (band.background) surface.Fill({left, bandTop, printableWidth, band.height}, *band.background);
        for (const ReportField& field : band.fields) {
            const double x = left + field.rect.x;
            const double y = bandTop + field.rect.y;
            if (field.kind == ReportField::Rule) {
                const double middle = y + field.rect.height / 2;
                surface.Line(x, middle, x + field.rect.width, middle);
                continue;
            }
            const std::string text = field.kind == ReportField::DateTime ? dateTime : field.text;
            if (field.autoSize) {
                const double width = surface.TextWidth(field.font, text);
                const MmRect clip{x, y, width, surface.LineHeight(field.font)};
                surface.Text(field.font, x, y, text, clip);
                continue;
            }
            // A fixed field: its background, then its text wrapped within it and cut at its bottom.
            const MmRect box{x, y, field.rect.width, field.rect.height};
            if (field.background) surface.Fill(box, *field.background);
            const double lineHeight = surface.LineHeight(field.font);
            double lineTop = y;
            for (const std::string& line : WrapText(surface, field.font, text, field.rect.width)) {
                if (lineTop >= y + field.rect.height) break;
                surface.Text(field.font, x, lineTop, line, box);
                lineTop += lineHeight;
            }
        }
        bandTop += band.height;
    }
}

}  // namespace orvane::report
