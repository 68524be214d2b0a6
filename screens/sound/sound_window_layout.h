#pragma once
// TfrmSound's controls as a layout table.

#include "ui/layout.h"

namespace orvane {

inline constexpr int kSoundClientWidth = 364;
inline constexpr int kSoundClientHeight = 380;
// The device lines, written when the window is created.
inline constexpr const char* kSoundCardName = "Info6";
inline constexpr const char* kMixerCountName = "Info5";
inline constexpr const char* kSoundVersionName = "info4";
inline constexpr const char* kFrequencyName = "Edit1";
inline constexpr const char* kDurationName = "Edit2";
inline constexpr const char* kSoundLinkName = "Label3";

ui::Layout BuildSoundWindowLayout(const char* webSite);
ui::WindowLayout SoundWindowLayout(const char* webSite);

}  // namespace orvane
