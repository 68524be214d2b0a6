#include "screens/detail/detail_form_win.h"

#include "launcher/open_address.h"
#include "ui/print_image_win.h"

namespace orvane {

DetailForm::DetailForm(const ui::FormSpec& design, platform::System& sys, const DetailMenuSpec& menu)
    : ui::Form(design), sys_(sys), menu_(menu) {}

void DetailForm::PrintClick() {
    ui::PrintClientAreaImage(Handle());
}

ui::MenuBar DetailForm::BuildMenuBar() {
    ui::MenuBar bar{FileMenu()};
    if (menu_.viewCaption) bar.push_back(ViewMenu());
    return bar;
}

ui::MenuItem DetailForm::FileMenu() {
    std::vector<ui::MenuItem> items;
    if (menu_.printName) {
        items.push_back(ui::Command(menu_.printName, menu_.printCaption, [this] { PrintClick(); }, menu_.printShortcut));
        items.push_back(ui::MenuItem::Separator());
    }
    items.push_back(ui::Command(menu_.closeName, menu_.closeCaption, [this] { CloseClick(); }, menu_.closeShortcut));
    return ui::Submenu("File1", menu_.fileCaption, std::move(items));
}

ui::MenuItem DetailForm::ViewMenu(std::vector<ui::MenuItem> more) {
    std::vector<ui::MenuItem> items{ui::Command("Refresh1", "Refresh", [this] { Refresh1Click(); }, menu_.refreshShortcut)};
    for (ui::MenuItem& item : more) items.push_back(std::move(item));
    return ui::Submenu("View1", menu_.viewCaption ? menu_.viewCaption : "View", std::move(items), menu_.viewVisible);
}

void DetailForm::OnShow() {
    if (menu_.viewCaption && menu_.refreshOnShow) InvokeMenu("Refresh1");
}

void DetailForm::OnClick(const std::string& name) {
    if (menu_.authorLink && name == menu_.authorLink) {
        OpenAuthorSite(sys_);
        return;
    }
    OnControlClick(name);
}

}  // namespace orvane
