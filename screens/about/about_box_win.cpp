#include "screens/about/about_box_win.h"

#include "core/web_addresses.h"
#include "launcher/open_address.h"
#include "screens/about/about_box_layout.h"

namespace orvane {

AboutBox::AboutBox(platform::Shell& shell)
    : ui::Form(ui::FormSpec{.className = "TAboutBox",
                            .caption = "About",
                            .width = 298,
                            .height = 226,
                            .clientSize = true,
                            .border = ui::FormBorder::Dialog,
                            .position = ui::FormPosition::ScreenCenter}),
      shell_(shell) {}

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
    if (name == "Label1") OpenAuthorSite(shell_);
}

}  // namespace orvane
