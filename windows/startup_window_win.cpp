#include "windows/startup_window_win.h"

namespace orvane {

StartupForm::StartupForm()
    : ui::Form(ui::DetailFrame("TfrmStartup", "Startup", 674, 563, false, ui::FormBorder::Sizeable)) {}

// The startup list comes with the window's own feature; until then there is nothing to read.
void StartupForm::Refresh1Click() {}

}  // namespace orvane
