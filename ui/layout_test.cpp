#include "ui/layout.h"

#include <gtest/gtest.h>

namespace orvane::ui {
namespace {

TEST(ArrangeAligned, StacksTopAndBottomBarsAndFillsTheRestWithTheClientControl) {
    const Layout layout = {
        {.name = "Strip", .kind = ControlKind::Panel, .rect = {0, 0, 0, 67}, .align = Align::Top},
        {.name = "Tools", .kind = ControlKind::ToolBar, .rect = {4, 7, 0, 0}, .parent = "Strip"},
        {.name = "Area", .kind = ControlKind::ScrollBox, .align = Align::Client},
        {.name = "Status", .kind = ControlKind::StatusBar, .rect = {0, 0, 0, 19}, .align = Align::Bottom},
        {.name = "Second", .kind = ControlKind::Panel, .rect = {0, 0, 0, 10}, .align = Align::Top},
        {.name = "Free", .kind = ControlKind::Label, .rect = {5, 6, 7, 8}},
    };
    const std::vector<Rect> rects = ArrangeAligned(layout, 600, 400);
    auto expect = [&](std::size_t i, Rect r) {
        EXPECT_EQ(rects[i].x, r.x) << layout[i].name;
        EXPECT_EQ(rects[i].y, r.y) << layout[i].name;
        EXPECT_EQ(rects[i].width, r.width) << layout[i].name;
        EXPECT_EQ(rects[i].height, r.height) << layout[i].name;
    };
    expect(0, {0, 0, 600, 67});
    expect(1, {4, 7, 0, 0});  // inside its container: placed as declared
    expect(2, {0, 77, 600, 304});
    expect(3, {0, 381, 600, 19});
    expect(4, {0, 67, 600, 10});
    expect(5, {5, 6, 7, 8});
}

TEST(ArrangeAligned, ScalesDesignPixelsAndNeverGivesANegativeSize) {
    const Layout layout = {
        {.name = "Top", .kind = ControlKind::Panel, .rect = {0, 0, 0, 40}, .align = Align::Top},
        {.name = "Fill", .kind = ControlKind::ScrollBox, .align = Align::Client},
        {.name = "Bottom", .kind = ControlKind::StatusBar, .rect = {0, 0, 0, 40}, .align = Align::Bottom},
    };
    const auto half = [](int v) { return v * 3 / 2; };
    std::vector<Rect> rects = ArrangeAligned(layout, 300, 200, half);
    EXPECT_EQ(rects[0].height, 60);
    EXPECT_EQ(rects[1].y, 60);
    EXPECT_EQ(rects[1].height, 80);
    EXPECT_EQ(rects[2].y, 140);
    // A window too short for its bars: the bars share what there is and the fill gets nothing.
    rects = ArrangeAligned(layout, 300, 50);
    EXPECT_EQ(rects[0].height, 40);
    EXPECT_EQ(rects[2].height, 10);
    EXPECT_EQ(rects[1].height, 0);
}

TEST(TakeWheelPages, PagesOncePerWholeNotchInEachDirection) {
    struct Case {
        const char* what;
        std::vector<int> deltas;
        std::vector<int> pages;
    };
    const Case cases[] = {
        {"a notched wheel pages once a notch", {120, 120, -120}, {1, 1, -1}},
        {"small touchpad deltas add up to a page", {30, 30, 30, 30, 30}, {0, 0, 0, 1, 0}},
        {"a fast swipe pages as many times as it moved", {360, -600}, {3, -5}},
        {"turning back starts afresh", {100, -40, -80}, {0, 0, -1}},
    };
    for (const Case& c : cases) {
        int remainder = 0;
        for (std::size_t i = 0; i < c.deltas.size(); ++i) {
            EXPECT_EQ(TakeWheelPages(remainder, c.deltas[i]), c.pages[i]) << c.what << ", message " << i;
        }
    }
}

TEST(AddRows, PlacesEachRowOnePitchBelowTheLast) {
    Layout layout;
    const int next = AddRows(layout, "Area", {8, 130, 152, 300, 22}, 48,
                             {{"Desc1", "First", "Info1"}, {"Desc2", "Second", "Info2"}});
    ASSERT_EQ(layout.size(), 4u);
    EXPECT_EQ(next, 112);
    EXPECT_EQ(layout[2].name, "Desc2");
    EXPECT_EQ(layout[2].rect.y, 80);
    EXPECT_EQ(layout[2].kind, ControlKind::LabelEdit);
    EXPECT_EQ(layout[3].kind, ControlKind::ValueEdit);
    EXPECT_EQ(layout[3].rect.x, 152);
    EXPECT_EQ(layout[3].parent, "Area");
}

}  // namespace
}  // namespace orvane::ui
