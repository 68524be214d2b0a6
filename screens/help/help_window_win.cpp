#include "screens/help/help_window_win.h"

#include "core/web_addresses.h"
#include "screens/help/help_window_layout.h"

namespace orvane {

HelpForm::HelpForm()
    : ui::Form(ui::FormSpec{.className = "TfrmHelp",
                            .caption = "Help",
                            .width = 499,
                            .height = 400,
                            .clientSize = true,
                            .border = ui::FormBorder::Single,
                            .maximizeBox = false}) {}

ui::Layout HelpForm::BuildLayout() {
    return BuildHelpWindowLayout(kAuthorSite);
}

}  // namespace orvane
