#include "ui/menu.h"

#include <gtest/gtest.h>

namespace orvane::ui {
namespace {

TEST(MenuModel, ACheckItemFlipsItsMarkBeforeItsHandlerActs) {
    MenuModel* model = nullptr;
    std::vector<bool> seen;
    MenuBar bar = {
        {"", "&View", {}, {}, false, true, {
            {"Refresh1", "System Info", Key(kKeyF5), [&] { seen.push_back(false); }, false, true, {}},
            MenuItem::Separator(),
            {"Transparent1", "Transparent Background", Ctrl('T'),
             [&] { seen.push_back(model->Checked("Transparent1")); }, true, true, {}},
        }},
    };
    MenuModel menu(std::move(bar));
    model = &menu;
    EXPECT_FALSE(menu.Checked("Transparent1"));  // every start begins cleared
    EXPECT_TRUE(menu.Invoke("Transparent1"));
    EXPECT_TRUE(menu.Invoke("Transparent1"));
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
    EXPECT_FALSE(menu.Checked("Transparent1"));
    EXPECT_TRUE(menu.Invoke("Refresh1"));
    EXPECT_FALSE(menu.Invoke("NoSuchItem"));
    EXPECT_EQ(menu.Entries().size(), 2u) << "separators and submenus get no command";
}

TEST(ShortcutText, NamesFunctionKeysAndControlLetters) {
    EXPECT_EQ(ShortcutText(Key(kKeyF5)), "F5");
    EXPECT_EQ(ShortcutText(Key(kKeyF12)), "F12");
    EXPECT_EQ(ShortcutText(Ctrl('P')), "Ctrl+P");
    EXPECT_EQ(ShortcutText({}), "");
}

}  // namespace
}  // namespace orvane::ui
