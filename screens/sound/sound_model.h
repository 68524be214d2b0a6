#pragma once
// What the sound window shows and checks, and the microphone mute routine.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/system.h"

namespace orvane {

// The three device lines, gathered when the window is created.
struct SoundLines {
    std::string soundCard;  // Info6: the first sound card, or "Not detected"
    std::string mixers;     // Info5: the number of mixer devices
    std::string version;    // info4: "Version : major.minor" of wave-output device 0's driver
    // The numbers behind the last two.
    std::uint32_t mixerCount = 0;
    std::uint32_t driverVersion = 0;  // the major number in bits 8 to 15, the minor in bits 0 to 7
};
SoundLines ReadSoundLines(platform::System& sys);

// A field's text as a whole number, as the tone test converts it: optional blanks and sign, then
// decimal digits, within 32 bits. Otherwise the error "'text' is not a valid integer value".
std::int32_t ToInteger(const std::string& text);

// The tone test: both fields converted first, then the tone; a refused value sounds nothing, and so
// does a duration outside kShortestToneMs to kLongestToneMs.
inline constexpr std::int32_t kShortestToneMs = 1;
inline constexpr std::int32_t kLongestToneMs = 10000;
void PlayTone(platform::System& sys, const std::string& frequencyText, const std::string& durationText);

// The messages of the mute routine.
inline constexpr const char* kLineControlsError = "GetLineInfo Error";
inline constexpr const char* kSetDetailsError = "SetControlDetails Error";

// Mutes (or unmutes) the microphone: the default capture endpoint from NT 6 on, where the mixer only
// reaches the program's own audio session; the first mixer's microphone line on earlier systems. The
// message to show the user, or nullopt when the routine ended without one (done, or silently stopped).
std::optional<std::string> SetMicrophoneMute(platform::System& sys, bool mute);

}  // namespace orvane
