#include "app/printed_report.h"

#include <gtest/gtest.h>

#include "report/testing/recording_surface.h"

namespace orvane {
namespace {

using report::testing::RecordingSurface;

TEST(SummaryReport, PlacesEveryFieldInMillimetresFromThePaperCorner) {
    ReportLayout layout = BuildSummaryReportLayout("https://example.test");
    layout.Find("qrdesc1")->text = "Windows";  // found without regard to case
    layout.Find("QRInfo1")->text = "Windows XP5.1 (Build 2600) Service Pack 2";
    layout.Find("QRDesc29")->text = "Modems";
    RecordingSurface surface;
    RenderReport(layout, surface, "10/12/2026 12:00:00");

    const double detailTop = 10 + 10.58;  // the margin, then the title band
    const auto* label = surface.Find("Windows");
    ASSERT_TRUE(label);
    EXPECT_NEAR(label->x, 10 + 2.12, 0.01);
    EXPECT_NEAR(label->y, detailTop + 4.23, 0.01);
    const auto* modems = surface.Find("Modems");
    ASSERT_TRUE(modems);
    EXPECT_NEAR(modems->y, detailTop + (16 + 32 * 28) * 25.4 / 96, 0.01);  // 8.47 mm (32 design pixels) a row
    const auto* date = surface.Find("10/12/2026 12:00:00");
    ASSERT_TRUE(date);
    EXPECT_NEAR(date->x, 10 + 133.35, 0.01);
    EXPECT_NEAR(date->y, 10 + 4.23, 0.01);
    const auto* site = surface.Find("https://example.test");
    ASSERT_TRUE(site);
    EXPECT_NEAR(site->y, detailTop + 258.23, 0.01);
    // Three rules along the middles of their boxes: the first at the very top of the band.
    ASSERT_EQ(surface.lines.size(), 3u);
    EXPECT_NEAR(surface.lines[0][1], detailTop - 0.79 + 1.32, 0.01);
    EXPECT_NEAR(surface.lines[1][0], 10 + 2.12, 0.01);
    EXPECT_NEAR(surface.lines[2][1], detailTop + 219.34 + 1.32, 0.01);
    EXPECT_NEAR(surface.lines[0][2] - surface.lines[0][0], 190.76, 0.01);
}

TEST(SummaryReport, ALongValueWrapsInsideItsFieldAndItsTailIsCut) {
    ReportLayout layout = BuildSummaryReportLayout("https://example.test");
    // 141.55 mm holds 70 characters of 2 mm; the field's 5.29 mm hold two lines of 4 mm.
    std::string value;
    for (int word = 0; word < 40; ++word) value += "word" + std::to_string(word % 10) + " ";
    layout.Find("QRInfo3")->text = value;
    RecordingSurface surface;
    RenderReport(layout, surface, "");
    std::vector<const RecordingSurface::Drawn*> drawn;
    for (const auto& text : surface.texts) {
        if (text.text.rfind("word", 0) == 0) drawn.push_back(&text);
    }
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_LE(surface.TextWidth({}, drawn[0]->text), 141.55);
    EXPECT_NEAR(drawn[1]->y - drawn[0]->y, 4.0, 1e-9);
    EXPECT_NEAR(drawn[0]->clip.height, 5.29, 0.01) << "text is clipped to the field";
}

TEST(SummaryReport, FieldsKeepTheirDesignTextsUntilFilled) {
    ReportLayout layout = BuildSummaryReportLayout("https://example.test");
    EXPECT_EQ(layout.Find("QRDesc1")->text, "QRDesc1");
    EXPECT_EQ(layout.Find("QRInfo29")->text, "QRInfo29");
    EXPECT_EQ(layout.Find("QRInfo30"), nullptr);
    EXPECT_EQ(BuildPersonalReportLayout().title, "Personal Information");
}

}  // namespace
}  // namespace orvane
