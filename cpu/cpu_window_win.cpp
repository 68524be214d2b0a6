#include "cpu/cpu_window_win.h"

namespace orvane {

CpuForm::CpuForm() : ui::Form(ui::DetailFrame("TfrmCPU", "CPU Info", 624, 753, false, ui::FormBorder::Sizeable)) {}

}  // namespace orvane
