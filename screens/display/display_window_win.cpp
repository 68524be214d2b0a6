#include "screens/display/display_window_win.h"

#include "core/web_addresses.h"
#include "ui/combo_box_win.h"
#include "ui/scroll_box_win.h"
#include "screens/display/display_window_layout.h"

namespace orvane {

DisplayForm::DisplayForm(platform::System& sys)
    : DetailForm(ui::DetailFrame("TfrmDisplay", "Display", kDisplayClientWidth, kDisplayClientHeight, true,
                                 ui::FormBorder::Single),
                 sys, {.authorLink = kDisplayLinkName}) {}

ui::Layout DisplayForm::BuildLayout() {
    return BuildDisplayWindowLayout(kAuthorSite);
}

void DisplayForm::Refresh1Click() {
    // The model shows nothing new when the refresh ends on a registry type error: the error goes on to
    // the error box before anything here is written.
    model_.Refresh(sys_);
    ui::ComboBox adapters = Combo(kAdapterComboName);
    adapters.Clear();
    for (const std::string& adapter : model_.AdapterItems()) adapters.Add(adapter);
    adapters.Select(model_.SelectedAdapter());
    ShowRows();
}

void DisplayForm::ShowRows() {
    for (const ShownText& row : model_.Rows()) SetTextNow(row.control, row.text);
}

void DisplayForm::OnSelectionChanged(const std::string& name) {
    if (name != kAdapterComboName) return;
    model_.SelectAdapter(Combo(kAdapterComboName).Selected());
    ShowRows();
}

bool DisplayForm::OnMessage(HWND source, UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_MOUSEWHEEL || source != Control(kDisplayAreaName)) return false;
    const int delta = GET_WHEEL_DELTA_WPARAM(wParam);
    if (delta >= 0) {
        // Turning the wheel up keeps the box's own behaviour.
        wheelRemainder_ = 0;
        return false;
    }
    // Each notch down moves the rows one pixel down.
    const int notches = -ui::TakeWheelPages(wheelRemainder_, delta);
    ui::ShiftContents(source, 0, notches);
    result = 0;
    return true;
}

}  // namespace orvane
