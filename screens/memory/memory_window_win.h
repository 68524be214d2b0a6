#pragma once
// TfrmMemory, the memory window: the memory counts, the load as a bar gauge, the allocation
// granularity, the application address range and the page size, read afresh at every showing.

#include "screens/detail/detail_form_win.h"

namespace orvane {

class MemoryForm : public DetailForm {
public:
    explicit MemoryForm(platform::System& sys);

    // View > Refresh, also run each time the window is shown.
    void Refresh1Click() override;

protected:
    ui::Layout BuildLayout() override;
};

}  // namespace orvane
