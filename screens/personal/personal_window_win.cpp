#include "screens/personal/personal_window_win.h"

#include "core/web_addresses.h"
#include "probes/administrator.h"
#include "screens/personal/personal_window_layout.h"

namespace orvane {

PersonalForm::PersonalForm(platform::System& sys)
    : DetailForm(ui::FormSpec{.className = "TfrmPersonal",
                            .caption = "Personal network and system information",
                            .width = 605,
                            .height = 375,
                            .border = ui::FormBorder::Single,
                            .maximizeBox = false,
                            .position = ui::FormPosition::MainFormCenter},
                 sys,
                 // The View menu is hidden: its Refresh is reached only from the main window's Personal
                 // command, which also decides when it runs.
                 {.fileCaption = "&File",
                  .printName = "QuickPrint1",
                  .printCaption = "Quick Print",
                  .viewCaption = "&View",
                  .viewVisible = false,
                  .refreshOnShow = false}) {}

ui::Layout PersonalForm::BuildLayout() {
    return BuildPersonalWindowLayout(kAuthorSite);
}

void PersonalForm::Refresh1Click() {
    SetTextNow(kAdministratorValueName, ReadAdministratorLine(sys_));
}

std::string PersonalForm::ComputerName() const {
    return Text(kPersonalRefreshRows[0].valueName);
}

void PersonalForm::ShowRefreshValue(PersonalRow row, const std::string& text) {
    for (const PersonalRowSpec& design : kPersonalRefreshRows) {
        if (design.row == row) SetTextNow(design.valueName, text);
    }
}

}  // namespace orvane
