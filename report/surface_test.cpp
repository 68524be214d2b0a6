#include "report/surface.h"

#include <gtest/gtest.h>

#include "report/testing/recording_surface.h"

namespace orvane::report {
namespace {

using testing::RecordingSurface;

TEST(WrapText, BreaksAtSpacesWithinTheWidth) {
    RecordingSurface surface;  // 2 mm a character
    struct Case {
        std::string text;
        double width;
        std::vector<std::string> lines;
    } cases[] = {
        {"alpha beta gamma", 20, {"alpha beta", "gamma"}},
        {"alpha beta gamma", 100, {"alpha beta gamma"}},
        {"", 20, {""}},  // an empty field still has its line
        {"unbreakablewordthatislong short", 10, {"unbreakablewordthatislong", "short"}},  // never split a word
        {"a  b", 4, {"a", "b"}},                                                          // the spaces at a break go
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WrapText(surface, {}, c.text, c.width), c.lines) << c.text;
    }
}

TEST(FitPage, ScalesAnA4PageDownOnlyWhereTheSheetIsSmaller) {
    struct Case {
        const char* sheet;
        PageSize paper;
        double scale, offsetX, offsetY;
    };
    const Case cases[] = {
        {"A4", {210, 297}, 1, 0, 0},
        {"A4 in whole 300-DPI pixels", {209.97, 297.01}, 1, 0, 0},
        {"A3: drawn at its own size from the corner", {297, 420}, 1, 0, 0},
        {"Letter: the height decides, centred across", {215.9, 279.4}, 279.4 / 297, (215.9 - 210 * 279.4 / 297) / 2, 0},
        {"A4 landscape", {297, 210}, 210.0 / 297, (297 - 210 * 210.0 / 297) / 2, 0},
        {"A5: the width decides", {148, 210}, 148.0 / 210, 0, (210 - 297 * 148.0 / 210) / 2},
        {"no sheet at all", {0, 0}, 1, 0, 0},
    };
    for (const Case& c : cases) {
        const PageFit fit = FitPage({210, 297}, c.paper);
        EXPECT_NEAR(fit.scale, c.scale, 1e-9) << c.sheet;
        EXPECT_NEAR(fit.offsetX, c.offsetX, 1e-9) << c.sheet;
        EXPECT_NEAR(fit.offsetY, c.offsetY, 1e-9) << c.sheet;
        EXPECT_LE(fit.offsetX * 2 + 210 * fit.scale, std::max(c.paper.width, 210.0) + 1e-9) << c.sheet;
    }
}

TEST(FitImage, ScalesALargePictureDownToThePrintableAreaInProportion) {
    struct Case {
        const char* name;
        int width, height, areaWidth, areaHeight;
        ImageFit fit;
    };
    // A4 at 300 DPI less the margins: 2400 x 3300 device pixels.
    const Case cases[] = {
        {"a small window keeps its size", 1200, 900, 2400, 3300, {1200, 900}},
        {"exactly the area", 2400, 3300, 2400, 3300, {2400, 3300}},
        {"a maximised 1920-pixel window at 300 DPI: width decides", 6000, 3250, 2400, 3300, {2400, 1300}},
        {"a tall picture: height decides", 1000, 6600, 2400, 3300, {500, 3300}},
        {"both too large, width overflows more", 9600, 6600, 2400, 3300, {2400, 1650}},
        {"no printable area known", 6000, 3250, 0, 0, {6000, 3250}},
    };
    for (const Case& c : cases) {
        const ImageFit fit = FitImage(c.width, c.height, c.areaWidth, c.areaHeight);
        EXPECT_EQ(fit.width, c.fit.width) << c.name;
        EXPECT_EQ(fit.height, c.fit.height) << c.name;
        if (c.areaWidth > 0) {
            EXPECT_LE(fit.width, c.areaWidth) << c.name;
            EXPECT_LE(fit.height, c.areaHeight) << c.name;
        }
    }
}

TEST(FittedSurface, DrawsScaledAndMeasuresInTheLayoutsMillimetres) {
    RecordingSurface paper;
    paper.sizedByPoints = true;  // a font at half the size measures half as wide
    FittedSurface fitted(paper, PageFit{0.5, 20, 4});
    const Font font{"Arial", 10, false};
    fitted.Text(font, 10, 30, "abc", {10, 30, 40, 8});
    fitted.Fill({0, 0, 100, 50}, 0xFFFFFF);
    fitted.Line(0, 10, 100, 10);
    ASSERT_EQ(paper.texts.size(), 1u);
    EXPECT_DOUBLE_EQ(paper.texts[0].x, 25);
    EXPECT_DOUBLE_EQ(paper.texts[0].y, 19);
    EXPECT_DOUBLE_EQ(paper.texts[0].points, 5);
    EXPECT_DOUBLE_EQ(paper.texts[0].clip.width, 20);
    EXPECT_DOUBLE_EQ(paper.fills[0].first.height, 25);
    EXPECT_EQ(paper.lines[0], (std::array<double, 4>{20, 9, 70, 9}));
    // Measured back at the layout's scale, so text wraps the same on any sheet.
    EXPECT_DOUBLE_EQ(fitted.TextWidth(font, "abc"), paper.TextWidth(font, "abc"));
    EXPECT_DOUBLE_EQ(fitted.LineHeight(font), paper.LineHeight(font));
}

}  // namespace
}  // namespace orvane::report
