#include "screens/cpu/cpu_window_layout.h"

#include <gtest/gtest.h>

#include "core/text.h"
#include "cpu/cpu_features.h"
#include "screens/cpu/cpu_window_display.h"
#include "res/digit_pictures.h"

namespace orvane {
namespace {

const ui::ControlSpec& Find(const ui::Layout& layout, const char* name) {
    for (const ui::ControlSpec& control : layout) {
        if (EqualsIgnoreCase(control.name, name)) return control;
    }
    throw std::runtime_error(std::string("no control ") + name);
}

TEST(CPUWindowLayout, TheCheckListShowsEveryFeatureInItsTwoColumns) {
    const ui::Layout layout = BuildCpuWindowLayout("https://example.test");
    const ui::ControlSpec& list = Find(layout, kCpuFeatureListName);
    ASSERT_EQ(list.columns.size(), 2u);
    ASSERT_GT(list.itemHeight, 0);
    const int border = 1;
    const int rowsPerColumn = (list.rect.height - 2 * border) / list.itemHeight;
    const std::size_t entries = CPUFeatureCheckList(TCPUFeatures{}, false).size();
    EXPECT_GE(static_cast<std::size_t>(rowsPerColumn) * list.columns.size(), entries);
}

TEST(CPUWindowLayout, TheDigitsFitTheirPaintBoxesAndLeaveTheLabelsFree) {
    const ui::Layout layout = BuildCpuWindowLayout("https://example.test");
    struct Case {
        const char* box;
        std::size_t digits;
        const char* label;  // beside the box in the same panel
    };
    const Case cases[] = {{kCpuSpeedBoxName, kSpeedDigitCount, "Label9"},
                          {kCpuCounterBoxName, kCounterDigitCount, "Label7"}};
    for (const Case& c : cases) {
        const ui::ControlSpec& box = Find(layout, c.box);
        const ui::ControlSpec& label = Find(layout, c.label);
        EXPECT_EQ(box.kind, ui::ControlKind::PaintBox);
        const int lastDigitEnd = static_cast<int>(c.digits - 1) * kCpuDigitPitch + res::kDigitWidth;
        EXPECT_LE(lastDigitEnd, box.rect.width) << c.box;
        EXPECT_GE(box.rect.height, res::kDigitHeight) << c.box;
        EXPECT_EQ(label.parent, box.parent) << c.label;
        EXPECT_LE(box.rect.Right(), label.rect.x) << c.box << " reaches under " << c.label;
    }
}

}  // namespace
}  // namespace orvane
