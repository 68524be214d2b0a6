#include "app/about_box_win.h"

#include <shellapi.h>

#include "app/web_addresses.h"

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
    using ui::ControlKind;
    using ui::FontSpec;
    return {
        {"Panel1", ControlKind::Bevel, "", {1, 8, 296, 177}, "", std::nullopt},
        {"ProductName", ControlKind::Label, "Orvane", {80, 8, 0, 0}, "", FontSpec{"Georgia", 24}},
        {"Version", ControlKind::Label, "Version 1.98", {104, 40, 0, 0}, "", std::nullopt},
        {"Copyright", ControlKind::Label, "Created by the Orvane developers", {80, 56, 0, 0}, "", std::nullopt},
        {"Comments", ControlKind::Label, "Written for Windows, everywhere", {80, 72, 0, 0}, "", std::nullopt},
        {"Label1", ControlKind::Link, kAuthorSite, {48, 96, 0, 0}, "", FontSpec{"Arial", 13, true, false, true}},
        {"Note", ControlKind::Label,
         "Orvane is free to use and to pass on unchanged. Please ask before republishing it on a web site, "
         "a disc or in a collection.",
         {8, 120, 280, 51}, "", FontSpec{"Comic Sans MS", 12}},
        {"OKButton", ControlKind::DefaultButton, "OK", {111, 196, 75, 25}, "", std::nullopt},
    };
}

void AboutBox::OnShow() { SetFocus(Control("OKButton")); }

// Enter arrives as IDOK; the box has no cancel button, so Esc (IDCANCEL) does nothing.
void AboutBox::OnCommand(int id) {
    if (id == IDOK) HideForm();
}

void AboutBox::OnControlCommand(const std::string& name, HWND, int id, int notifyCode) {
    if ((name == "OKButton" && notifyCode == BN_CLICKED) || id == IDOK) HideForm();
}

void AboutBox::OnLinkClick(const std::string&) {
    ShellExecuteA(nullptr, "open", kAuthorSite, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace orvane
