#include "screens/sound/sound_window_win.h"

#include "launcher/launcher.h"
#include "core/web_addresses.h"
#include "screens/sound/sound_model.h"
#include "screens/sound/sound_window_layout.h"

namespace orvane {

namespace {

constexpr const char* kWavFilter = "WAV Sound File|*.WAV";

}  // namespace

SoundForm::SoundForm(platform::System& sys)
    : DetailForm(
          ui::DetailFrame("TfrmSound", "Sound", kSoundClientWidth, kSoundClientHeight, true, ui::FormBorder::Single),
          sys,
          {.printName = nullptr,
           .closeName = "Exit1",
           .closeCaption = "Exit",
           .closeShortcut = ui::Key(ui::kKeyF12),
           .viewCaption = nullptr,
           .authorLink = kSoundLinkName}),
      wavDialog_(kWavFilter, "", false) {}

ui::Layout SoundForm::BuildLayout() {
    return BuildSoundWindowLayout(kAuthorSite);
}

void SoundForm::OnCreate() {
    // The device lines are gathered once, now; a card added later shows at the next start.
    const SoundLines lines = ReadSoundLines(sys_);
    SetText(kSoundCardName, lines.soundCard);
    SetText(kMixerCountName, lines.mixers);
    SetText(kSoundVersionName, lines.version);
}

void SoundForm::OnControlClick(const std::string& name) {
    ui::RunCommand(Handle(), [&] {
        if (name == "BitBtn1") BitBtn1Click();
        if (name == "BitBtn2") BitBtn2Click();
        if (name == "SpeedButton1") SpeedButton1Click();
        if (name == "BitBtn3") BitBtn3Click();
        if (name == "BitBtn4") BitBtn4Click();
    });
}

void SoundForm::BitBtn1Click() {
    sys_.DefaultBeep();
}

void SoundForm::BitBtn2Click() {
    const std::optional<std::string> path = wavDialog_.Show(Handle());
    if (!path) return;
    // Asynchronous: the sound plays on while the window works, and replaces one started before.
    sys_.PlaySoundAsync(*path);
}

void SoundForm::SpeedButton1Click() {
    PlayTone(sys_, Text(kFrequencyName), Text(kDurationName));
}

void SoundForm::BitBtn3Click() {
    RunLaunch(sys_, SoundSettingsCall(sys_), reinterpret_cast<platform::WindowRef>(Handle()));
}

void SoundForm::BitBtn4Click() {
    RunLaunch(sys_, MixerSettingsCall(sys_), reinterpret_cast<platform::WindowRef>(Handle()));
}

void SoundForm::SetMicrophoneMute(bool mute, HWND owner) {
    if (const std::optional<std::string> message = orvane::SetMicrophoneMute(sys_, mute)) {
        MessageBoxA(owner, message->c_str(), "Orvane", MB_OK);
    }
}

}  // namespace orvane
