#pragma once
// TfrmDevices, the device list window. Its contents come with their own feature; until then the window is its
// frame, hidden until shown.

#include "ui/form_win.h"

namespace orvane {

class DevicesForm : public ui::Form {
public:
    DevicesForm();
};

}  // namespace orvane
