#include "screens/sound/sound_model.h"

#include <gtest/gtest.h>

#include "core/error.h"
#include "platform/testing/test_machine.h"

namespace orvane {
namespace {

using testing::TestMachine;

TEST(SoundWindow, DeviceLinesShowTheFirstCardTheMixersAndTheDriverVersion) {
    struct LinesCase {
        const char* what;
        std::uint32_t waveOuts;
        std::uint32_t mixers;
        std::uint32_t driverVersion;
        SoundLines expected;
    };
    const LinesCase cases[] = {
        {"no wave output", 0, 0, 0, {"Not detected", "0", "Version : 0.0"}},
        {"a sound server", 2, 4, 0x0100, {"PulseAudio", "4", "Version : 1.0"}},
        // Only bits 0 to 15 are the version: minor 0x78, major 0x56.
        {"a wide version word", 1, 1, 0x12345678, {"PulseAudio", "1", "Version : 86.120"}},
        {"mixers without wave output", 0, 2, 0x050A, {"Not detected", "2", "Version : 5.10"}},
    };
    for (const LinesCase& c : cases) {
        TestMachine machine;
        machine.waveOutCount = c.waveOuts;
        if (c.waveOuts > 0) machine.waveOutNames = {"PulseAudio", "PulseAudio"};
        machine.mixerCount = c.mixers;
        machine.waveOutDriverVersions[0] = c.driverVersion;
        const SoundLines lines = ReadSoundLines(machine);
        EXPECT_EQ(lines.soundCard, c.expected.soundCard) << c.what;
        EXPECT_EQ(lines.mixers, c.expected.mixers) << c.what;
        EXPECT_EQ(lines.version, c.expected.version) << c.what;
    }
}

TEST(SoundWindow, FieldsConvertAsWholeNumbers) {
    struct Good {
        const char* text;
        std::int32_t value;
    };
    const Good good[] = {{"1000", 1000},
                         {"0", 0},
                         {"  440", 440},
                         {"-5", -5},
                         {"+7", 7},
                         {"0037", 37},
                         {"2147483647", 2147483647},
                         {"-2147483648", -2147483647 - 1}};
    for (const Good& c : good) EXPECT_EQ(ToInteger(c.text), c.value) << c.text;

    for (const char* bad :
         {"abc", "", "   ", "-", "12a", "1000 ", "1.5", "0x10", "2147483648", "-2147483649", "99999999999999999999"}) {
        try {
            ToInteger(bad);
            ADD_FAILURE() << "'" << bad << "' converted";
        } catch (const UserError& error) {
            EXPECT_EQ(std::string(error.what()), "'" + std::string(bad) + "' is not a valid integer value");
        }
    }
}

TEST(SoundWindow, TheToneSoundsOnlyWhenBothFieldsAreNumbers) {
    TestMachine machine;
    PlayTone(machine, "1000", "1000");
    EXPECT_THROW(PlayTone(machine, "abc", "1000"), UserError);
    try {
        PlayTone(machine, "440", "long");
    } catch (const UserError& error) {
        EXPECT_STREQ(error.what(), "'long' is not a valid integer value");
    }
    // A negative number reaches the platform as the unsigned value it becomes, which it refuses.
    PlayTone(machine, "-1", "10");
    using Tone = std::pair<std::uint32_t, std::uint32_t>;
    EXPECT_EQ(machine.tones, (std::vector<Tone>{{1000, 1000}, {0xFFFFFFFF, 10}}));
}

TEST(SoundWindow, ADurationOutsideOneToTenThousandMillisecondsSoundsNothing) {
    struct Case {
        const char* duration;
        bool sounds;
    };
    const Case cases[] = {
        {"1", true},      {"10000", true},        {"0", false},          {"-1", false},  // -1: Beep's endless tone
        {"10001", false}, {"-2147483648", false}, {"2147483647", false},
    };
    for (const Case& c : cases) {
        TestMachine machine;
        PlayTone(machine, "440", c.duration);
        using Tone = std::pair<std::uint32_t, std::uint32_t>;
        const std::vector<Tone> expected =
            c.sounds ? std::vector<Tone>{{440, static_cast<std::uint32_t>(ToInteger(c.duration))}}
                     : std::vector<Tone>{};
        EXPECT_EQ(machine.tones, expected) << c.duration;
    }
    // The frequency field is still converted first: its error comes even with a duration that sounds nothing.
    TestMachine machine;
    EXPECT_THROW(PlayTone(machine, "abc", "0"), UserError);
}

struct MuteCase {
    const char* what;
    std::uint32_t mixers;
    bool opens;
    std::optional<std::uint32_t> line;
    std::optional<std::uint32_t> control;
    bool setWorks;
    bool mute;
    std::optional<std::string> message;
    std::vector<std::string> log;
};

TEST(MicrophoneMute, TheMixerRoutineOnEarlierSystems) {
    const MuteCase cases[] = {
        {"no mixer", 0, true, 7, 9, true, true, std::nullopt, {}},
        {"a mixer that does not open", 1, false, 7, 9, true, true, std::nullopt, {"open 0"}},
        {"no microphone line", 1, true, std::nullopt, 9, true, true, std::nullopt, {"open 0", "line 4099", "close 0"}},
        {"a line without a mute control",
         1,
         true,
         7,
         std::nullopt,
         true,
         true,
         "GetLineInfo Error",
         {"open 0", "line 4099", "controls 7 536936450", "close 0"}},
        {"a refused change",
         1,
         true,
         7,
         9,
         false,
         true,
         "SetControlDetails Error",
         {"open 0", "line 4099", "controls 7 536936450", "set 9 1", "close 0"}},
        {"muted",
         2,
         true,
         7,
         9,
         true,
         true,
         std::nullopt,
         {"open 0", "line 4099", "controls 7 536936450", "set 9 1", "close 0"}},
        {"unmuted",
         2,
         true,
         7,
         9,
         true,
         false,
         std::nullopt,
         {"open 0", "line 4099", "controls 7 536936450", "set 9 0", "close 0"}},
    };
    for (const MuteCase& c : cases) {
        TestMachine machine;
        machine.version = testing::WindowsNt(5, 1, 2600);
        machine.mixerCount = c.mixers;
        machine.mixerOpens = c.opens;
        machine.microphoneLine = c.line;
        machine.muteControl = c.control;
        machine.mixerSetWorks = c.setWorks;
        EXPECT_EQ(SetMicrophoneMute(machine, c.mute), c.message) << c.what;
        EXPECT_EQ(machine.mixerLog, c.log) << c.what;
        EXPECT_EQ(machine.openMixers, 0) << c.what << ": the mixer is closed again";
        EXPECT_TRUE(machine.endpointMutes.empty()) << c.what;
    }
    TestMachine me;
    me.version = testing::WindowsMe();
    me.mixerCount = 1;
    me.microphoneLine = 3;
    me.muteControl = 4;
    EXPECT_EQ(SetMicrophoneMute(me, true), std::nullopt);
    EXPECT_EQ(me.mixerLog.size(), 5u) << "Windows ME uses the mixer";
}

TEST(MicrophoneMute, TheDefaultCaptureEndpointFromVistaOn) {
    struct EndpointCase {
        platform::EndpointMuteStep step;
        std::optional<std::string> message;
    };
    const EndpointCase cases[] = {
        {platform::EndpointMuteStep::Done, std::nullopt},
        {platform::EndpointMuteStep::NoEnumerator, std::nullopt},
        {platform::EndpointMuteStep::NoEndpoint, std::nullopt},
        {platform::EndpointMuteStep::NoVolume, "GetLineInfo Error"},
        {platform::EndpointMuteStep::SetFailed, "SetControlDetails Error"},
    };
    for (const EndpointCase& c : cases) {
        TestMachine machine;
        machine.version = testing::WindowsNt(6, 0, 6002);
        machine.mixerCount = 1;
        machine.microphoneLine = 7;
        machine.muteControl = 9;
        machine.endpointAnswer = c.step;
        EXPECT_EQ(SetMicrophoneMute(machine, true), c.message) << static_cast<int>(c.step);
        EXPECT_EQ(SetMicrophoneMute(machine, false), c.message) << static_cast<int>(c.step);
        EXPECT_EQ(machine.endpointMutes, (std::vector<bool>{true, false}));
        EXPECT_TRUE(machine.mixerLog.empty()) << "the mixer only reaches the program's own session";
    }
}

}  // namespace
}  // namespace orvane
