#include "app/main_window_layout.h"

#include <gtest/gtest.h>

#include "app/summary.h"

namespace orvane {
namespace {

const ui::ControlSpec* Find(const ui::Layout& layout, const std::string& name) {
    for (const auto& control : layout) {
        if (control.name == name) return &control;
    }
    return nullptr;
}

TEST(MainWindowLayout, PlacesEachRowThirtyTwoPixelsBelowTheLast) {
    const ui::Layout layout = BuildMainWindowLayout("https://example.test");
    for (int row = 1; row <= kSummaryRowCount; ++row) {
        const ui::ControlSpec* label = Find(layout, SummaryLabelName(row));
        const ui::ControlSpec* value = Find(layout, SummaryValueName(row));
        ASSERT_TRUE(label && value) << row;
        EXPECT_EQ(label->kind, ui::ControlKind::LabelEdit);
        EXPECT_EQ(value->kind, ui::ControlKind::ValueEdit);
        EXPECT_EQ(label->caption, kSummaryRows[row - 1].label);
        EXPECT_EQ(label->rect.y, 48 + 32 * (row - 1));
        EXPECT_EQ(value->rect.y, label->rect.y);
        EXPECT_EQ(label->rect.x, 8);
        EXPECT_EQ(label->rect.width, 130);
        EXPECT_EQ(value->rect.x, 152);
        EXPECT_EQ(value->rect.width, 440);
        EXPECT_EQ(label->rect.height, 22);
        EXPECT_EQ(label->parent, kSummaryAreaName);
    }
    const ui::ControlSpec* link = Find(layout, kMainLinkName);
    ASSERT_TRUE(link);
    EXPECT_EQ(link->caption, "https://example.test");
    EXPECT_EQ(link->rect.y, 976);
}

}  // namespace
}  // namespace orvane
