#pragma once
// TfrmStartup, the startup window: the programs started at logon, from the Run keys and the Startup
// folders, in the order found. It has no show handler: the main window runs its refresh after showing it.

#include "platform/system.h"
#include "ui/form_win.h"

namespace orvane {

class StartupForm : public ui::Form {
public:
    explicit StartupForm(platform::System& sys);

    // View > Refresh: the main window runs it after showing the window.
    void Refresh1Click();
    // File > Exit.
    void Exit1Click();

protected:
    ui::Layout BuildLayout() override;
    ui::MenuBar BuildMenuBar() override;

private:
    platform::System& sys_;
    bool refreshing_ = false;  // the refresh lets messages through while it fills the list
};

}  // namespace orvane
