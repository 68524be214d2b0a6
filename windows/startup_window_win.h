#pragma once
// TfrmStartup, the startup window. Its contents come with their own feature; until then the window is its
// frame, hidden until shown.

#include "ui/form_win.h"

namespace orvane {

class StartupForm : public ui::Form {
public:
    StartupForm();

    // View > Refresh: the main window runs it after showing the window.
    void Refresh1Click();
};

}  // namespace orvane
