#pragma once
// TfrmDisplay, the display window. Its contents come with their own feature; until then the window is its
// frame, hidden until shown.

#include "ui/form_win.h"

namespace orvane {

class DisplayForm : public ui::Form {
public:
    DisplayForm();
};

}  // namespace orvane
