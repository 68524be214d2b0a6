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

// A printer without A4 (a Letter-only one) gets the same page scaled to fit: every field in proportion,
// every value wrapped into the same lines.
TEST(SummaryReport, PrintsInProportionOnASheetWithoutA4) {
    ReportLayout layout = BuildSummaryReportLayout("https://example.test");
    std::string value;
    for (int word = 0; word < 40; ++word) value += "word" + std::to_string(word % 10) + " ";
    layout.Find("QRInfo3")->text = value;
    layout.Find("QRDesc29")->text = "Modems";
    const report::LayoutDocument document(layout, "10/12/2026 12:00:00");
    auto print = [&](report::PageSize paper) {
        report::testing::RecordingTarget target;
        target.paper = paper;
        target.measure.sizedByPoints = true;
        EXPECT_EQ(report::PrintPages(document, target), 1);
        return target;
    };
    const auto a4 = print({210, 297});
    const auto letter = print({215.9, 279.4});
    const double scale = 279.4 / 297;
    const double offsetX = (215.9 - 210 * scale) / 2;
    ASSERT_EQ(a4.pages.size(), 1u);
    ASSERT_EQ(letter.pages.size(), 1u);
    ASSERT_EQ(a4.pages[0].texts.size(), letter.pages[0].texts.size());
    for (std::size_t i = 0; i < a4.pages[0].texts.size(); ++i) {
        const auto& onA4 = a4.pages[0].texts[i];
        const auto& onLetter = letter.pages[0].texts[i];
        EXPECT_EQ(onLetter.text, onA4.text) << "the same lines in the same order";
        EXPECT_NEAR(onLetter.x, offsetX + onA4.x * scale, 1e-9) << onA4.text;
        EXPECT_NEAR(onLetter.y, onA4.y * scale, 1e-9) << onA4.text;
        EXPECT_NEAR(onLetter.points, onA4.points * scale, 1e-9) << onA4.text;
    }
    const auto* modems = letter.pages[0].Find("Modems");
    ASSERT_TRUE(modems);
    EXPECT_LT(modems->y + 5, 279.4 - 10 * scale) << "the last row stays above the scaled bottom margin";
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
