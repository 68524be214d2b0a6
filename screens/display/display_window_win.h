#pragma once
// TfrmDisplay, the display window: the adapters with their chip, DAC and memory, the 3D accelerators,
// the video BIOS and the screen's metrics, gathered afresh at every showing.

#include "screens/detail/detail_form_win.h"
#include "screens/display/display_model.h"

namespace orvane {

class DisplayForm : public DetailForm {
public:
    explicit DisplayForm(platform::System& sys);

    // View > Refresh, also run each time the window is shown. A registry value of the wrong type ends it
    // with the error box, and the window keeps what it showed.
    void Refresh1Click() override;

protected:
    ui::Layout BuildLayout() override;
    void OnSelectionChanged(const std::string& name) override;
    bool OnMessage(HWND source, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void ShowRows();

    DisplayWindowModel model_;
    int wheelRemainder_ = 0;
};

}  // namespace orvane
