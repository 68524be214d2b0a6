#include "windows/sound_window_win.h"

namespace orvane {

SoundForm::SoundForm() : ui::Form(ui::DetailFrame("TfrmSound", "Sound", 364, 380, true, ui::FormBorder::Single)) {}

}  // namespace orvane
