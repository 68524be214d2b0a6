#pragma once
// TfrmSound, the sound window. Its contents come with their own feature; until then the window is its
// frame, hidden until shown.

#include "ui/form_win.h"

namespace orvane {

class SoundForm : public ui::Form {
public:
    SoundForm();
};

}  // namespace orvane
