#pragma once
// The launcher's direct items: the taskbar, the monitor's power, the CD tray and the warning beeper,
// each one call through the platform seam.

#include <string>

#include "platform/system.h"

namespace orvane {

// Hide Taskbar: hides the taskbar while marked, shows it when cleared; nothing without a taskbar.
void ApplyTaskbarMark(platform::System& sys, bool marked);
// Standby Monitor and Switch Off Monitor, sent to the program's own window. SC_MONITORPOWER's documented
// states: 1, the display is going to low power; 2, the display is being shut off.
inline constexpr int kMonitorStandby = 1;
inline constexpr int kMonitorOff = 2;
void SetMonitorPower(platform::System& sys, platform::WindowRef window, int state);
// Eject CD and Load CD. Silent on a system without a CD drive; any other failure raises the MCI error
// text for the error box.
void MoveCdTray(platform::System& sys, bool open, platform::WindowRef window);
inline constexpr const char* kEjectCdCommand = "Set cdaudio door open wait";
inline constexpr const char* kLoadCdCommand = "Set cdaudio door closed wait";
// Mute Speakers: the warning beeper off while marked, on when cleared.
void ApplyMuteSpeakersMark(platform::System& sys, bool marked);

}  // namespace orvane
