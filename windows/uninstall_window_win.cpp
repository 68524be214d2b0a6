#include "windows/uninstall_window_win.h"

namespace orvane {

UninstallForm::UninstallForm()
    : ui::Form(ui::DetailFrame("TfrmUnistall", "Application Install / Uninstall Information", 624, 472, false,
                               ui::FormBorder::Sizeable)) {}

}  // namespace orvane
