#include "app/printed_report.h"

#include "app/summary.h"
#include "core/text.h"

#include <tuple>

namespace orvane {

namespace {

// Design pixels at 96 per inch, in millimetres.
constexpr double Mm(double pixels) { return pixels * 25.4 / 96.0; }

constexpr ReportFont kReportFont{"Arial", 9.75, false};
constexpr ReportFont kRowFont{"Arial", 12, true};

}  // namespace

ReportField* ReportLayout::Find(std::string_view fieldName) {
    for (ReportBand& band : bands) {
        for (ReportField& field : band.fields) {
            if (EqualsIgnoreCase(field.name, fieldName)) return &field;
        }
    }
    return nullptr;
}

ReportLayout BuildSummaryReportLayout(const char* webSite) {
    auto field = [](std::string name, ReportField::Kind kind, std::string text, MmRect rect, ReportFont font,
                    std::optional<ui::Colour> background = std::nullopt) {
        ReportField made;
        made.name = std::move(name);
        made.kind = kind;
        made.text = std::move(text);
        made.rect = rect;
        made.font = font;
        made.background = background;
        return made;
    };
    auto sizedToText = [&](std::string name, ReportField::Kind kind, std::string text, double x, double y,
                           ReportFont font) {
        ReportField made = field(std::move(name), kind, std::move(text), {x, y, 0, 0}, font);
        made.autoSize = true;
        return made;
    };

    ReportLayout layout;
    layout.name = "TQuickReport4";
    layout.font = kReportFont;

    ReportBand title{"TitleBand1", 10.58, ui::kWhite, {}};
    title.fields.push_back(
        sizedToText("QRLabel1", ReportField::Text, "Orvane", 59.0, 2.12, {"Georgia", 20.25, false}));
    title.fields.push_back(sizedToText("QRSysData1", ReportField::DateTime, "", 133.35, 4.23, kReportFont));
    layout.bands.push_back(title);

    ReportBand detail{"DetailBand1", 265.38, ui::kWhite, {}};
    for (int row = 1; row <= kSummaryRowCount; ++row) {
        const double top = Mm(16 + 32 * (row - 1));
        const std::string label = "QRDesc" + std::to_string(row);
        const std::string value = "QRInfo" + std::to_string(row);
        detail.fields.push_back(field(label, ReportField::Text, label, {Mm(8), top, Mm(150), Mm(20)}, kRowFont,
                                      ui::kSkyBlue));
        detail.fields.push_back(field(value, ReportField::Text, value, {Mm(176), top, Mm(535), Mm(20)}, kRowFont,
                                      ui::Rgb(255, 255, 225)));
    }
    // Each rule runs along the middle of its 721 x 10 box.
    for (auto [rule, x, y] : {std::tuple{"QRShape1", 0, -3}, {"QRShape2", 8, 701}, {"QRShape3", 8, 829}}) {
        detail.fields.push_back(field(rule, ReportField::Rule, "", {Mm(x), Mm(y), Mm(721), Mm(10)}, kReportFont));
    }
    detail.fields.push_back(
        sizedToText("QRLabel2", ReportField::Text, "Orvane", Mm(9), Mm(944), {"Georgia", 15.75, false}));
    detail.fields.push_back(sizedToText("QRLabel3", ReportField::Text, webSite, Mm(9), Mm(976), kReportFont));
    layout.bands.push_back(detail);
    return layout;
}

ReportLayout BuildPersonalReportLayout() {
    ReportLayout layout;
    layout.name = "TQuickReport5";
    layout.title = "Personal Information";
    layout.font = kReportFont;
    return layout;
}

std::vector<std::string> WrapText(ReportSurface& surface, const ReportFont& font, std::string_view text,
                                  double width) {
    std::vector<std::string> lines;
    std::string current;
    std::size_t at = 0;
    while (at < text.size()) {
        // The next word with the spaces that follow it.
        std::size_t end = text.find(' ', at);
        end = end == std::string_view::npos ? text.size() : end + 1;
        const std::string word(text.substr(at, end - at));
        if (!current.empty() && surface.TextWidth(font, Trim(current + word)) > width) {
            lines.push_back(Trim(current));
            current.clear();
        }
        current += word;
        at = end;
    }
    if (!current.empty() || lines.empty()) lines.push_back(Trim(current));
    return lines;
}

void RenderReport(const ReportLayout& layout, ReportSurface& surface, const std::string& dateTime) {
    double bandTop = layout.margin;
    const double left = layout.margin;
    const double printableWidth = layout.pageWidth - 2 * layout.margin;
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

}  // namespace orvane
