#include "probes/personal_window_layout.h"

#include <gtest/gtest.h>

#include "app/summary.h"
#include "core/text.h"

namespace orvane {
namespace {

const ui::ControlSpec* Find(const ui::Layout& layout, const std::string& name) {
    for (const ui::ControlSpec& design : layout) {
        if (EqualsIgnoreCase(design.name, name)) return &design;
    }
    return nullptr;
}

TEST(PersonalWindowLayout, HasEveryControlTheRefreshWritesInRowOrder) {
    const ui::Layout layout = BuildPersonalWindowLayout("https://example.test");
    int y = 48;
    for (const PersonalRowSpec& row : kPersonalRefreshRows) {
        const ui::ControlSpec* label = Find(layout, row.labelName);
        const ui::ControlSpec* value = Find(layout, row.valueName);
        ASSERT_TRUE(label && value) << row.valueName;
        EXPECT_EQ(label->caption, row.label);
        EXPECT_EQ(label->kind, ui::ControlKind::LabelEdit);
        EXPECT_EQ(value->kind, ui::ControlKind::ValueEdit);
        EXPECT_EQ(label->rect.y, y);
        EXPECT_EQ(value->rect.y, y);
        EXPECT_EQ(value->rect.width, 400);
        y += 32;
    }
    const ui::ControlSpec* administrator = Find(layout, "Edit1");
    ASSERT_TRUE(administrator && Find(layout, "Edit2"));
    EXPECT_EQ(administrator->rect.y, 240);
    EXPECT_EQ(Find(layout, "Edit2")->caption, "Administrator");
    const ui::ControlSpec* link = Find(layout, "Label3");
    ASSERT_TRUE(link);
    EXPECT_EQ(link->caption, "https://example.test");
    EXPECT_EQ(link->rect.x, 8);
    EXPECT_EQ(link->rect.y, 297);
}

}  // namespace
}  // namespace orvane
