#include "app/printed_report.h"

#include "app/summary.h"
#include "ui/layout.h"

#include <tuple>

namespace orvane {

namespace {

using report::Font;
using report::MmRect;
using report::ReportBand;

// Design pixels at 96 per inch, in millimetres.
constexpr double Mm(double pixels) { return pixels * 25.4 / 96.0; }

constexpr Font kReportFont{"Arial", 9.75, false};
constexpr Font kRowFont{"Arial", 12, true};

}  // namespace

ReportLayout BuildSummaryReportLayout(const char* webSite) {
    auto field = [](std::string name, ReportField::Kind kind, std::string text, MmRect rect, Font font,
                    std::optional<report::Colour> background = std::nullopt) {
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
                           Font font) {
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

}  // namespace orvane
