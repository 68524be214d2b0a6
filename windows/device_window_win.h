#pragma once
// TfrmDevices, the device list window: the installed device drivers, one row per device class, sorted by
// the driver's description, refreshed each time the window is shown; printable as a paged table.

#include "platform/system.h"
#include "ui/form_win.h"

namespace orvane {

class DevicesForm : public ui::Form {
public:
    explicit DevicesForm(platform::System& sys);

    // View > Refresh, also run each time the window is shown.
    void Refresh1Click();
    // File > Print.
    void Print1Click();
    // File > Exit.
    void Exit1Click();

protected:
    ui::Layout BuildLayout() override;
    ui::MenuBar BuildMenuBar() override;
    void OnShow() override;

private:
    platform::System& sys_;
};

}  // namespace orvane
