#include "windows/device_window_win.h"

namespace orvane {

DevicesForm::DevicesForm()
    : ui::Form(ui::DetailFrame("TfrmDevices", "Device Info", 526, 453, false, ui::FormBorder::Sizeable)) {}

}  // namespace orvane
