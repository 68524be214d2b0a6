#include "windows/drive_window_win.h"

namespace orvane {

DiskForm::DiskForm() : ui::Form(ui::DetailFrame("TfrmDisk", "Drive Info", 506, 642, false, ui::FormBorder::Sizeable)) {}

}  // namespace orvane
