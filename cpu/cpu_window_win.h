#pragma once
// TfrmCPU, the CPU window. Its contents come with their own feature; until then the window is its
// frame, hidden until shown.

#include "ui/form_win.h"

namespace orvane {

class CpuForm : public ui::Form {
public:
    CpuForm();
};

}  // namespace orvane
