#pragma once
// TfrmMachine, the Machine Info window: firmware, board, memory modules, graphics, monitors, disks,
// security, battery and processor topology in one list grouped by section, read afresh each time the
// window is shown; printable as a paged table.

#include "screens/detail/detail_form_win.h"

namespace orvane {

class MachineForm : public DetailForm {
public:
    explicit MachineForm(platform::System& sys);

    // View > Refresh, also run each time the window is shown.
    void Refresh1Click() override;
    // File > Print: the list as a paged table.
    void PrintClick() override;

protected:
    ui::Layout BuildLayout() override;
};

}  // namespace orvane
