#pragma once
// TfrmDisplay, the display window: the adapters with their chip, DAC and memory, the 3D accelerators,
// the video BIOS and the screen's metrics, gathered afresh at every showing.

#include "platform/system.h"
#include "ui/form_win.h"
#include "windows/display_window.h"

namespace orvane {

class DisplayForm : public ui::Form {
public:
    explicit DisplayForm(platform::System& sys);

    // View > Refresh, also run each time the window is shown. A registry value of the wrong type ends it
    // with the error box, and the window keeps what it showed.
    void Refresh1Click();
    // File > Print: the window's image on the default printer.
    void Print1Click();
    // File > Close.
    void Close1Click();

protected:
    ui::Layout BuildLayout() override;
    ui::MenuBar BuildMenuBar() override;
    void OnShow() override;
    void OnClick(const std::string& name) override;
    void OnSelectionChanged(const std::string& name) override;
    bool OnMessage(HWND source, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void ShowRows();

    platform::System& sys_;
    DisplayWindowModel model_;
    int wheelRemainder_ = 0;
};

}  // namespace orvane
