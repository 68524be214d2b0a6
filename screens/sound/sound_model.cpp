#include "screens/sound/sound_model.h"

#include <limits>

#include "core/error.h"
#include "core/text.h"
#include "probes/hardware_probes.h"

namespace orvane {

SoundLines ReadSoundLines(platform::System& sys) {
    SoundLines lines;
    lines.soundCard = HasSoundCard(sys) ? GetSoundCardName(sys) : std::string("Not detected");
    lines.mixerCount = sys.MixerDeviceCount();
    lines.mixers = Format("%d", static_cast<int>(lines.mixerCount));
    // A multimedia driver version word: the major number in bits 8 to 15, the minor in bits 0 to 7.
    const std::uint32_t version = sys.WaveOutDriverVersion(0);
    lines.driverVersion = version;
    lines.version =
        Format("Version : %d.%d", static_cast<int>((version >> 8) & 0xFF), static_cast<int>(version & 0xFF));
    return lines;
}

std::int32_t ToInteger(const std::string& text) {
    const auto fail = [&text]() -> std::int32_t { throw UserError("'" + text + "' is not a valid integer value"); };
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ') ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
    if (at == text.size()) return fail();
    std::int64_t value = 0;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c < '0' || c > '9') return fail();
        value = value * 10 + (c - '0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return fail();
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max() || value < std::numeric_limits<std::int32_t>::min()) {
        return fail();
    }
    return static_cast<std::int32_t>(value);
}

void PlayTone(platform::System& sys, const std::string& frequencyText, const std::string& durationText) {
    const std::int32_t frequency = ToInteger(frequencyText);
    const std::int32_t duration = ToInteger(durationText);
    // Beep holds the thread until the tone ends, and takes -1 as a tone without end: a length outside
    // what a test needs sounds nothing, as a value the platform refuses does.
    if (duration < kShortestToneMs || duration > kLongestToneMs) return;
    // Beep takes unsigned numbers: a negative frequency arrives as a huge value, which the platform refuses.
    sys.Tone(static_cast<std::uint32_t>(frequency), static_cast<std::uint32_t>(duration));
}

namespace {

std::optional<std::string> MuteEndpoint(platform::System& sys, bool mute) {
    // The same messages as the mixer's: no device ends silently, a device without the mute control
    // reports the control, a refused change reports the change.
    switch (sys.MuteCaptureEndpoint(mute)) {
        case platform::EndpointMuteStep::NoVolume:
            return kLineControlsError;
        case platform::EndpointMuteStep::SetFailed:
            return kSetDetailsError;
        default:
            return std::nullopt;
    }
}

std::optional<std::string> MuteMixerLine(platform::System& sys, bool mute) {
    if (static_cast<std::int32_t>(sys.MixerDeviceCount()) <= 0) return std::nullopt;
    const std::optional<platform::MixerRef> mixer = sys.OpenMixer(0);
    if (!mixer) return std::nullopt;
    std::optional<std::string> message;
    if (const auto line = sys.MixerLineOfType(*mixer, platform::kMixerComponentMicrophone)) {
        const auto control = sys.MixerControlOfType(*mixer, *line, platform::kMixerControlMute);
        if (!control) {
            message = kLineControlsError;
        } else if (!sys.SetMixerBoolean(*mixer, *control, mute)) {
            message = kSetDetailsError;
        }
    }
    sys.CloseMixer(*mixer);
    return message;
}

}  // namespace

std::optional<std::string> SetMicrophoneMute(platform::System& sys, bool mute) {
    const std::optional<platform::OsVersion> version = sys.Version();
    if (version && version->platformId == platform::kPlatformNt && version->major >= 6) return MuteEndpoint(sys, mute);
    return MuteMixerLine(sys, mute);
}

}  // namespace orvane
