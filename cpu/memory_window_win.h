#pragma once
// TfrmMemory, the memory window: the memory counts, the load as a bar gauge, the allocation
// granularity, the application address range and the page size, read afresh at every showing.

#include "platform/system.h"
#include "ui/form_win.h"

namespace orvane {

class MemoryForm : public ui::Form {
public:
    explicit MemoryForm(platform::System& sys);

    // View > Refresh, also run each time the window is shown.
    void Refresh1Click();
    // File > Quick Print.
    void Print1Click();
    // File > Close.
    void Close1Click();

protected:
    ui::Layout BuildLayout() override;
    ui::MenuBar BuildMenuBar() override;
    void OnShow() override;
    void OnClick(const std::string& name) override;

private:
    platform::System& sys_;
};

}  // namespace orvane
