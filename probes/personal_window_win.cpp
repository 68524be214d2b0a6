#include "probes/personal_window_win.h"

#include "app/web_addresses.h"
#include "probes/administrator.h"
#include "probes/personal_window_layout.h"
#include "ui/print_image_win.h"

namespace orvane {

PersonalForm::PersonalForm(platform::System& sys)
    : ui::Form(ui::FormSpec{.className = "TfrmPersonal",
                            .caption = "Personal network and system information",
                            .width = 605,
                            .height = 375,
                            .border = ui::FormBorder::Single,
                            .maximizeBox = false,
                            .position = ui::FormPosition::MainFormCenter}),
      sys_(sys) {}

ui::Layout PersonalForm::BuildLayout() {
    return BuildPersonalWindowLayout(kAuthorSite);
}

ui::MenuBar PersonalForm::BuildMenuBar() {
    // clang-format off
    return {
        {"File1", "&File", {}, {}, false, true, {
            {"QuickPrint1", "Quick Print", {}, [this] { QuickPrint1Click(); }, false, true, {}},
            ui::MenuItem::Separator(),
            {"Close1", "Close", {}, [this] { Close1Click(); }, false, true, {}},
        }},
        // Hidden: its Refresh is reached only from the main window's Personal command.
        {"View1", "&View", {}, {}, false, false, {
            {"Refresh1", "Refresh", {}, [this] { Refresh1Click(); }, false, true, {}},
        }},
    };
    // clang-format on
}

void PersonalForm::Refresh1Click() {
    SetTextNow(kAdministratorValueName, ReadAdministratorLine(sys_));
}

void PersonalForm::QuickPrint1Click() {
    ui::PrintClientAreaImage(Handle());
}

std::string PersonalForm::ComputerName() const {
    return Text(kPersonalRefreshRows[0].valueName);
}

void PersonalForm::ShowRefreshValue(PersonalRow row, const std::string& text) {
    for (const PersonalRowSpec& design : kPersonalRefreshRows) {
        if (design.row == row) SetTextNow(design.valueName, text);
    }
}

void PersonalForm::Close1Click() {
    HideForm();
}

}  // namespace orvane
