#pragma once
// TfrmUnistall, the install and uninstall window. Its contents come with their own feature; until then the window is
// its frame, hidden until shown.

#include "ui/form_win.h"

namespace orvane {

class UninstallForm : public ui::Form {
public:
    UninstallForm();
};

}  // namespace orvane
