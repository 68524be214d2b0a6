#include "windows/display_window_win.h"

namespace orvane {

DisplayForm::DisplayForm()
    : ui::Form(ui::DetailFrame("TfrmDisplay", "Display", 497, 489, true, ui::FormBorder::Single)) {}

}  // namespace orvane
