#include "launcher/hardware_actions.h"

#include <cstdint>
#include <string>

#include "core/error.h"
#include "core/text.h"

namespace orvane {

namespace {

using platform::System;

bool HasCdDrive(System& sys) {
    const std::uint32_t mask = sys.LogicalDriveMask();
    for (int letter = 0; letter < 26; ++letter) {
        if (!(mask & (1u << letter))) continue;
        const std::string root = std::string(1, static_cast<char>('A' + letter)) + ":\\";
        if (sys.DriveType(root) == platform::kDriveCdrom) return true;
    }
    return false;
}

}  // namespace

void ApplyTaskbarMark(System& sys, bool marked) {
    sys.ShowTaskbar(!marked);
}

void SetMonitorPower(System& sys, platform::WindowRef window, int state) {
    sys.SendMonitorPower(window, state);
}

void MoveCdTray(System& sys, bool open, platform::WindowRef window) {
    const std::uint32_t result = sys.SendMciCommand(open ? kEjectCdCommand : kLoadCdCommand, window);
    if (result == 0 || !HasCdDrive(sys)) return;
    std::string text = sys.MciErrorText(result);
    throw UserError(text.empty() ? Format("MCI error %u", result) : text);
}

void ApplyMuteSpeakersMark(System& sys, bool marked) {
    sys.SetWarningBeep(!marked);
}

}  // namespace orvane
