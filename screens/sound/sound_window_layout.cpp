#include "screens/sound/sound_window_layout.h"

namespace orvane {

namespace {

// The tone fields' pale yellow, the tooltip background of the value fields.
constexpr ui::Colour kFieldYellow = ui::Rgb(255, 255, 225);

}  // namespace

ui::Layout BuildSoundWindowLayout(const char* webSite) {
    using ui::ControlKind;
    ui::Layout layout;
    const ui::RowGeometry rows{16, 130, 159, 186, 22};
    ui::AddRows(layout, "", rows, 16,
                {{"Desc6", "Sound card", kSoundCardName},
                 {"Desc5", "Mixer Devices", kMixerCountName},
                 {"Desc4", "Version", kSoundVersionName}});
    layout.push_back(
        {.name = "BitBtn1", .kind = ControlKind::Button, .caption = "Sound Test", .rect = {16, 136, 75, 25}});
    layout.push_back(
        {.name = "BitBtn2", .kind = ControlKind::Button, .caption = "Play WAV File", .rect = {96, 136, 153, 25}});
    // The tone group; its contents sit at their places inside it (16 and 112 across, 24 and 56 down).
    constexpr int groupX = 16;
    constexpr int groupY = 184;
    layout.push_back(
        {.name = "GroupBox1", .kind = ControlKind::GroupBox, .caption = "Tone", .rect = {groupX, groupY, 329, 97}});
    layout.push_back({.name = "Label1",
                      .kind = ControlKind::Label,
                      .caption = "Frequency",
                      .rect = {groupX + 16, groupY + 27, 0, 0}});
    layout.push_back({.name = kFrequencyName,
                      .kind = ControlKind::Edit,
                      .caption = "1000",
                      .rect = {groupX + 112, groupY + 24, 121, 21},
                      .background = kFieldYellow});
    layout.push_back({.name = "Label2",
                      .kind = ControlKind::Label,
                      .caption = "Duration",
                      .rect = {groupX + 16, groupY + 59, 0, 0}});
    layout.push_back({.name = kDurationName,
                      .kind = ControlKind::Edit,
                      .caption = "1000",
                      .rect = {groupX + 112, groupY + 56, 121, 21},
                      .background = kFieldYellow});
    layout.push_back({.name = "SpeedButton1",
                      .kind = ControlKind::Button,
                      .caption = "Test",
                      .rect = {groupX + 256, groupY + 24, 65, 49}});
    layout.push_back(
        {.name = "BitBtn3", .kind = ControlKind::Button, .caption = "Show sound settings", .rect = {16, 304, 145, 25}});
    layout.push_back(
        {.name = "BitBtn4", .kind = ControlKind::Button, .caption = "Mixer settings", .rect = {168, 304, 75, 25}});
    // The link opens the site on a click; over it the cursor stays the arrow.
    layout.push_back(
        {.name = kSoundLinkName, .kind = ControlKind::ArrowLink, .caption = webSite, .rect = {8, 345, 0, 0}});
    return layout;
}

ui::WindowLayout SoundWindowLayout(const char* webSite) {
    return {"TfrmSound",
            kSoundClientWidth,
            kSoundClientHeight,
            BuildSoundWindowLayout(webSite),
            {kSoundCardName, kMixerCountName, kSoundVersionName}};
}

}  // namespace orvane
