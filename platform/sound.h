#pragma once
// The multimedia calls of the sound window and the microphone mute: the mixer, wave output's driver
// version, the default beep, tones, WAV playback and the default capture endpoint.

#include <cstdint>
#include <optional>
#include <string>

namespace orvane::platform {

// An open mixer device.
using MixerRef = std::uintptr_t;

// Mixer constants of the mute routine.
inline constexpr std::uint32_t kMixerComponentMicrophone = 0x1003;  // MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE
inline constexpr std::uint32_t kMixerControlMute = 0x20010002;      // MIXERCONTROL_CONTROLTYPE_MUTE

// Where muting the default capture endpoint stopped.
enum class EndpointMuteStep {
    Done,          // the endpoint took the new state
    NoEnumerator,  // the device enumerator could not be created
    NoEndpoint,    // the system has no default capture endpoint
    NoVolume,      // the endpoint gave no volume interface
    SetFailed,     // SetMute refused
};

class Sound {
public:
    virtual ~Sound() = default;
    // mixerGetNumDevs.
    virtual std::uint32_t MixerDeviceCount() = 0;
    // vDriverVersion of waveOutGetDevCapsA; the call's answer is not examined, so a failed call gives the
    // zeroed record's 0.
    virtual std::uint32_t WaveOutDriverVersion(std::uint32_t device) = 0;
    // MessageBeep(0).
    virtual void DefaultBeep() = 0;
    // PlaySoundA with the name, no module and SND_ASYNC alone.
    virtual bool PlaySoundAsync(const std::string& name) = 0;
    // Beep; returns when the tone has ended.
    virtual bool Tone(std::uint32_t frequency, std::uint32_t milliseconds) = 0;

    // mixerOpen of the device with no callback, no instance data and flags 0; nullopt when it fails.
    virtual std::optional<MixerRef> OpenMixer(std::uint32_t device) = 0;
    // mixerGetLineInfoA by component type: the line's dwLineID, or nullopt when the call fails.
    virtual std::optional<std::uint32_t> MixerLineOfType(MixerRef mixer, std::uint32_t componentType) = 0;
    // mixerGetLineControlsA, one control by type: its dwControlID, or nullopt when the call fails.
    virtual std::optional<std::uint32_t> MixerControlOfType(MixerRef mixer, std::uint32_t lineId,
                                                            std::uint32_t controlType) = 0;
    // mixerSetControlDetails of one channel's Boolean value; false when the call fails.
    virtual bool SetMixerBoolean(MixerRef mixer, std::uint32_t controlId, bool value) = 0;
    virtual void CloseMixer(MixerRef mixer) = 0;
    // The default capture endpoint's IAudioEndpointVolume::SetMute.
    virtual EndpointMuteStep MuteCaptureEndpoint(bool mute) = 0;
};

}  // namespace orvane::platform
