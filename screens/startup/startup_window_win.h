#pragma once
// TfrmStartup, the startup window: the programs started at logon, from the Run keys and the Startup
// folders, in the order found. It has no show handler: the main window runs its refresh after showing it.

#include "screens/detail/detail_form_win.h"

namespace orvane {

class StartupForm : public DetailForm {
public:
    explicit StartupForm(platform::System& sys);

    // View > Refresh: the main window runs it after showing the window.
    void Refresh1Click() override;

protected:
    ui::Layout BuildLayout() override;

private:
    bool refreshing_ = false;  // the refresh lets messages through while it fills the list
};

}  // namespace orvane
