#pragma once
// TfrmDisk, the drive window. Its contents come with their own feature; until then the window is its
// frame, hidden until shown.

#include "ui/form_win.h"

namespace orvane {

class DiskForm : public ui::Form {
public:
    DiskForm();
};

}  // namespace orvane
