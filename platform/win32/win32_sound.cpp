// The sound window's and the microphone mute's multimedia calls behind the platform seam.
#include <windows.h>
// After windows.h.
#include <endpointvolume.h>
#include <mmdeviceapi.h>
#include <mmsystem.h>

#include <cstddef>

#include "platform/win32/handles.h"
#include "platform/win32/win32_system.h"

namespace orvane::win32 {

namespace {

// The mute routine's records as the 32-bit multimedia header lays them out.
static_assert(sizeof(void*) != 4 || sizeof(MIXERLINEA) == 168);
static_assert(sizeof(void*) != 4 || sizeof(MIXERLINECONTROLSA) == 24);
static_assert(sizeof(void*) != 4 || sizeof(MIXERCONTROLA) == 148);
static_assert(sizeof(void*) != 4 || sizeof(MIXERCONTROLDETAILS) == 24);
static_assert(sizeof(MIXERCONTROLDETAILS_BOOLEAN) == 4);
static_assert(MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE == platform::kMixerComponentMicrophone);
static_assert(MIXERCONTROL_CONTROLTYPE_MUTE == platform::kMixerControlMute);

// The audio endpoint API's published identities.
constexpr CLSID kClsidMMDeviceEnumerator = {
    0xBCDE0395, 0xE52F, 0x467C, {0x8E, 0x3D, 0xC4, 0x57, 0x92, 0x91, 0x69, 0x2E}};
constexpr IID kIidIMMDeviceEnumerator = {0xA95664D2, 0x9614, 0x4F35, {0xA7, 0x46, 0xDE, 0x8D, 0xB6, 0x36, 0x17, 0xE6}};
constexpr IID kIidIAudioEndpointVolume = {0x5CDF2C82, 0x841E, 0x4546, {0x97, 0x22, 0x0C, 0xF7, 0x40, 0x78, 0x22, 0x9A}};

HMIXEROBJ MixerObject(platform::MixerRef mixer) {
    return reinterpret_cast<HMIXEROBJ>(mixer);
}

}  // namespace

std::uint32_t Win32System::MixerDeviceCount() {
    return mixerGetNumDevs();
}

std::uint32_t Win32System::WaveOutDriverVersion(std::uint32_t device) {
    WAVEOUTCAPSA caps{};
    waveOutGetDevCapsA(device, &caps, sizeof caps);
    return caps.vDriverVersion;
}

void Win32System::DefaultBeep() {
    MessageBeep(0);
}

bool Win32System::PlaySoundAsync(const std::string& name) {
    return PlaySoundA(name.c_str(), nullptr, SND_ASYNC) != FALSE;
}

bool Win32System::Tone(std::uint32_t frequency, std::uint32_t milliseconds) {
    return Beep(frequency, milliseconds) != FALSE;
}

std::optional<platform::MixerRef> Win32System::OpenMixer(std::uint32_t device) {
    HMIXER mixer = nullptr;
    if (mixerOpen(&mixer, device, 0, 0, 0) != MMSYSERR_NOERROR) return std::nullopt;
    return reinterpret_cast<platform::MixerRef>(mixer);
}

// The open mixer is named as a handle (MIXER_OBJECTF_HMIXER) in the calls that take it.
std::optional<std::uint32_t> Win32System::MixerLineOfType(platform::MixerRef mixer, std::uint32_t componentType) {
    MIXERLINEA line{};
    line.cbStruct = sizeof line;
    line.dwComponentType = componentType;
    if (mixerGetLineInfoA(MixerObject(mixer), &line, MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_COMPONENTTYPE) !=
        MMSYSERR_NOERROR) {
        return std::nullopt;
    }
    return line.dwLineID;
}

std::optional<std::uint32_t> Win32System::MixerControlOfType(platform::MixerRef mixer, std::uint32_t lineId,
                                                             std::uint32_t controlType) {
    MIXERCONTROLA control{};
    MIXERLINECONTROLSA controls{};
    controls.cbStruct = sizeof controls;
    controls.dwLineID = lineId;
    controls.dwControlType = controlType;
    controls.cControls = 1;
    controls.cbmxctrl = sizeof control;
    controls.pamxctrl = &control;
    if (mixerGetLineControlsA(MixerObject(mixer), &controls, MIXER_OBJECTF_HMIXER | MIXER_GETLINECONTROLSF_ONEBYTYPE) !=
        MMSYSERR_NOERROR) {
        return std::nullopt;
    }
    return control.dwControlID;
}

bool Win32System::SetMixerBoolean(platform::MixerRef mixer, std::uint32_t controlId, bool value) {
    MIXERCONTROLDETAILS_BOOLEAN state{};
    state.fValue = value ? 1 : 0;
    MIXERCONTROLDETAILS details{};
    details.cbStruct = sizeof details;
    details.dwControlID = controlId;
    details.cChannels = 1;
    details.cMultipleItems = 0;
    details.cbDetails = sizeof state;
    details.paDetails = &state;
    return mixerSetControlDetails(MixerObject(mixer), &details,
                                  MIXER_OBJECTF_HMIXER | MIXER_SETCONTROLDETAILSF_VALUE) == MMSYSERR_NOERROR;
}

void Win32System::CloseMixer(platform::MixerRef mixer) {
    mixerClose(reinterpret_cast<HMIXER>(mixer));
}

platform::EndpointMuteStep Win32System::MuteCaptureEndpoint(bool mute) {
    using Step = platform::EndpointMuteStep;
    ComPtr<IMMDeviceEnumerator> enumerator;
    if (FAILED(CoCreateInstance(kClsidMMDeviceEnumerator, nullptr, CLSCTX_INPROC_SERVER, kIidIMMDeviceEnumerator,
                                enumerator.PutVoid())) ||
        !enumerator) {
        return Step::NoEnumerator;
    }
    ComPtr<IMMDevice> device;
    if (FAILED(enumerator->GetDefaultAudioEndpoint(eCapture, eConsole, device.Put())) || !device) {
        return Step::NoEndpoint;
    }
    ComPtr<IAudioEndpointVolume> volume;
    if (FAILED(device->Activate(kIidIAudioEndpointVolume, CLSCTX_INPROC_SERVER, nullptr, volume.PutVoid())) ||
        !volume) {
        return Step::NoVolume;
    }
    return FAILED(volume->SetMute(mute ? TRUE : FALSE, nullptr)) ? Step::SetFailed : Step::Done;
}

}  // namespace orvane::win32
