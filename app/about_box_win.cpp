#include "app/about_box_win.h"

#include <shellapi.h>

#include "app/web_addresses.h"
#include "app/window_layouts.h"

namespace orvane {

AboutBox::AboutBox()
    : ui::Form(ui::FormSpec{.className = "TAboutBox",
                            .caption = "About",
                            .width = 298,
                            .height = 226,
                            .clientSize = true,
                            .border = ui::FormBorder::Dialog,
                            .position = ui::FormPosition::ScreenCenter}) {}

ui::Layout AboutBox::BuildLayout() {
    return BuildAboutBoxLayout(kAuthorSite);
}

void AboutBox::OnShow() {
    SetFocus(Control("OKButton"));
}

// Enter arrives as IDOK; the box has no cancel button, so Esc (IDCANCEL) does nothing.
void AboutBox::OnCommand(int id) {
    if (id == IDOK) HideForm();
}

void AboutBox::OnClick(const std::string& name) {
    if (name == "OKButton") HideForm();
    if (name == "Label1") ShellExecuteA(nullptr, "open", kAuthorSite, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace orvane
