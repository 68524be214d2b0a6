#include "app/window_layouts.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/text.h"

namespace orvane {
namespace {

// Where each control of a window lies, in its parent's coordinates, with the aligned ones placed for
// the window's client area. Controls sized by their caption have no known extent here.
struct Placed {
    const ui::ControlSpec* design;
    ui::Rect rect;
    bool sized;
};

std::vector<Placed> Place(const ui::WindowLayout& window) {
    const std::vector<ui::Rect> rects = ui::ArrangeAligned(window.controls, window.clientWidth, window.clientHeight);
    std::vector<Placed> placed;
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        placed.push_back({&window.controls[i], rects[i], rects[i].width > 0 && rects[i].height > 0});
    }
    return placed;
}

bool Overlap(const ui::Rect& a, const ui::Rect& b) {
    return a.x < b.Right() && b.x < a.Right() && a.y < b.Bottom() && b.y < a.Bottom();
}

bool Contains(const ui::Rect& outer, const ui::Rect& inner) {
    return outer.x <= inner.x && outer.y <= inner.y && inner.Right() <= outer.Right() &&
           inner.Bottom() <= outer.Bottom();
}

class EveryWindowLayout : public ::testing::TestWithParam<ui::WindowLayout> {};

TEST_P(EveryWindowLayout, NamesAreUniqueIgnoringCase) {
    std::set<std::string> seen;
    for (const ui::ControlSpec& control : GetParam().controls) {
        EXPECT_TRUE(seen.insert(ToUpperAscii(control.name)).second) << control.name;
    }
}

TEST_P(EveryWindowLayout, HoldsEveryControlItsCodeWrites) {
    for (const std::string& name : GetParam().written) {
        bool found = false;
        for (const ui::ControlSpec& control : GetParam().controls)
            found = found || EqualsIgnoreCase(control.name, name);
        EXPECT_TRUE(found) << name;
    }
}

TEST_P(EveryWindowLayout, NamesOnlyContainersAsParents) {
    std::map<std::string, ui::ControlKind> kinds;
    for (const ui::ControlSpec& control : GetParam().controls) kinds[ToUpperAscii(control.name)] = control.kind;
    for (const ui::ControlSpec& control : GetParam().controls) {
        if (control.parent.empty()) continue;
        const auto parent = kinds.find(ToUpperAscii(control.parent));
        ASSERT_NE(parent, kinds.end()) << control.name << " names a parent that is not there";
        EXPECT_TRUE(parent->second == ui::ControlKind::ScrollBox || parent->second == ui::ControlKind::Panel)
            << control.name;
    }
}

TEST_P(EveryWindowLayout, SiblingsOverlapOnlyWhereOneContainsTheOther) {
    const std::vector<Placed> placed = Place(GetParam());
    for (std::size_t i = 0; i < placed.size(); ++i) {
        for (std::size_t j = i + 1; j < placed.size(); ++j) {
            const Placed& a = placed[i];
            const Placed& b = placed[j];
            if (!a.sized || !b.sized || a.design->parent != b.design->parent) continue;
            if (!Overlap(a.rect, b.rect)) continue;
            EXPECT_TRUE(Contains(a.rect, b.rect) || Contains(b.rect, a.rect))
                << a.design->name << " and " << b.design->name << " overlap";
        }
    }
}

TEST_P(EveryWindowLayout, KeepsEveryControlInsideItsArea) {
    const std::vector<Placed> placed = Place(GetParam());
    std::map<std::string, const Placed*> byName;
    for (const Placed& control : placed) byName[ToUpperAscii(control.design->name)] = &control;
    for (const Placed& control : placed) {
        const ui::Rect& r = control.rect;
        EXPECT_GE(r.x, 0) << control.design->name;
        EXPECT_GE(r.y, 0) << control.design->name;
        int width = GetParam().clientWidth;
        int height = GetParam().clientHeight;
        bool scrolls = false;
        if (!control.design->parent.empty()) {
            const Placed* parent = byName.at(ToUpperAscii(control.design->parent));
            width = parent->rect.width;
            height = parent->rect.height;
            scrolls = parent->design->kind == ui::ControlKind::ScrollBox;
        }
        if (!control.sized) continue;
        EXPECT_LE(r.Right(), width) << control.design->name;
        // A scroll box scrolls its rows into view; only its width bounds them.
        if (!scrolls) {
            EXPECT_LE(r.Bottom(), height) << control.design->name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, EveryWindowLayout, ::testing::ValuesIn(AllWindowLayouts("https://example.test")),
                         [](const ::testing::TestParamInfo<ui::WindowLayout>& window) { return window.param.window; });

}  // namespace
}  // namespace orvane
