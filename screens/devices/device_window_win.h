#pragma once
// TfrmDevices, the device list window: the installed device drivers, one row per device class, sorted by
// the driver's description, refreshed each time the window is shown; printable as a paged table.

#include "screens/detail/detail_form_win.h"

namespace orvane {

class DevicesForm : public DetailForm {
public:
    explicit DevicesForm(platform::System& sys);

    // View > Refresh, also run each time the window is shown.
    void Refresh1Click() override;
    // File > Print: the list as a paged table.
    void PrintClick() override;

protected:
    ui::Layout BuildLayout() override;
};

}  // namespace orvane
