#pragma once
// TfrmSound, the sound window: the first sound card, the mixer count and the driver version, gathered
// once when the window is created, and the small tests (the default beep, a WAV file, a tone) with the
// sound settings and the volume mixer. It also runs the microphone mute for the main window.

#include "screens/detail/detail_form_win.h"
#include "ui/file_dialog_win.h"

namespace orvane {

class SoundForm : public DetailForm {
public:
    explicit SoundForm(platform::System& sys);

    // The microphone mute routine; reports its failures in plain message boxes over the owner.
    void SetMicrophoneMute(bool mute, HWND owner);

    void BitBtn1Click();
    void BitBtn2Click();
    void SpeedButton1Click();
    void BitBtn3Click();
    void BitBtn4Click();

protected:
    ui::Layout BuildLayout() override;
    void OnCreate() override;
    void OnControlClick(const std::string& name) override;
    bool UsesDialogKeys() const override { return true; }

private:
    ui::FileDialog wavDialog_;
};

}  // namespace orvane
